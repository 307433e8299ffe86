// Window handles travel between processes as the 32-bit numbers Windows
// guarantees them to be; turning one back widens it with its sign, as
// LongToHandle does.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cwchar>

inline HWND WindowFromText(const wchar_t *text) {
  const auto number =
      static_cast<std::uint32_t>(std::wcstoul(text, nullptr, 10));
  return reinterpret_cast<HWND>(
      static_cast<std::intptr_t>(static_cast<std::int32_t>(number)));
}
