// The "processes" command: every process of the prefix with its parent and
// executable name.
#pragma once

#include <string>

std::string ListProcesses();
