#include "Report.h"

#include <cstdio>
#include <string>

void Report(std::string_view label, std::int64_t value) {
  const std::string line =
      std::string(label) + " " + std::to_string(value) + "\n";
  std::fputs(line.c_str(), stdout);
  std::fflush(stdout);
}
