#include "host/filter/filter_options.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

#include "host/output/terminal_text.h"
#include "platform/option_record.h"
#include "text/ascii.h"
#include "text/codepage.h"

namespace orv::host {

namespace {

FilterOption* Find(std::vector<FilterOption>& options, std::string_view name) {
  for (FilterOption& option : options) {
    if (text::EqualsIgnoringAsciiCase(option.name, name)) return &option;
  }
  return nullptr;
}

const FilterOption* FindRead(const FilterOptions& options, std::string_view name) {
  for (const FilterOption& option : options.options) {
    if (option.read && text::EqualsIgnoringAsciiCase(option.name, name)) return &option;
  }
  return nullptr;
}

// A value as the listing shows it: integers bare, texts quoted.
std::string Shown(const platform::ProfileValue& value) {
  if (value.isInteger) return std::to_string(value.integer);
  return "\"" + Printable(text::UserToUtf8(value.text)) + "\"";
}

}  // namespace

FilterOptions DiscoverOptions(const platform::ProfileLocation& where,
                              const std::function<void()>& configure) {
  FilterOptions result;
  std::optional<std::vector<platform::ProfileValue>> read;
  const std::vector<platform::OptionMeaning> meanings = platform::RecordOptionMeanings(
      where, [&] { read = platform::RecordOptionReads(where, configure); });
  result.recorded = read.has_value();
  if (read) {
    for (const platform::ProfileValue& value : *read) {
      FilterOption option;
      option.name = value.name;
      option.read = true;
      option.byDefault = value;
      result.options.push_back(std::move(option));
    }
  }
  for (const platform::ProfileValue& value : platform::ListProfileValues(where)) {
    if (FilterOption* known = Find(result.options, value.name)) {
      if (!known->stored) known->stored = value;
      continue;
    }
    FilterOption option;
    option.name = value.name;
    option.stored = value;
    result.options.push_back(std::move(option));
  }
  for (const platform::OptionMeaning& meaning : meanings) {
    if (FilterOption* option = Find(result.options, meaning.name)) {
      option->meaning = Printable(text::UserToUtf8(meaning.meaning));
    }
  }
  return result;
}

std::string OptionsListing(const FilterOptions& options) {
  constexpr size_t kColumns = 5;
  std::vector<std::array<std::string, kColumns>> rows = {
      {"option", "kind", "default", "stored", "meaning"}};
  for (const FilterOption& option : options.options) {
    // Without a record (the Windows build) a stored value is all there is: its own kind shows.
    const platform::ProfileValue& kind = option.read ? option.byDefault : *option.stored;
    const bool known = option.read || !options.recorded;
    rows.push_back({Printable(text::UserToUtf8(option.name)),
                    known ? (kind.isInteger ? "integer" : "text") : "not read",
                    option.read ? Shown(option.byDefault) : (options.recorded ? "-" : "?"),
                    option.stored ? Shown(*option.stored) : "-", option.meaning});
  }
  // Long defaults and values do not push the meanings far away.
  constexpr size_t kMaxColumn = 32;
  size_t widths[kColumns - 1] = {};
  for (const auto& row : rows) {
    for (size_t c = 0; c + 1 < kColumns; ++c) {
      widths[c] = std::max(widths[c], std::min(kMaxColumn, CharacterCount(row[c])));
    }
  }
  std::string out;
  for (const auto& row : rows) {
    std::string line;
    for (size_t c = 0; c + 1 < kColumns; ++c) {
      line += row[c];
      const size_t shown = CharacterCount(row[c]);
      line.append(shown < widths[c] ? widths[c] - shown + 2 : 2, ' ');
    }
    line += row[kColumns - 1];
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + "\n";
  }
  return out;
}

std::string OptionKeys(const FilterOptions& options) {
  std::string keys;
  for (const FilterOption& option : options.options) {
    if (!option.read) continue;
    if (!keys.empty()) keys += ", ";
    keys += Printable(text::UserToUtf8(option.name));
  }
  return keys;
}

std::optional<int32_t> WholeInteger(std::string_view text) {
  text = text::TrimAsciiBlanks(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 10) return std::nullopt;
  int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (negative) value = -value;
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(value);
}

bool PrepareSets(const FilterOptions& options,
                 const std::vector<std::pair<std::string, std::string>>& sets,
                 const std::string& filter, std::vector<platform::ProfileValue>& values,
                 std::string& error) {
  values.clear();
  for (const auto& [key, utf8] : sets) {
    platform::ProfileValue value;
    value.name = text::Utf8ToUser(key);
    value.text = text::Utf8ToUser(utf8);
    if (options.recorded) {
      const FilterOption* option = FindRead(options, value.name);
      if (!option) {
        const std::string keys = OptionKeys(options);
        error = filter + " reads no option " + Printable(key) +
                (keys.empty() ? "; it reads none" : "; its options: " + keys);
        return false;
      }
      value.name = option->name;
      if (option->byDefault.isInteger) {
        const std::optional<int32_t> number = WholeInteger(utf8);
        if (!number) {
          error = text::UserToUtf8(option->name) + " of " + filter + " is an integer option: \"" +
                  Printable(utf8) + "\" holds no integer";
          return false;
        }
        value.isInteger = true;
        value.integer = *number;
        value.text.clear();
      }
    }
    // A key set twice keeps its last value.
    bool replaced = false;
    for (platform::ProfileValue& old : values) {
      if (text::EqualsIgnoringAsciiCase(old.name, value.name)) {
        old = value;
        replaced = true;
      }
    }
    if (!replaced) values.push_back(std::move(value));
  }
  return true;
}

}  // namespace orv::host
