// The "boxes" command: the message boxes a process shows, with their
// caption, texts, icon, buttons and owner.
#pragma once

#include <windows.h>

#include <string>

std::string ListMessageBoxes(DWORD pid);
