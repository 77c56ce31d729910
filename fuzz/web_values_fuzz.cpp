// A fetched page and the values found in it: the page's character set (header or <meta>, known
// or not) and its decoding, the line breaks removed, a value between two markers the input
// gives, the clean-up (cut tags, scripts, tags, entities), capital repair, and every value rule
// (running time, rating, prices, sound and screen keywords, links and picture addresses). Then
// the page filled into a film item and an auction item with the test sites' markers.
//
// Input: the page's bytes, then (after a byte 0xFF) its Content-Type, the start and end
// markers, the web root and the choices, each after another 0xFF; a bare HTML file is a whole
// input. Seeds: the fake sites' result pages (tests/filmsearch, tests/auctionsearch).
#include <cfloat>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "auctionsearch/auction_item.h"
#include "contract/host_string.h"
#include "filmsearch/film_item.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/web_markers.h"
#include "text/html_charset.h"
#include "text/html_entities.h"
#include "websearch/extraction.h"
#include "websearch/html_cleanup.h"
#include "websearch/keywords.h"
#include "websearch/links.h"
#include "websearch/value_rules.h"

namespace {

using namespace orv::websearch;

void Require(bool condition) {
  if (!condition) std::abort();
}

struct Item {
  MediaItem item{};
  ~Item() {
    for (HostString* field : {&item.title, &item.type, &item.editor, &item.author, &item.coauthor,
                              &item.lang, &item.custom1, &item.custom2, &item.custom3,
                              &item.comment, &item.image, &item.lendname}) {
      hs_release(*field);
    }
  }
};

void ApplyValueRules(const std::string& value, std::string_view start, std::string_view webRoot) {
  const std::string time = RunningTime(value);
  Require(time.size() == 8 && time[2] == ':' && time[5] == ':');
  (void)Rating(value);
  const double price = PriceValue(value);
  Require(price >= 0 && price <= FLT_MAX);
  (void)orv::auctionsearch::AuctionPrice(value);
  const orv::filmsearch::KeywordLists keywords = orv::fuzz::FilmKeywords();
  if (const auto sound = LastKeywordMatch(value, keywords.sound)) {
    Require(*sound >= 0 && *sound <= 10);
  }
  if (const auto screen = ScreenCode(value, keywords.fullScreen, keywords.wide)) {
    Require(*screen >= 0 && *screen <= 3);
  }
  (void)AbsoluteLink(value, webRoot);
  (void)PictureAddress(value, start, webRoot, true);
  (void)PictureAddress(value, start, webRoot, false);
  (void)EncodeKeywords(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orv::fuzz::FuzzInput input(data, size);
  const std::string_view bytes = input.Piece();
  const std::string_view contentType = input.Piece();
  const std::string_view start = input.Piece();
  const std::string_view end = input.Piece();
  const std::string_view webRoot = input.Piece();
  const uint8_t choices = input.Byte();

  (void)orv::text::DeclaredCodePage(bytes);
  const std::string page = WithoutLineBreaks(orv::text::PageToUser(bytes, contentType));
  Require(page.find_first_of("\t\r\n") == std::string::npos);

  ExtractionRules rules;
  rules.fixCapitals = (choices & 1) != 0;
  const std::string value = ExtractBetween(page, start, end, (choices & 2) != 0, rules);
  if (start.empty()) Require(value.empty());
  ApplyValueRules(value, start, webRoot);
  // The whole page too, now and then: a value may be most of it.
  if (choices & 4) {
    (void)FixCapitals(page);
    (void)orv::text::DecodeEntities(page);
    (void)CleanHtml(page);
  }

  {
    Item item;
    orv::filmsearch::FillItemFromPage(item.item, page, orv::fuzz::FilmMarkers(), rules,
                                      orv::fuzz::FilmKeywords());
  }
  {
    Item item;
    orv::auctionsearch::FillAuctionItem(item.item, page, orv::fuzz::AuctionMarkers(), rules, 2024);
  }
  return 0;
}
