// The "menus" command: the popup menus on screen (class #32768) with their
// entries, as far as the system lets another process read them.
#pragma once

#include <string>

std::string ListPopupMenus();
