// Ids of filescan's own strings and of the controls of its options dialog (resources/filescan.rc
// uses the same numbers; scripts carry no #define).
#ifndef ORV_FILESCAN_RESOURCE_IDS_H
#define ORV_FILESCAN_RESOURCE_IDS_H

namespace orv::filescan {

enum : int {
  kStringFormatsTip = 70,       // tooltip of the button that lists the recognised formats
  kStringFolderTip = 71,        // tooltip of the folder browse button
  kStringFormats = 80,          // the recognised formats, shown by button 2003
  kStringAnalysisFailed = 100,  // "%s": the entry whose analysis failed
  kStringSourceFailed = 101,    // "%s %s": the folder that cannot be scanned, and why
  kStringSourceMissing = 102,   // the reasons
  kStringSourceNotFolder = 103,
  kStringSourceUnreadable = 104,
  kStringVideoComment = 120,    // the comment of an AVI: codecs, frame size, rate, audio
  kStringExifComment = 121,     // the comment of a picture with camera data
  kStringFolderTitle = 460,     // title of the folder browser
  kStringFlashNames = 461,      // "Non|Oui"
  kStringUnknown = 462,         // "Inconnu": a codec no table row names
};

enum : int {
  kIconFolder = 151,
  kIconFormats = 152,
};

enum : int {
  kIdVideo = 1000,  // the five forced categories: 1000, 1001, 1002, 1003, 1008
  kIdAudio = 1001,
  kIdSoftware = 1002,
  kIdBook = 1003,
  kIdCollectible = 1008,
  kIdAllFiles = 1005,  // FileMode radios: 1005, 2000, 2001
  kIdDescribedFiles = 2000,
  kIdFilteredFiles = 2001,
  kIdSubFolders = 1006,
  kIdCreateTree = 1007,
  kIdAutomaticType = 1009,  // ForceType radios: 1009, 1014
  kIdForcedType = 1014,
  kIdFolder = 1041,
  kIdBrowseFolder = 1045,
  kIdFilter = 2002,
  kIdShowFormats = 2003,
  kIdAskFolder = 2004,
};

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_RESOURCE_IDS_H
