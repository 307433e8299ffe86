#include "JsonWriter.h"

#include <windows.h>

#include <cstdio>

std::string Utf8(std::wstring_view text) {
  if (text.empty())
    return {};
  const int length = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, text.data(), length,
                                        nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), length, result.data(), bytes,
                      nullptr, nullptr);
  return result;
}

std::string JsonString(std::wstring_view text) {
  std::string quoted = "\"";
  for (const char c : Utf8(text)) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string JsonArray(const std::vector<std::string> &items) {
  std::string text = "[";
  for (std::size_t i = 0; i < items.size(); ++i)
    text += (i == 0 ? "" : ",") + items[i];
  return text + "]";
}

JsonObject &JsonObject::Raw(std::string_view key, const std::string &json) {
  if (!body_.empty())
    body_ += ',';
  body_ += '"';
  body_ += key;
  body_ += "\":";
  body_ += json;
  return *this;
}

JsonObject &JsonObject::Text(std::string_view key, std::wstring_view value) {
  return Raw(key, JsonString(value));
}

JsonObject &JsonObject::Number(std::string_view key, std::int64_t value) {
  return Raw(key, std::to_string(value));
}

JsonObject &JsonObject::Flag(std::string_view key, bool value) {
  return Raw(key, value ? "true" : "false");
}

std::string JsonRect(long left, long top, long right, long bottom) {
  return JsonArray({std::to_string(left), std::to_string(top),
                    std::to_string(right), std::to_string(bottom)});
}
