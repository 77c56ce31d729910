// filmcard's options, kept in the profile section "filmcard", each bound to a control of the
// options dialog.
#ifndef ORV_FILMCARD_FILMCARD_OPTIONS_H
#define ORV_FILMCARD_FILMCARD_OPTIONS_H

#include <cstdint>
#include <string>

#include "contract/options.h"

namespace orv::filmcard {

struct FilmcardOptions {
  int32_t useCountry = 0;            // derive format1 from the country line
  int32_t allFiles = 1;              // every card of the chosen card's folder, or that card only
  int32_t defScreen = 1;             // format2: "Format 16/9 (1:77)"
  int32_t defFormat = 0;             // format1: "Pal"
  int32_t defSound = 7;              // "Dolby 5.1"
  int32_t defSupport = 3;            // index into the support list: "DVD"
  std::string defValue = "0";        // price; its integer part is used
  std::string defTime = "01:30:00";  // "HH:MM:SS", for cards without a running time
  int32_t setTitle = 0;              // TitleComposition
  int32_t setLower = 0;
  int32_t copyJpeg = 1;
  int32_t getComment = 0;
};

// String 50, the duration a missing or too short "DefTime" stands for.
std::string DefaultTimeText();

// The options in the order they are read and written, bound to `options`.
OptionTable MakeOptionTable(FilmcardOptions& options);

}  // namespace orv::filmcard

#endif  // ORV_FILMCARD_FILMCARD_OPTIONS_H
