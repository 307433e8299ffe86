// Owners for the few kinds of system resources the relay holds, each released
// exactly once by the matching system call.
#pragma once

#include <windows.h>

#include <memory>

namespace relay {

struct HandleCloser {
  void operator()(HANDLE handle) const noexcept { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

// CreateFileW reports failure as INVALID_HANDLE_VALUE, the other calls as
// null; the owner knows only null as "nothing owned".
inline UniqueHandle OwnFileHandle(HANDLE handle) noexcept {
  return UniqueHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// Memory the system allocated with LocalAlloc for the caller.
struct LocalFreer {
  void operator()(void *memory) const noexcept { LocalFree(memory); }
};
template <typename T> using LocalMemory = std::unique_ptr<T, LocalFreer>;

// Memory the system allocated from the process heap for the caller.
struct ProcessHeapFreer {
  void operator()(void *memory) const noexcept {
    HeapFree(GetProcessHeap(), 0, memory);
  }
};
template <typename T>
using ProcessHeapMemory = std::unique_ptr<T, ProcessHeapFreer>;

// Whole pages reserved with VirtualAlloc.
struct PageReleaser {
  void operator()(void *memory) const noexcept {
    VirtualFree(memory, 0, MEM_RELEASE);
  }
};
using UniquePages = std::unique_ptr<void, PageReleaser>;

} // namespace relay
