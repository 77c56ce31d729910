#include "platform/posix/profile/registry_text.h"

#include <cstdint>
#include <optional>
#include <unordered_set>

#include "text/ascii.h"

namespace orv::platform::posix {
namespace {

// One line of a key file: its content and the line end that followed it ("\n", "\r\n", or
// nothing for a last line without one). A CR belongs to the line end only when it is the last
// byte before the LF, so a line ending in CR CR LF keeps one CR in its content.
struct Line {
  std::string_view content;
  std::string_view end;
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const size_t lf = text.find('\n');
    const size_t next = lf == std::string_view::npos ? text.size() : lf + 1;
    size_t contentSize = lf == std::string_view::npos ? text.size() : lf;
    if (contentSize > 0 && text[contentSize - 1] == '\r') --contentSize;
    lines.push_back({text.substr(0, contentSize), text.substr(contentSize, next - contentSize)});
    text.remove_prefix(next);
  }
  return lines;
}

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

// Lines as a rewrite keeps them: their bytes as written, line ends included, so that only the
// lines of the values changed differ and a hand-edited file loses nothing.
struct OwnLine {
  std::string content, end;
};

std::vector<OwnLine> OwnLines(std::string_view text) {
  std::vector<OwnLine> lines;
  for (const Line& line : SplitLines(text)) {
    lines.push_back({std::string(line.content), std::string(line.end)});
  }
  return lines;
}

std::string Join(const std::vector<OwnLine>& lines) {
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) {
    out += lines[i].content;
    out += lines[i].end;
    // A last line without its line end gets one when more lines follow it now.
    const bool ended = !lines[i].end.empty() && lines[i].end.back() == '\n';
    if (!ended && i + 1 < lines.size()) out += '\n';
  }
  return out;
}

}  // namespace

std::vector<ProfileValue> ParseRegistryText(std::string_view text) {
  std::vector<ProfileValue> values;
  std::unordered_set<std::string> seen;  // lower-cased names: one look-up per line
  for (const Line& line : SplitLines(text)) {
    std::optional<ProfileValue> value = ParseLine(line.content);
    if (!value) continue;
    if (seen.insert(text::ToLowerAscii(value->name)).second) values.push_back(std::move(*value));
  }
  return values;
}

std::string UpdateRegistryText(std::string_view text, const std::vector<ProfileValue>& values,
                               std::string_view header) {
  std::vector<OwnLine> lines = OwnLines(text);
  if (lines.empty() && !header.empty()) lines.push_back({std::string(header), "\n"});
  for (const ProfileValue& value : values) {
    bool replaced = false;
    for (auto line = lines.begin(); line != lines.end();) {
      const std::optional<NamePart> name = ReadName(line->content);
      if (!name || !text::EqualsIgnoringAsciiCase(name->name, value.name)) {
        ++line;
      } else if (!replaced) {
        // The stored spelling of the name wins, as in the registry.
        line->content = FormatLine(name->name, value);
        replaced = true;
        ++line;
      } else {
        line = lines.erase(line);  // a duplicate would shadow nothing but confuse readers
      }
    }
    if (!replaced) lines.push_back({FormatLine(value.name, value), "\n"});
  }
  return Join(lines);
}

std::string RemoveRegistryValues(std::string_view text, const std::vector<std::string>& names) {
  std::vector<OwnLine> lines = OwnLines(text);
  for (auto line = lines.begin(); line != lines.end();) {
    const std::optional<NamePart> name = ReadName(line->content);
    bool named = false;
    for (const std::string& removed : names) {
      named = named || (name && text::EqualsIgnoringAsciiCase(name->name, removed));
    }
    line = named ? lines.erase(line) : line + 1;
  }
  return Join(lines);
}

}  // namespace orv::platform::posix
