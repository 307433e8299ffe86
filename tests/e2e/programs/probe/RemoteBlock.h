// A block of memory inside another process, for the messages whose
// arguments point at structures (a list's item texts, its columns, rects).
#pragma once

#include <windows.h>

#include <cstddef>

class RemoteBlock {
public:
  RemoteBlock(HANDLE process, std::size_t size);
  ~RemoteBlock();
  RemoteBlock(const RemoteBlock &) = delete;
  RemoteBlock &operator=(const RemoteBlock &) = delete;

  bool valid() const { return address_ != nullptr; }
  // The address as the other process sees it.
  char *address() const { return static_cast<char *>(address_); }
  bool Write(std::size_t offset, const void *data, std::size_t size);
  bool Read(std::size_t offset, void *data, std::size_t size) const;

private:
  HANDLE process_;
  void *address_;
};
