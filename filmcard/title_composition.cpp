#include "filmcard/title_composition.h"

#include "text/ascii.h"

namespace orv::filmcard {
namespace {

std::string Both(std::string_view first, std::string_view second) {
  std::string both(first);
  both += " (";
  both += second;
  both += ')';
  return both;
}

}  // namespace

std::string ComposeTitle(std::string_view french, std::string_view english, int32_t composition,
                         bool lowerCase, std::string_view untitled) {
  std::string title(french);
  if (!english.empty()) {
    switch (composition) {
      case kTitleEnglish:
        title = english;
        break;
      case kTitleFrenchThenEnglish:
        title = Both(french, english);
        break;
      case kTitleEnglishThenFrench:
        title = Both(english, french);
        break;
      default:
        break;
    }
  }
  if (title.empty()) title = untitled;
  if (lowerCase) {
    title = text::ToLowerAscii(title);
    if (!title.empty()) title[0] = text::UpperAscii(title[0]);
  }
  return title;
}

}  // namespace orv::filmcard
