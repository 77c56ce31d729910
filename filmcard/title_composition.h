// The item's title from the card's French and English titles, as the "SetTitle" and "SetLower"
// options ask.
#ifndef ORV_FILMCARD_TITLE_COMPOSITION_H
#define ORV_FILMCARD_TITLE_COMPOSITION_H

#include <cstdint>
#include <string>
#include <string_view>

namespace orv::filmcard {

enum TitleComposition : int32_t {
  kTitleFrench = 0,
  kTitleEnglish = 1,
  kTitleFrenchThenEnglish = 2,  // "French (English)"
  kTitleEnglishThenFrench = 3,  // "English (French)"
};

// An empty English title leaves the French one alone; an empty result becomes `untitled`. With
// `lowerCase` the title is lower-cased and then its first character upper-cased (ASCII letters
// only: the card's code page is not known to the casing).
std::string ComposeTitle(std::string_view french, std::string_view english, int32_t composition,
                         bool lowerCase, std::string_view untitled);

}  // namespace orv::filmcard

#endif  // ORV_FILMCARD_TITLE_COMPOSITION_H
