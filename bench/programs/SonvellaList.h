// Sonvella's own report list for the bench's window programs: its styles,
// theme and columns, at its place in Sonvella's window.
#pragma once

#include "platform/win32/ReportList.h"

#include <windows.h>

#include <optional>

std::optional<sonvella::win32::ReportList> CreateSonvellaList(HWND parent,
                                                              HFONT font);
