#include "RemoteBlock.h"

RemoteBlock::RemoteBlock(HANDLE process, std::size_t size)
    : process_(process),
      address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE,
                              PAGE_READWRITE)) {}

RemoteBlock::~RemoteBlock() {
  if (address_ != nullptr)
    VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

bool RemoteBlock::Write(std::size_t offset, const void *data,
                        std::size_t size) {
  SIZE_T written = 0;
  return WriteProcessMemory(process_, address() + offset, data, size,
                            &written) &&
         written == size;
}

bool RemoteBlock::Read(std::size_t offset, void *data, std::size_t size) const {
  SIZE_T read = 0;
  return ReadProcessMemory(process_, address() + offset, data, size, &read) &&
         read == size;
}
