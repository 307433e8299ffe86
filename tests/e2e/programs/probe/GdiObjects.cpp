#include "GdiObjects.h"

#include <vector>

namespace {

// One entry of the table the process's PEB points to (GdiSharedHandleTable),
// as Wine lays it out; a free entry has type 0. Wine gives every process a
// table of its own.
struct GdiHandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr std::size_t GdiHandleCount = 0x10000;
constexpr std::size_t PebGdiTableOffset = 0xF8; // 64-bit PEB

// ProcessBasicInformation, as ntdll lays it out.
struct BasicInformation {
  LONG exitStatus;
  void *pebAddress;
  ULONG_PTR affinityMask;
  LONG basePriority;
  ULONG_PTR processId;
  ULONG_PTR parentProcessId;
};

using QueryInformationProcess = LONG(WINAPI *)(HANDLE, ULONG, void *, ULONG,
                                               ULONG *);

} // namespace

std::int64_t CountGdiObjects(HANDLE process) {
  const auto query = reinterpret_cast<QueryInformationProcess>(
      reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"),
                                              "NtQueryInformationProcess")));
  BasicInformation basic{};
  void *table = nullptr;
  SIZE_T read = 0;
  if (query == nullptr ||
      query(process, 0, &basic, sizeof basic, nullptr) < 0 ||
      !ReadProcessMemory(
          process, static_cast<char *>(basic.pebAddress) + PebGdiTableOffset,
          &table, sizeof table, &read) ||
      table == nullptr)
    return -1;
  std::vector<GdiHandleEntry> entries(GdiHandleCount);
  if (!ReadProcessMemory(process, table, entries.data(),
                         entries.size() * sizeof entries[0], &read))
    return -1;
  std::int64_t count = 0;
  for (std::size_t i = 0; i < read / sizeof entries[0]; ++i)
    count += entries[i].type != 0;
  return count;
}
