// The hits of a list page: the film scan (addresses from the ListResult text, names between
// their markers, at most fifteen) and the auction scan (blocks of raw HTML, each with its
// address, name, price and remaining time, at most MaxResults), with the test sites' markers or
// with markers the input gives (empty ones included).
//
// Input: the page, then (after a byte 0xFF) the choices, MaxResults and the markers, each after
// another 0xFF; a bare list page is a whole input. Seeds: the fake sites' list pages.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "auctionsearch/auction_hits.h"
#include "filmsearch/film_hits.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/web_markers.h"
#include "websearch/html_cleanup.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orv::fuzz::FuzzInput input(data, size);
  const std::string page = orv::websearch::WithoutLineBreaks(input.Piece());
  const uint8_t choices = input.Byte();
  const int maxResults = input.Byte() ^ 40;  // MaxResults' default when none is given
  orv::filmsearch::SiteDescription film = orv::fuzz::FilmMarkers();
  orv::auctionsearch::AuctionParameters auction = orv::fuzz::AuctionMarkers();
  if (choices & 1) {
    film.listFound1 = std::string(input.Piece());
    film.listResult = std::string(input.Piece());
    film.hitName = {std::string(input.Piece()), std::string(input.Piece())};
    film.webRoot = std::string(input.Piece());
  }
  if (choices & 2) {
    auction.listFound = std::string(input.Piece());
    auction.block = {std::string(input.Piece()), std::string(input.Piece())};
    auction.link = {std::string(input.Piece()), std::string(input.Piece())};
    auction.title = {std::string(input.Piece()), std::string(input.Piece())};
  }
  orv::websearch::ExtractionRules rules;
  rules.fixCapitals = (choices & 4) != 0;

  int shown = 0;
  const auto films = orv::filmsearch::ScanFilmHits(
      page, film, rules, "Sans titre", [&](int, const orv::filmsearch::FilmHit&) { ++shown; });
  Require(films.size() <= static_cast<size_t>(orv::filmsearch::kMaxFilmHits));
  Require(shown == static_cast<int>(films.size()));
  const auto objects =
      orv::auctionsearch::ScanAuctionHits(page, auction, maxResults, rules, "Sans titre", nullptr);
  Require(objects.size() <= static_cast<size_t>(maxResults > 1 ? maxResults : 1));
  for (const auto& hit : objects) Require(!hit.address.empty() && !hit.name.empty());
  return 0;
}
