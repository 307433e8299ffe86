// Owns one kernel handle and closes it once.
#pragma once

#include <windows.h>

#include <utility>

class UniqueHandle {
public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle &&other) noexcept
      : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle &operator=(UniqueHandle &&other) noexcept {
    std::swap(handle_, other.handle_);
    return *this;
  }
  UniqueHandle(const UniqueHandle &) = delete;
  UniqueHandle &operator=(const UniqueHandle &) = delete;
  ~UniqueHandle() {
    if (valid())
      CloseHandle(handle_);
  }

  HANDLE get() const { return handle_; }
  // Both null and INVALID_HANDLE_VALUE stand for "nothing opened".
  bool valid() const {
    return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE;
  }

private:
  HANDLE handle_ = nullptr;
};
