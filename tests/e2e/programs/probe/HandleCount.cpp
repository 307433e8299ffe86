#include "HandleCount.h"

#include "../JsonWriter.h"

#include <cstdint>
#include <vector>

namespace {

// SystemExtendedHandleInformation, as ntdll lays it out.
constexpr ULONG ExtendedHandleInformationClass = 64;
constexpr LONG InfoLengthMismatch = static_cast<LONG>(0xC0000004);

struct HandleEntry {
  void *object;
  ULONG_PTR processId;
  ULONG_PTR handleValue;
  ULONG grantedAccess;
  USHORT creatorBackTraceIndex;
  USHORT objectTypeIndex;
  ULONG handleAttributes;
  ULONG reserved;
};

struct HandleTable {
  ULONG_PTR count;
  ULONG_PTR reserved;
  HandleEntry entries[1];
};

using QuerySystemInformation = LONG(WINAPI *)(ULONG, void *, ULONG, ULONG *);

} // namespace

std::string CountHandles(DWORD pid) {
  const auto query = reinterpret_cast<QuerySystemInformation>(
      reinterpret_cast<void *>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"),
                                              "NtQuerySystemInformation")));
  if (query == nullptr)
    return JsonObject().Text("error", L"no NtQuerySystemInformation").Build();

  std::vector<std::uint64_t> buffer(1 << 16); // 8-byte aligned
  LONG status = InfoLengthMismatch;
  for (int attempt = 0; attempt < 8 && status == InfoLengthMismatch;
       ++attempt) {
    ULONG needed = 0;
    status =
        query(ExtendedHandleInformationClass, buffer.data(),
              static_cast<ULONG>(buffer.size() * sizeof buffer[0]), &needed);
    if (status == InfoLengthMismatch)
      buffer.resize(buffer.size() * 2 + needed / sizeof buffer[0]);
  }
  if (status < 0)
    return JsonObject()
        .Text("error", L"handle table query failed")
        .Number("status", static_cast<std::uint32_t>(status))
        .Build();

  const auto &table = *reinterpret_cast<const HandleTable *>(buffer.data());
  std::int64_t count = 0;
  for (ULONG_PTR i = 0; i < table.count; ++i)
    count += table.entries[i].processId == pid;
  return JsonObject().Number("pid", pid).Number("count", count).Build();
}
