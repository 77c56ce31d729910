// Markers of a film site and an auction site, as the web search tests' sites have them, for the
// fuzz targets that read pages: the fuzzer mutates pages around markers it can find, so the
// value rules behind them are reached (the site file's own reading is fuzzed apart).
#ifndef ORV_FUZZ_WEB_MARKERS_H
#define ORV_FUZZ_WEB_MARKERS_H

#include "auctionsearch/auction_params.h"
#include "filmsearch/film_item.h"
#include "filmsearch/film_site.h"

namespace orv::fuzz {

inline filmsearch::SiteDescription FilmMarkers() {
  filmsearch::SiteDescription site;
  site.webRoot = "http://films.test/";
  site.searchUrl = "http://films.test/cherche?titre=";
  site.listFound1 = "<ul class=\"hits\">";
  site.listResult = "/film/";
  site.hitName = {"<span class=\"nom\">", "</span>"};
  site.title = {"<h1>", "</h1>"};
  site.type = {"Genre : <b>", "</b>"};
  site.editor = {"Studio : ", "</p>"};
  site.author = {
      "R\xC3\xA9"
      "alis\xC3\xA9 par ",
      "</p>"};
  site.year = {
      "Ann\xC3\xA9"
      "e : ",
      "</p>"};
  site.time = {
      "Dur\xC3\xA9"
      "e : ",
      "</p>"};
  site.date = {"Sortie : ", "</p>"};
  site.lang = {"Pays : ", "</p>"};
  site.author2 = {"Avec : ", "</p>"};
  site.note = {"Note : ", "</p>"};
  site.comment = {"<div class=\"resume\">", "</div>"};
  site.price = {"Prix : ", "</p>"};
  site.sound = {"Son : ", "</p>"};
  site.screen = {"Image : ", "</p>"};
  site.picture = {"<img class=\"cover\" src=\"", "\">"};
  return site;
}

// Strings 34, 28 and 35 of filmsearch's resources.
inline filmsearch::KeywordLists FilmKeywords() {
  return {"MONO|STEREO|DOLBY|AC3|THX|DTS|5.0|5.1|6|MP3|WMA", "PL|PAN|4:3|4/3|1:33|FULL",
          "SCOPE|16|85"};
}

inline auctionsearch::AuctionParameters AuctionMarkers() {
  auctionsearch::AuctionParameters p;
  p.listFound = "<table class=\"liste\">";
  p.block = {"<tr class=\"objet\">", "</tr>"};
  p.title = {"<td class=\"titre\">", "</td>"};
  p.link = {"<a href=\"", "\">"};
  p.price = {"<td class=\"prix\">", "</td>"};
  p.time = {"<td class=\"temps\">", "</td>"};
  p.resultTitle = {"<h1 class=\"objet\">", "</h1>"};
  p.resultType = {"Cat\xC3\xA9gorie : ", "</p>"};
  p.resultEditor = {"Vendeur : ", "</p>"};
  p.resultAuthor = {"\xC3\x89tat : ", "</p>"};
  p.resultYear = {
      "Ann\xC3\xA9"
      "e : ",
      "</p>"};
  p.resultDate = {"Fin : ", "</p>"};
  p.resultLang = {"Lieu : ", "</p>"};
  p.resultPicture = {"<img id=\"photo\" src=\"", "\""};
  p.resultComment = {"<div class=\"description\">", "</div>"};
  p.resultRef = {"Num\xC3\xA9ro de l'objet : ", "</p>"};
  p.resultPrice = {"Prix : ", "</p>"};
  return p;
}

}  // namespace orv::fuzz

#endif  // ORV_FUZZ_WEB_MARKERS_H
