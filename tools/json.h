// The little JSON the script driver reads and writes: strings and numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sylvandra::script {

std::string JsonString(std::string_view text);
// Shortest text that reads back as the same double (750, 812.5).
std::string JsonNumber(double value);
// Parses a JSON string literal that makes up the whole of `text`.
std::optional<std::string> ParseJsonString(std::string_view text);

}  // namespace sylvandra::script
