// The auction site's parameter file (auctionsearch.ini beside the library): how to search it
// (MAIN), where the hits of a list page are (LIST), the markers of an object's page (ITEM), and
// the categories (TYPES) and sort orders (SORT) the keyword dialog offers.
#ifndef ORV_AUCTIONSEARCH_AUCTION_PARAMS_H
#define ORV_AUCTIONSEARCH_AUCTION_PARAMS_H

#include <optional>
#include <string>
#include <vector>

#include "websearch/keywords.h"
#include "websearch/site_file.h"

namespace orv::auctionsearch {

using websearch::MarkerPair;

struct AuctionParameters {
  // MAIN
  std::string searchItem, searchItemOpt;  // address of an object-number search, before and after
  std::string searchAdv, searchAdvOpt, searchAdvOpt2, searchAdvTitles;
  std::string searchOperator;  // what each blank of the keywords becomes
  std::string searchNotFound;  // "|"-separated texts of a page that found nothing
  // Keys of today's site, not in older files: the charset the site reads its keywords in
  // (MAIN SearchCharset), and whether an object page's structured data stands in for the
  // title, price and picture its markers do not find (ITEM StructuredData, 0 or 1).
  websearch::KeywordCharset searchCharset = websearch::KeywordCharset::kUserCodePage;
  bool structuredData = false;
  // LIST
  std::string listFound;
  MarkerPair block, title, link, price, time;
  // ITEM
  MarkerPair resultTitle, resultType, resultEditor, resultAuthor, resultYear, resultDate,
      resultLang, resultPicture, resultComment, resultRef, resultPrice;
};

// Nothing when the file is missing or one of SearchItem, SearchAdv, SearchAdvTitles,
// SearchOperator, SearchNotFound and EbayCGI is empty (tested in that order).
std::optional<AuctionParameters> LoadAuctionParameters(const websearch::SiteFile& file);

// An entry of TYPES or SORT: the text the dialog shows, the text the search address gets.
struct Choice {
  std::string shown, option;
};
std::vector<Choice> Choices(const websearch::SiteFile& file, const char* section);

}  // namespace orv::auctionsearch

#endif  // ORV_AUCTIONSEARCH_AUCTION_PARAMS_H
