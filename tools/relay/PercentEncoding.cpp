#include "tools/relay/PercentEncoding.h"

namespace relay {
namespace {

bool KeptAsIs(unsigned char byte) {
  return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
         (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
         byte == '_' || byte == '/';
}

} // namespace

std::wstring PercentEncoded(std::string_view bytes) {
  static constexpr std::wstring_view hexDigits = L"0123456789ABCDEF";
  std::wstring encoded;
  for (const char character : bytes) {
    const auto byte = static_cast<unsigned char>(character);
    if (KeptAsIs(byte)) {
      encoded += static_cast<wchar_t>(byte);
    } else {
      encoded += L'%';
      encoded += hexDigits[byte >> 4];
      encoded += hexDigits[byte & 0xF];
    }
  }
  return encoded;
}

} // namespace relay
