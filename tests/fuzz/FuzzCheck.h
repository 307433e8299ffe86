// What the fuzz targets share: how a broken property stops the run, so that
// libFuzzer keeps the input that broke it, and how input bytes become text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace sonvella {

inline void Check(bool holds, const char *property) {
  if (holds)
    return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

// Each two bytes are one UTF-16 code unit, low byte first; a 0 is left out,
// as no name holds one.
inline std::wstring CodeUnits(const std::uint8_t *data, std::size_t size) {
  std::wstring text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    const auto unit = static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    if (unit != 0)
      text += unit;
  }
  return text;
}

} // namespace sonvella
