// Builds the JSON texts the helper programs print for the test harness:
// UTF-8, with every Windows string carried over unchanged.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

std::string Utf8(std::wstring_view text);
std::string JsonString(std::wstring_view text);
std::string JsonArray(const std::vector<std::string> &items);

// Fields keep the order they were added in.
class JsonObject {
public:
  JsonObject &Text(std::string_view key, std::wstring_view value);
  JsonObject &Number(std::string_view key, std::int64_t value);
  JsonObject &Flag(std::string_view key, bool value);
  // A value that is already JSON (an object, an array).
  JsonObject &Raw(std::string_view key, const std::string &json);
  std::string Build() const { return "{" + body_ + "}"; }

private:
  std::string body_;
};

// [left, top, right, bottom]
std::string JsonRect(long left, long top, long right, long bottom);
