// orvhost info: the filter's description record, after Configure has loaded its options
// (some filters take their category from an option), and the keys of those options.
#include <cstdio>

#include "host/collection/collection_settings.h"
#include "host/commands/commands.h"
#include "host/filter/filter_library.h"
#include "host/filter/filter_options.h"
#include "host/filter/filter_run.h"
#include "host/filter/item_conversion.h"
#include "host/output/terminal_text.h"
#include "platform/profile.h"

namespace orv::host {

namespace {

const char* SourceKindName(int32_t kind) {
  switch (kind) {
    case ORV_SOURCE_FILE:
      return "a file";
    case ORV_SOURCE_FOLDER:
      return "a folder";
    case ORV_SOURCE_NONE:
      return "nothing (the filter finds its source)";
  }
  return "unknown";
}

}  // namespace

int RunInfo(const Command& command) {
  FilterLibrary library;
  std::string error;
  if (!library.Load(command.filter, error)) return Fail(kExitUnavailable, error);
  Transcript quiet(false, stdout);
  FilterRun run(library.functions(), quiet);
  const FilterOptions options =
      DiscoverOptions(platform::OptionLocation(kProfileName, kRegistryKey, library.name()),
                      [&] { run.Configure(0); });
  const FilterInfo info = run.GetInfo();
  const auto fixed = [](const char* field, size_t size) {
    return Printable(FixedText(field, size));
  };
  std::printf("library:      %s\n", library.path().c_str());
  std::printf("filterName:   %s\n", fixed(info.filterName, sizeof info.filterName).c_str());
  std::printf("description:  %s\n", fixed(info.description, sizeof info.description).c_str());
  std::printf("fileMask:     %s\n", fixed(info.fileMask, sizeof info.fileMask).c_str());
  std::printf("category:     %d %s\n", static_cast<int>(info.category),
              CategoryName(info.category));
  std::printf("sourceKind:   %d, asks for %s\n", static_cast<int>(info.sourceKind),
              SourceKindName(info.sourceKind));
  std::printf("interfaceTag: %d\n", static_cast<int>(info.interfaceTag));
  std::printf("isExport:     %d\n", static_cast<int>(info.isExport));
  std::printf("icon:         %s\n", info.icon ? "yes" : "none");
  if (options.recorded) {
    const std::string keys = OptionKeys(options);
    std::printf("options:      %s\n", keys.empty() ? "none" : keys.c_str());
  }
  return kExitOk;
}

}  // namespace orv::host
