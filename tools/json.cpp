#include "json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/number_text.h"

namespace sylvandra::script {

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned char>(c));
          out += buffer;
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  if (value == 0.0) return "0";
  return WriteShortest(value);
}

namespace {

void AppendUtf8(std::string& out, unsigned code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::optional<unsigned> Hex4(std::string_view text, size_t at) {
  if (at + 4 > text.size()) return std::nullopt;
  unsigned value = 0;
  const auto result = std::from_chars(text.data() + at, text.data() + at + 4, value, 16);
  if (result.ptr != text.data() + at + 4) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::string> ParseJsonString(std::string_view text) {
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return std::nullopt;
  std::string out;
  for (size_t i = 1; i + 1 < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') return std::nullopt;
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++i + 1 > text.size() - 1) return std::nullopt;
    switch (text[i]) {
      case '"':
      case '\\':
      case '/':
        out += text[i];
        break;
      case 'b':
        out += '\b';
        break;
      case 'f':
        out += '\f';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case 't':
        out += '\t';
        break;
      case 'u': {
        auto code = Hex4(text, i + 1);
        if (!code) return std::nullopt;
        i += 4;
        if (*code >= 0xD800 && *code < 0xDC00 && i + 2 < text.size() && text[i + 1] == '\\' &&
            text[i + 2] == 'u') {
          if (auto low = Hex4(text, i + 3); low && *low >= 0xDC00 && *low < 0xE000) {
            *code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
            i += 6;
          }
        }
        AppendUtf8(out, *code);
        break;
      }
      default:
        return std::nullopt;
    }
  }
  return out;
}

}  // namespace sylvandra::script
