#include "pagebuilder/export_options.h"

#include "pagebuilder/pagebuilder_ids.h"

namespace orv::pagebuilder {

int ExportOptions::Category() const {
  return mediaType >= 0 && mediaType <= 4 ? mediaType + 1 : ORV_CATEGORY_VIDEO;
}

ExportSettings ExportOptions::Settings() const {
  ExportSettings settings;
  settings.category = Category();
  settings.copyIcons = copyIcon == 1;
  settings.copyImages = copyImage == 1;
  settings.namesFromTitles = useFileName == 1;
  settings.templatePath = templatePath;
  settings.iconFolder = iconDir;
  return settings;
}

OptionTable MakeOptionTable(ExportOptions& options) {
  return {
      IntOption("MediaType", &options.mediaType, 0, OptionControl::kRadio, kControlVideo, 5),
      IntOption("CopyIcon", &options.copyIcon, 1, OptionControl::kCheckBox, kControlCopyIcons),
      IntOption("CopyImage", &options.copyImage, 1, OptionControl::kCheckBox, kControlCopyImages),
      TextOption("Template", &options.templatePath, "", OptionControl::kEdit, kControlTemplate),
      TextOption("IconDir", &options.iconDir, "", OptionControl::kEdit, kControlIconFolder),
      IntOption("UseFileName", &options.useFileName, 1, OptionControl::kCheckBox,
                kControlNamesFromTitles),
  };
}

}  // namespace orv::pagebuilder
