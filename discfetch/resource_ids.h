// Ids of discfetch's own strings, icons, dialogs and controls (resources/discfetch.rc uses the
// same numbers; scripts carry no #define).
#ifndef ORV_DISCFETCH_RESOURCE_IDS_H
#define ORV_DISCFETCH_RESOURCE_IDS_H

namespace orv::discfetch {

enum : int {
  kStringUnknownType = 6,    // "Inconnu", the default genre
  kStringQueueCount = 10,    // "%d CDs mémorisés pour importation (max %d)"
  kStringDiscTitle = 11,     // "CD %03d"
  kStringTrackTitle = 12,    // "CD %03d - Piste %02d"
  kStringQueueWaiting = 13,  // the count, with the discs left waiting by an earlier run
  kStringWaitingOn = 14,     // "CD %d : attente de la réponse de " and the server
  kStringCacheModes = 15,    // the cache list of the CDDB settings dialog
  kStringNoneOfThese = 16,   // the match dialog's last row
  kStringMatchPrompt = 17,   // the match dialog's text, with the disc's place
  kStringMatchColumns = 18,  // the match dialog's column titles
  kStringProxyValues = 20,   // key path|ProxyPort|ProxyPwd|ProxyUrl|ProxyUsr
  kStringNoDrive = 50,
  kStringQueueFull = 52,
  kStringReadFailed = 55,
  kStringFailuresHeading = 60,
  kStringReasonNoMatch = 61,
  kStringReasonUnreachable = 62,
  kStringReasonNoAnswer = 63,
  kStringReasonRefused = 64,
  kStringReasonGarbled = 65,
  kStringReasonCancelled = 66,
  kStringFailuresFate = 67,
  kStringSetEmail = 68,
  kStringReasonNotCached = 69,
  kStringReasonNoneChosen = 70,
  kStringMediumList = 258,
  kStringSoundList = 260,
};

enum : int {
  kIconAcquisition = 131,
  kDialogAcquisition = 130,
  kDialogCddbSettings = 131,
  kDialogMatchChoice = 132,
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
  kIdFirstMatch = 1013,  // always the first match, for unattended runs
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
  kIdEmail = 1015,
  kIdCacheMode = 1016,
  kIdReset = 3,
};

// Match choice dialog (132).
enum : int {
  kIdMatchPrompt = 1001,
  kIdMatchList = 1002,  // one row per match, then "Aucun de ceux-ci"
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
