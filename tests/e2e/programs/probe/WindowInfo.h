// Facts about any window, of any process, as the probe reports them.
#pragma once

#include "../JsonWriter.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Windows handles fit in 32 bits; other processes know them by that number.
std::uint32_t HandleNumber(HWND window);
HWND WindowFromNumber(std::uint32_t number);

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
std::string ScreenRectOf(HWND window);

std::vector<HWND> TopLevelWindows(DWORD pid);
// Direct children in z-order, which for dialogs and forms is the tab order.
std::vector<HWND> ChildWindows(HWND parent);

// hwnd, class, text, visible, enabled, rect, style, exStyle, id and owner;
// callers add what else they know.
JsonObject DescribeWindow(HWND window);
