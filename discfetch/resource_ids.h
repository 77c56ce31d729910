// Ids of discfetch's own strings, icons, dialogs and controls (resources/discfetch.rc uses the
// same numbers; scripts carry no #define).
#ifndef ORV_DISCFETCH_RESOURCE_IDS_H
#define ORV_DISCFETCH_RESOURCE_IDS_H

namespace orv::discfetch {

enum : int {
  kStringUnknownType = 6,   // "Inconnu", the default genre
  kStringQueueCount = 10,   // "%d CDs mémorisés pour importation (max %d)"
  kStringDiscTitle = 11,    // "CD %03d"
  kStringTrackTitle = 12,   // "CD %03d - Piste %02d"
  kStringProxyValues = 20,  // key path|ProxyPort|ProxyPwd|ProxyUrl|ProxyUsr
  kStringNoDrive = 50,
  kStringQueueFull = 52,
  kStringReadFailed = 55,
  kStringMediumList = 258,
  kStringSoundList = 260,
};

enum : int {
  kIconAcquisition = 131,
  kDialogAcquisition = 130,
  kDialogCddbSettings = 131,
};

// Options dialog (129).
enum : int {
  kIdMaxCd = 1001,
  kIdAvgTrack = 1002,
  kIdDefValue = 1003,
  kIdDefType = 1004,
  kIdOnePerDisc = 1005,  // radio group of two: one item per disc, one per title
  kIdOnePerTitle = 1006,
  kIdIncNumber = 1007,
  kIdIncArtist = 1008,
  kIdCreateNotFound = 1009,
  kIdMedium = 1010,
  kIdSound = 1011,
  kIdTracksInComment = 1012,
  kIdCddbSettings = 3,
};

// CDDB settings dialog (131).
enum : int {
  kIdServer = 3004,  // editable drop-down: the server list opens from it
  kIdPort = 1002,
  kIdCgiPath = 1003,
  kIdDescription = 1004,
  kIdProxyAddress = 1009,
  kIdProxyUser = 1011,
  kIdAttempts = 1013,
  kIdReset = 3,
};

// Acquisition dialog (130).
enum : int {
  kIdQueueCount = 3000,
  kIdCloseTray = 3001,
  kIdAcquire = 3002,
  kIdDrive = 3003,
  kIdEject = 3,
};

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_RESOURCE_IDS_H
