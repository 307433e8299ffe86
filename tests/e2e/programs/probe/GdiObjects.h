// How many GDI objects (fonts, brushes, bitmaps, device contexts, ...) a
// process holds, read from its GDI handle table: GetGuiResources answers 0
// under Wine.
#pragma once

#include <windows.h>

#include <cstdint>

// -1 when the table cannot be read.
std::int64_t CountGdiObjects(HANDLE process);
