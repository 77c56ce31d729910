// orvhost configure: sets options in the filter's profile section without a dialog, shows the
// options dialog through the filter's own Configure, or lists the options the filter reads.
#include <cstdio>
#include <vector>

#include "host/commands/commands.h"
#include "host/filter/filter_library.h"
#include "host/filter/filter_options.h"
#include "host/filter/filter_run.h"
#include "platform/profile.h"

namespace orv::host {

int RunConfigure(const Command& command) {
  // Loaded even when only values are set: a name that is no filter must write nothing.
  FilterLibrary library;
  std::string error;
  if (!library.Load(command.filter, error)) return Fail(kExitUnavailable, error);
  const platform::ProfileLocation where =
      platform::OptionLocation(kProfileName, kRegistryKey, library.name());
  Transcript quiet(false, stdout);
  FilterRun run(library.functions(), quiet);
  const bool show = command.show || (command.sets.empty() && !command.dialog);

  if (!command.sets.empty()) {
    // Every value is checked against what the filter reads before any is written.
    const FilterOptions options = DiscoverOptions(where, [&] { run.Configure(0); });
    std::vector<platform::ProfileValue> values;
    if (!PrepareSets(options, command.sets, library.name(), values, error)) {
      return Fail(kExitUsage, error);
    }
    if (!platform::WriteProfileValues(where, values)) {
      return Fail(kExitUnavailable, "cannot write the options of " + library.name());
    }
  }
  if (command.dialog) {
    if (!ApplyAnswersFile(command)) return Fail(kExitUsage, "cannot pass on --answers");
    if (run.Configure(1) == 1) {
      std::printf("OK: options saved\n");
    } else {
      std::printf("Cancel: options unchanged\n");
    }
  }
  if (show) {
    const std::string listing = OptionsListing(DiscoverOptions(where, [&] { run.Configure(0); }));
    std::fwrite(listing.data(), 1, listing.size(), stdout);
  }
  return kExitOk;
}

}  // namespace orv::host
