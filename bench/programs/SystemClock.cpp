// The precise clock is declared for Windows 8 and later only.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0602

#include "SystemClock.h"

std::int64_t Ticks(const FILETIME &time) {
  return static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
      time.dwLowDateTime);
}

std::int64_t SystemClockNow() {
  FILETIME now{};
  GetSystemTimePreciseAsFileTime(&now);
  return Ticks(now);
}
