// What the timing programs print: one "label value" line per figure,
// written at once so the driver reading the pipe sees it immediately.
#pragma once

#include <cstdint>
#include <string_view>

void Report(std::string_view label, std::int64_t value);
