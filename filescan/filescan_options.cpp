#include "filescan/filescan_options.h"

#include "contract/abi.h"
#include "filescan/resource_ids.h"

namespace orv::filescan {

int32_t FilescanOptions::Category() const {
  return defaultType >= 0 && defaultType <= 4 ? defaultType + 1 : ORV_CATEGORY_VIDEO;
}

OptionTable MakeOptionTable(FilescanOptions& o) {
  using C = OptionControl;
  return {
      RadioOption("ForceType", &o.forceType, 0, {kIdAutomaticType, kIdForcedType}),
      RadioOption("DefaultType", &o.defaultType, 0,
                  {kIdVideo, kIdAudio, kIdSoftware, kIdBook, kIdCollectible}),
      RadioOption("FileMode", &o.fileMode, kEveryFile,
                  {kIdAllFiles, kIdDescribedFiles, kIdFilteredFiles}),
      IntOption("DoSubFolder", &o.doSubFolder, 1, C::kCheckBox, kIdSubFolders),
      IntOption("DoCreateTree", &o.doCreateTree, 1, C::kCheckBox, kIdCreateTree),
      IntOption("SelectDir", &o.selectDir, 1, C::kCheckBox, kIdAskFolder),
      TextOption("Filter", &o.filter, ".exe;.mp3;.jpg", C::kEdit, kIdFilter),
      TextOption("Folder", &o.folder, "C:\\", C::kEdit, kIdFolder),
  };
}

}  // namespace orv::filescan
