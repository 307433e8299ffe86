// Reads a report list of another process: columns, rows with their texts,
// states and screen rectangles, and its extended style.
#pragma once

#include <windows.h>

#include <string>

// A JSON object, or an object with an "error" field when the list's process
// cannot be read.
std::string DumpListView(HWND list);
