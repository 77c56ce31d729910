// orvhost info: the filter's description record, after Configure has loaded its options
// (some filters take their category from an option).
#include <cstdio>

#include "host/collection_settings.h"
#include "host/commands.h"
#include "host/filter_library.h"
#include "host/filter_run.h"
#include "host/item_conversion.h"

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
  run.Configure(0);
  const FilterInfo info = run.GetInfo();
  std::printf("library:      %s\n", library.path().c_str());
  std::printf("filterName:   %s\n", FixedText(info.filterName, sizeof info.filterName).c_str());
  std::printf("description:  %s\n", FixedText(info.description, sizeof info.description).c_str());
  std::printf("fileMask:     %s\n", FixedText(info.fileMask, sizeof info.fileMask).c_str());
  std::printf("category:     %d %s\n", static_cast<int>(info.category),
              CategoryName(info.category));
  std::printf("sourceKind:   %d, asks for %s\n", static_cast<int>(info.sourceKind),
              SourceKindName(info.sourceKind));
  std::printf("interfaceTag: %d\n", static_cast<int>(info.interfaceTag));
  std::printf("isExport:     %d\n", static_cast<int>(info.isExport));
  std::printf("icon:         %s\n", info.icon ? "yes" : "none");
  return kExitOk;
}

}  // namespace orv::host
