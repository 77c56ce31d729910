// The options of the export, as kept in the profile section "pagebuilder", with the option
// table that loads, shows and stores them.
#ifndef ORV_PAGEBUILDER_EXPORT_OPTIONS_H
#define ORV_PAGEBUILDER_EXPORT_OPTIONS_H

#include <cstdint>
#include <string>

#include "contract/options.h"
#include "pagebuilder/export_run.h"

namespace orv::pagebuilder {

struct ExportOptions {
  int32_t mediaType = 0;  // exported category - 1
  int32_t copyIcon = 1;
  int32_t copyImage = 1;
  std::string templatePath;
  std::string iconDir;
  int32_t useFileName = 1;

  // The exported category; a stored value outside the five categories reads as video.
  int Category() const;
  ExportSettings Settings() const;
};

// "MediaType", "CopyIcon", "CopyImage", "Template", "IconDir", "UseFileName", in that order,
// bound to `options` and to the controls of dialog 129.
OptionTable MakeOptionTable(ExportOptions& options);

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_EXPORT_OPTIONS_H
