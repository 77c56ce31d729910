// filescan's options, kept in the profile section "filescan", each bound to a control of the
// options dialog.
#ifndef ORV_FILESCAN_FILESCAN_OPTIONS_H
#define ORV_FILESCAN_FILESCAN_OPTIONS_H

#include <cstdint>
#include <string>

#include "contract/options.h"

namespace orv::filescan {

enum FileMode : int32_t {
  kEveryFile = 0,
  kDescribedFiles = 1,  // only files a content reader recognises
  kFilteredFiles = 2,   // only paths holding one of the Filter tokens
};

struct FilescanOptions {
  int32_t forceType = 0;    // 1: every item gets the category of defaultType
  int32_t defaultType = 0;  // forced category minus one
  int32_t fileMode = kEveryFile;
  int32_t doSubFolder = 1;
  int32_t doCreateTree = 1;  // folder items too (with forceType only)
  int32_t selectDir = 1;     // 1: scan the host's path; 0: scan `folder`
  std::string filter = ".exe;.mp3;.jpg";
  std::string folder = "C:\\";

  // The forced category: defaultType + 1; a stored value outside the five reads as video.
  int32_t Category() const;
};

// "ForceType", "DefaultType", "FileMode", "DoSubFolder", "DoCreateTree", "SelectDir", "Filter",
// "Folder", in that order, bound to `options` and to the controls of dialog 129.
OptionTable MakeOptionTable(FilescanOptions& options);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_FILESCAN_OPTIONS_H
