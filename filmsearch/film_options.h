// filmsearch's options, kept in the profile section "filmsearch".
#ifndef ORV_FILMSEARCH_FILM_OPTIONS_H
#define ORV_FILMSEARCH_FILM_OPTIONS_H

#include <cstdint>
#include <string>

#include "contract/options.h"
#include "websearch/web_options.h"

namespace orv::filmsearch {

struct FilmOptions {
  int32_t defVideo = 3;              // support index: "DVD"
  int32_t defFormat = 0;             // format1: "Pal"
  int32_t defScreen = 1;             // format2: "Format 16/9 (1:77)"
  int32_t defSound = 5;              // "Dts"
  std::string defTime = "01:00:00";  // length of films whose page gives none
  int32_t defValue = 15;             // price
  std::string selFilter;             // the chosen site, upper case
};

// String 53, the duration a missing or too short DefTime stands for.
std::string DefaultTimeText();

// The options in the order they are read and written, the shared ones among them.
OptionTable MakeOptionTable(FilmOptions& options, websearch::WebOptions& web);

}  // namespace orv::filmsearch

#endif  // ORV_FILMSEARCH_FILM_OPTIONS_H
