// The system clock in 100-nanosecond ticks since 1601: the clock Windows
// stamps process creation with, and under Wine the Linux real-time clock,
// so a Linux driver can compare its own times with these.
#pragma once

#include <windows.h>

#include <cstdint>

std::int64_t Ticks(const FILETIME &time);
std::int64_t SystemClockNow();
