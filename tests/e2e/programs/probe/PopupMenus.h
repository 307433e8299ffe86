// The "menus" command: the popup menu windows on screen (class #32768).
// Their entries live in the menu owner's process and cannot be read from
// here; the tests find them on screen.
#pragma once

#include <string>

std::string ListPopupMenus();
