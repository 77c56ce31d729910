// Ids of filmcard's own strings and of the controls of its options dialog (resources/filmcard.rc
// uses the same numbers; scripts carry no #define).
#ifndef ORV_FILMCARD_RESOURCE_IDS_H
#define ORV_FILMCARD_RESOURCE_IDS_H

namespace orv::filmcard {

enum : int {
  kStringPosterRename = 10,  // ".film|.jpg": what the card's name becomes for its poster
  kStringUntitled = 11,      // "Sans titre"
  kStringDefaultTime = 50,   // "01:30:00"
  kStringPalCountries = 51,  // ","-separated pieces of country names shown in Pal
  kStringNtscCountries = 52,
  kStringFormat1List = 256,  // video standards
  kStringSoundList = 260,
  kStringFormat2List = 261,  // screen formats
};

enum : int {
  kIdSupport = 1001,  // drop-down of the eight fixed supports
  kIdSound = 1002,
  kIdVideoFormat = 1003,
  kIdScreenFormat = 1004,
  kIdValue = 1005,
  kIdDuration = 1006,  // time picker
  kIdOneFile = 1007,   // radio group of two: the chosen card, every card of its folder
  kIdAllFiles = 1008,
  kIdTitleFrench = 1009,  // radio group of four title compositions
  kIdUseCountry = 1013,
  kIdSetLower = 1014,
  kIdCopyJpeg = 1015,
  kIdGetComment = 1016,
};

}  // namespace orv::filmcard

#endif  // ORV_FILMCARD_RESOURCE_IDS_H
