// orvhost configure: sets options in the filter's profile section without a dialog, shows the
// options dialog through the filter's own Configure, or prints the section.
#include <cstdio>
#include <vector>

#include "host/commands.h"
#include "host/filter_library.h"
#include "host/filter_run.h"
#include "platform/profile.h"
#include "text/ascii.h"
#include "text/codepage.h"

namespace orv::host {

namespace {

// The store is lenient across kinds, so every value goes in as text; the other values of the
// section are written back as they were.
bool SetOptions(const platform::ProfileLocation& where,
                const std::vector<std::pair<std::string, std::string>>& sets) {
  std::vector<platform::ProfileValue> values = platform::ListProfileValues(where);
  for (const auto& [key, utf8] : sets) {
    platform::ProfileValue value;
    value.name = text::Utf8ToUser(key);
    value.text = text::Utf8ToUser(utf8);
    bool replaced = false;
    for (platform::ProfileValue& old : values) {
      if (text::EqualsIgnoringAsciiCase(old.name, value.name)) {
        old = value;
        replaced = true;
      }
    }
    if (!replaced) values.push_back(value);
  }
  return platform::WriteProfileValues(where, values);
}

void ShowOptions(const platform::ProfileLocation& where) {
  for (const platform::ProfileValue& value : platform::ListProfileValues(where)) {
    const std::string shown =
        value.isInteger ? std::to_string(value.integer) : text::UserToUtf8(value.text);
    std::printf("%s=%s\n", text::UserToUtf8(value.name).c_str(), shown.c_str());
  }
}

}  // namespace

int RunConfigure(const Command& command) {
  // Loaded even when only values are set: a name that is no filter must write nothing.
  FilterLibrary library;
  std::string error;
  if (!library.Load(command.filter, error)) return Fail(kExitUnavailable, error);
  const platform::ProfileLocation where =
      platform::OptionLocation(kProfileName, kRegistryKey, library.name());

  if (!command.sets.empty() && !SetOptions(where, command.sets)) {
    return Fail(kExitUnavailable, "cannot write the options of " + library.name());
  }
  if (command.dialog) {
    if (!ApplyAnswersFile(command)) return Fail(kExitUsage, "cannot pass on --answers");
    Transcript quiet(false, stdout);
    FilterRun run(library.functions(), quiet);
    if (run.Configure(1) == 1) {
      std::printf("OK: options saved\n");
    } else {
      std::printf("Cancel: options unchanged\n");
    }
  }
  if (command.show || (command.sets.empty() && !command.dialog)) ShowOptions(where);
  return kExitOk;
}

}  // namespace orv::host
