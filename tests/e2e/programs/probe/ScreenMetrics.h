// The "metrics" command: the screen size, its pixels per inch, and how tall
// the digit 0 is in a given font, which is what layouts scale by.
#pragma once

#include <string>

std::string DescribeScreen(const std::wstring &fontFace, int characterHeight);
