// Resource ids both web search filters share (their scripts use the same numbers).
#ifndef ORV_WEBSEARCH_WEB_IDS_H
#define ORV_WEBSEARCH_WEB_IDS_H

namespace orv::websearch {

enum : int {
  kStringUntitled = 10,     // "Sans titre"
  kStringHitColumns = 41,   // columns of the hit list
  kStringEditTooltip = 70,  // tooltip of the edit button ("|"-separated, first piece)
  kStringMissingFile = 71,  // "... %s": the site file does not exist
  kStringDebugValue = 116,  // "Balise début: %s\nBalise fin:%s\nValeur Trouvée: %s\n"
  kStringConfirm = 117,     // the confirmation of a found item
  // Why a run ended early ("%s" the address, with the reason or the markers).
  kStringUnreachable = 120,
  kStringHttpError = 121,
  kStringRefused = 122,
  kStringNoHit = 123,
  kStringPageChanged = 124,
  kStringChallengePage = 125,  // how the refusal names a challenge page
  kIconEdit = 152,             // on the edit button
};

// Controls of the options dialogs (129).
enum : int {
  kIdEditSiteFile = 1002,
  kIdCopyNone = 1005,  // CopyImage radios: 0, 1, 2
  kIdCopyFile = 1009,
  kIdCopyLink = 1014,
  kIdDebug = 1006,
  kIdValidate = 1008,
  kIdCorrectCast = 1016,
  kIdImportLink = 1017,
};

// Keyword dialog (1001) and hit list (1002).
enum : int {
  kDialogKeywords = 1001,
  kDialogHits = 1002,
  kIdKeywords = 1001,
  kIdHitList = 1001,
};

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_WEB_IDS_H
