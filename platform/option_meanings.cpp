// The record of what options mean, shared by both builds: kept in the process environment,
// which the host and every filter library see alike.
#include <cstddef>
#include <optional>
#include <string>

#include "platform/option_record.h"
#include "platform/process.h"
#include "text/ascii.h"

namespace orv::platform {
namespace {

constexpr const char* kMeaningsVariable = "ORVHOST_OPTION_MEANINGS";

// One line of the record holds no tab or line break of its own.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

std::vector<OptionMeaning> ParseMeanings(const std::string& record) {
  std::vector<OptionMeaning> meanings;
  size_t at = record.find('\n');
  while (at != std::string::npos && at + 1 < record.size()) {
    const size_t start = at + 1;
    at = record.find('\n', start);
    const std::string line = record.substr(start, at == std::string::npos ? at : at - start);
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) continue;
    meanings.push_back(OptionMeaning{line.substr(0, tab), line.substr(tab + 1)});
  }
  return meanings;
}

std::optional<std::string> RecordOf(const ProfileLocation& where) {
  std::optional<std::string> record = EnvironmentValue(kMeaningsVariable);
  if (!record || record->compare(0, record->find('\n'), OptionRecordHeader(where)) != 0) {
    return std::nullopt;
  }
  return record;
}

}  // namespace

std::string OptionRecordHeader(const ProfileLocation& where) {
  return OneLine(where.useIniFile
                     ? "; ini " + where.iniFile + " [" + text::ToLowerAscii(where.section) + "]"
                     : "; key " + text::ToLowerAscii(where.keyPath));
}

bool OptionMeaningsWanted(const ProfileLocation& where) { return RecordOf(where).has_value(); }

void NoteOptionMeanings(const ProfileLocation& where, const std::vector<OptionMeaning>& meanings) {
  std::optional<std::string> record = RecordOf(where);
  if (!record) return;
  std::vector<OptionMeaning> seen = ParseMeanings(*record);
  bool added = false;
  for (const OptionMeaning& meaning : meanings) {
    const std::string name = OneLine(meaning.name);
    bool known = false;
    for (const OptionMeaning& old : seen) {
      known = known || text::EqualsIgnoringAsciiCase(old.name, name);
    }
    if (known || name.empty()) continue;
    seen.push_back(OptionMeaning{name, ""});
    if (record->back() != '\n') *record += '\n';
    *record += name + "\t" + OneLine(meaning.meaning) + "\n";
    added = true;
  }
  if (added) SetEnvironmentValue(kMeaningsVariable, *record);
}

std::vector<OptionMeaning> RecordOptionMeanings(const ProfileLocation& where,
                                                const std::function<void()>& run) {
  // The variable is put back as it was, so that records may nest.
  const std::optional<std::string> saved = EnvironmentValue(kMeaningsVariable);
  std::optional<std::string> record;
  if (SetEnvironmentValue(kMeaningsVariable, OptionRecordHeader(where) + "\n")) {
    run();
    record = EnvironmentValue(kMeaningsVariable);
  } else {
    run();
  }
  if (saved) {
    SetEnvironmentValue(kMeaningsVariable, *saved);
  } else {
    RemoveEnvironmentValue(kMeaningsVariable);
  }
  return record ? ParseMeanings(*record) : std::vector<OptionMeaning>();
}

}  // namespace orv::platform
