#pragma once

#include <string>
#include <string_view>

namespace relay {

// Bytes as ASCII without spaces or quotes: letters, digits and "-._/" stay,
// every other byte becomes "%XX" (two capital hex digits). Wine converts a
// Linux program's command line to the locale's encoding; text in this form
// reaches the program unchanged whatever the locale.
std::wstring PercentEncoded(std::string_view bytes);

} // namespace relay
