#include "platform/posix/registry_text.h"

#include <cstdint>
#include <optional>
#include <unordered_set>

#include "text/ascii.h"
#include "text/lines.h"

namespace orv::platform::posix {
namespace {

using text::SplitLines;

std::string Escape(std::string_view raw, bool isName) {
  std::string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\0':
        out += "\\0";
        break;
      case '=':
        out += isName ? "\\=" : "=";
        break;
      case ';':
        out += isName && i == 0 ? "\\;" : ";";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// The raw name of a value line and where its "kind:value" part starts; nothing for comments
// and lines without an unescaped "=".
struct NamePart {
  std::string name;
  size_t valueAt = 0;
};

std::optional<NamePart> ReadName(std::string_view line) {
  if (line.empty() || line[0] == ';') return std::nullopt;
  NamePart part;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == '=') {
      part.valueAt = i + 1;
      return part;
    }
    if (c != '\\') {
      part.name += c;
      continue;
    }
    if (++i == line.size()) return std::nullopt;
    switch (line[i]) {
      case 'n':
        part.name += '\n';
        break;
      case 'r':
        part.name += '\r';
        break;
      case '0':
        part.name += '\0';
        break;
      default:
        part.name += line[i];
    }
  }
  return std::nullopt;
}

std::optional<std::string> Unescape(std::string_view raw) {
  std::string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\') {
      out += raw[i];
      continue;
    }
    if (++i == raw.size()) return std::nullopt;
    switch (raw[i]) {
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      case '0':
        out += '\0';
        break;
      default:
        out += raw[i];
    }
  }
  return out;
}

// A dword is written signed; unsigned spellings up to 4294967295 are read too, as a REG_DWORD
// edited by hand may hold them.
std::optional<int32_t> ParseDword(std::string_view text) {
  bool negative = false;
  if (!text.empty() && text[0] == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 10) return std::nullopt;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (negative) {
    if (value > int64_t{1} << 31) return std::nullopt;
    return static_cast<int32_t>(-value);
  }
  if (value > UINT32_MAX) return std::nullopt;
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

std::optional<ProfileValue> ParseLine(std::string_view line) {
  const std::optional<NamePart> name = ReadName(line);
  if (!name) return std::nullopt;
  const std::string_view rest = line.substr(name->valueAt);
  ProfileValue value;
  value.name = name->name;
  if (rest.substr(0, 6) == "dword:") {
    const std::optional<int32_t> number = ParseDword(rest.substr(6));
    if (!number) return std::nullopt;
    value.isInteger = true;
    value.integer = *number;
    return value;
  }
  if (rest.substr(0, 3) == "sz:") {
    std::optional<std::string> text = Unescape(rest.substr(3));
    if (!text) return std::nullopt;
    value.text = std::move(*text);
    return value;
  }
  return std::nullopt;
}

std::string FormatLine(std::string_view name, const ProfileValue& value) {
  std::string line = Escape(name, true) + "=";
  if (value.isInteger) return line + "dword:" + std::to_string(value.integer);
  return line + "sz:" + Escape(value.text, false);
}

}  // namespace

std::vector<ProfileValue> ParseRegistryText(std::string_view text) {
  std::vector<ProfileValue> values;
  std::unordered_set<std::string> seen;  // lower-cased names: one look-up per line
  for (std::string_view line : SplitLines(text)) {
    std::optional<ProfileValue> value = ParseLine(line);
    if (!value) continue;
    if (seen.insert(text::ToLowerAscii(value->name)).second) values.push_back(std::move(*value));
  }
  return values;
}

std::string UpdateRegistryText(std::string_view text, const std::vector<ProfileValue>& values,
                               std::string_view header) {
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(text)) lines.emplace_back(line);
  if (lines.empty() && !header.empty()) lines.emplace_back(header);
  for (const ProfileValue& value : values) {
    bool replaced = false;
    for (auto line = lines.begin(); line != lines.end();) {
      const std::optional<NamePart> name = ReadName(*line);
      if (!name || !text::EqualsIgnoringAsciiCase(name->name, value.name)) {
        ++line;
      } else if (!replaced) {
        // The stored spelling of the name wins, as in the registry.
        *line = FormatLine(name->name, value);
        replaced = true;
        ++line;
      } else {
        line = lines.erase(line);  // a duplicate would shadow nothing but confuse readers
      }
    }
    if (!replaced) lines.push_back(FormatLine(value.name, value));
  }
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

}  // namespace orv::platform::posix
