#include "platform/posix/profile/ini_text.h"

#include <optional>
#include <unordered_set>

#include "text/ascii.h"

namespace orv::platform::posix {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

struct Lines {
  std::vector<std::string> lines;  // without their line ends
  std::string lineEnd = "\n";      // kept as the file had it
  bool endsWithLineEnd = true;
};

Lines SplitLines(std::string_view text) {
  Lines result;
  const size_t firstEnd = text.find('\n');
  if (firstEnd != std::string_view::npos && firstEnd > 0 && text[firstEnd - 1] == '\r') {
    result.lineEnd = "\r\n";
  }
  result.endsWithLineEnd = text.empty() || text.back() == '\n';
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    result.lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return result;
}

// The line as the parser sees it: the file's byte-order mark is not part of the first line.
std::string_view Content(const Lines& lines, size_t index) {
  std::string_view line = lines.lines[index];
  if (index == 0 && line.substr(0, kUtf8Bom.size()) == kUtf8Bom)
    line.remove_prefix(kUtf8Bom.size());
  return text::TrimAsciiBlanks(line);
}

std::optional<std::string_view> SectionName(std::string_view line) {
  if (line.empty() || line.front() != '[') return std::nullopt;
  const size_t close = line.find(']');
  if (close == std::string_view::npos) return text::TrimAsciiBlanks(line.substr(1));
  return text::TrimAsciiBlanks(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  if (line.empty() || line.front() == ';') return std::nullopt;
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  KeyLine parsed{text::TrimAsciiBlanks(line.substr(0, equals)),
                 text::TrimAsciiBlanks(line.substr(equals + 1))};
  if (parsed.key.empty()) return std::nullopt;
  const std::string_view value = parsed.value;
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    parsed.value = value.substr(1, value.size() - 2);
  }
  return parsed;
}

// The line range [begin, end) of the first section of that name, begin being its header.
bool FindSection(const Lines& lines, std::string_view section, size_t& begin, size_t& end) {
  bool inside = false;
  for (size_t i = 0; i < lines.lines.size(); ++i) {
    const std::optional<std::string_view> name = SectionName(Content(lines, i));
    if (!name) continue;
    if (inside) {
      end = i;
      return true;
    }
    if (text::EqualsIgnoringAsciiCase(*name, section)) {
      inside = true;
      begin = i;
    }
  }
  end = lines.lines.size();
  return inside;
}

bool WritableKey(std::string_view key) {
  return !key.empty() && key == text::TrimAsciiBlanks(key) && key.front() != '[' &&
         key.front() != ';' && key.find_first_of("=\r\n") == std::string_view::npos;
}

bool WritableSection(std::string_view section) {
  return !section.empty() && section == text::TrimAsciiBlanks(section) &&
         section.find_first_of("]\r\n") == std::string_view::npos;
}

// An ini line cannot hold a line break: it becomes a blank rather than breaking the file.
// Quotes keep outer blanks and outer quotes that the reader would otherwise strip.
std::string FormatValue(const ProfileValue& value) {
  if (value.isInteger) return std::to_string(value.integer);
  std::string text = value.text;
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  const bool needsQuotes =
      !text.empty() && (text != text::TrimAsciiBlanks(text) ||
                        (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
                         text.back() == text.front()));
  return needsQuotes ? "\"" + text + "\"" : text;
}

std::string Join(const Lines& lines) {
  std::string joined;
  for (size_t i = 0; i < lines.lines.size(); ++i) {
    joined += lines.lines[i];
    if (i + 1 < lines.lines.size() || lines.endsWithLineEnd) joined += lines.lineEnd;
  }
  return joined;
}

}  // namespace

std::vector<ProfileValue> ReadIniSection(std::string_view text, std::string_view section) {
  std::vector<ProfileValue> values;
  const Lines lines = SplitLines(text);
  size_t begin = 0, end = 0;
  if (!FindSection(lines, section, begin, end)) return values;
  std::unordered_set<std::string> seen;  // lower-cased keys: one look-up per line
  for (size_t i = begin + 1; i < end; ++i) {
    const std::optional<KeyLine> line = ParseKeyLine(Content(lines, i));
    if (!line || !seen.insert(text::ToLowerAscii(line->key)).second) continue;
    ProfileValue value;
    value.name = std::string(line->key);
    value.text = std::string(line->value);
    values.push_back(std::move(value));
  }
  return values;
}

bool UpdateIniText(std::string_view text, std::string_view section,
                   const std::vector<ProfileValue>& values, std::string& out) {
  if (!WritableSection(section)) return false;
  for (const ProfileValue& value : values) {
    if (!WritableKey(value.name)) return false;
  }
  Lines lines = SplitLines(text);
  size_t begin = 0, end = 0;
  if (!FindSection(lines, section, begin, end)) {
    if (!lines.lines.empty() && !text::TrimAsciiBlanks(lines.lines.back()).empty())
      lines.lines.emplace_back();
    begin = lines.lines.size();
    lines.lines.push_back("[" + std::string(section) + "]");
    end = lines.lines.size();
  }
  for (const ProfileValue& value : values) {
    bool replaced = false;
    for (size_t i = begin + 1; i < end && !replaced; ++i) {
      const std::optional<KeyLine> line = ParseKeyLine(Content(lines, i));
      if (!line || !text::EqualsIgnoringAsciiCase(line->key, value.name)) continue;
      lines.lines[i] = std::string(line->key) + "=" + FormatValue(value);
      replaced = true;
    }
    if (replaced) continue;
    // New keys go after the section's last non-blank line, before any blank separator.
    size_t at = end;
    while (at > begin + 1 && Content(lines, at - 1).empty()) --at;
    lines.lines.insert(lines.lines.begin() + static_cast<std::ptrdiff_t>(at),
                       value.name + "=" + FormatValue(value));
    ++end;
  }
  out = Join(lines);
  return true;
}

std::string RemoveIniKeys(std::string_view text, std::string_view section,
                          const std::vector<std::string>& names) {
  Lines lines = SplitLines(text);
  size_t begin = 0, end = 0;
  if (!FindSection(lines, section, begin, end)) return std::string(text);
  for (size_t i = end; i > begin + 1; --i) {
    const std::optional<KeyLine> line = ParseKeyLine(Content(lines, i - 1));
    bool named = false;
    for (const std::string& name : names) {
      named = named || (line && text::EqualsIgnoringAsciiCase(line->key, name));
    }
    if (named) lines.lines.erase(lines.lines.begin() + static_cast<std::ptrdiff_t>(i - 1));
  }
  return Join(lines);
}

}  // namespace orv::platform::posix
