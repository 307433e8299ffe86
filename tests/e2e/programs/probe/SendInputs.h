// The acting commands: keys, text, pointer moves and clicks given to the
// system with SendInput, as from a real keyboard and mouse. Each answers
// {"sent": n} or {"error": why}.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Virtual-key codes, pressed when positive and released when negative:
// Ctrl+P is 17, 80, -80, -17.
std::string PressKeys(HWND window, const std::vector<int> &strokes);
// Any text, emoji included, as Unicode key strokes.
std::string TypeText(HWND window, const std::wstring &text);
std::string MovePointer(int x, int y);
// Button 1 is the left, 2 the middle and 3 the right one.
std::string ClickAt(int x, int y, int button, int count);
std::string SetButton(int button, bool down);
std::string PointerPosition();
