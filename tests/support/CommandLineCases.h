// Names that test how a file name reaches the player: the hard ones, and
// random ones from a seeded generator.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace sonvella {

// The player as Sonvella starts it, from a folder with a space, and the
// window handle the tests give it.
inline constexpr wchar_t TestPlayer[] =
    L"C:\\Program Files\\Sonvella\\mplayer.exe";
inline constexpr std::uint32_t TestWindow = 134873586;

// Quotes alone, doubled and at both ends; runs of one to five backslashes
// before a quote and at the end; tabs, blanks only, the empty name;
// surrogate pairs and unpaired surrogates; a name that would end the quotes
// early and add options of its own; a name of 32,000 characters.
std::vector<std::wstring> HardNames();

// Up to 40 UTF-16 code units, never 0, rich in quotes, backslashes, blanks
// and surrogates.
std::wstring RandomName(std::mt19937 &random);

// The arguments the player must receive for this name.
std::vector<std::wstring> ExpectedPlayerArguments(const std::wstring &name);

} // namespace sonvella
