// What a result page says about itself for search engines: schema.org JSON-LD blocks
// (<script type="application/ld+json">) and OpenGraph meta tags. Sites that change their HTML
// often keep these, so a site file can ask for them where its markers find nothing
// (StructuredData=1).
//
// A film is the first `Movie` node (at the top of a block, in an array, or in an "@graph"):
// its name, the year of its datePublished or dateCreated, its directors' names, its image. An
// auction object is the first `Product` node: its name, its image, the price of its offer
// (an Offer or AggregateOffer, or the first of a list; else the first Offer node of the page).
// OpenGraph gives what JSON-LD did not: og:title, og:image, video:release_date (films),
// product:price:amount (auctions).
//
// The page is outside data: at most kMaxLdScripts blocks are read, a block larger than
// kMaxLdScriptBytes or nested deeper than kMaxJsonDepth is skipped, at most kMaxMetaTags meta
// tags are looked at, and a block that is not valid JSON is skipped without ending the search.
#ifndef ORV_WEBSEARCH_STRUCTURED_DATA_H
#define ORV_WEBSEARCH_STRUCTURED_DATA_H

#include <cstddef>
#include <string>
#include <string_view>

namespace orv::websearch {

constexpr size_t kMaxLdScripts = 16;
constexpr size_t kMaxLdScriptBytes = 1 << 20;
constexpr int kMaxJsonDepth = 32;
constexpr size_t kMaxMetaTags = 4096;

enum class StructuredKind { kFilm, kAuction };

// Texts in the user's code page, character references decoded, blanks trimmed; empty when the
// page does not give the value.
struct StructuredValues {
  std::string title;
  std::string year;      // films: the date as written ("1979-05-25"); its leading number counts
  std::string director;  // films: the names, ", " between them
  std::string picture;   // the address as written
  std::string price;     // auctions: the offer's price ("12.50", or the site's own text)
};

// `page` is in the user's code page (as the search run holds it).
StructuredValues ReadStructuredData(std::string_view page, StructuredKind kind);

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_STRUCTURED_DATA_H
