#include "auctionsearch/auction_params.h"

#include "contract/list_piece.h"

namespace orv::auctionsearch {

std::optional<AuctionParameters> LoadAuctionParameters(const websearch::SiteFile& file) {
  if (!file.Exists()) return std::nullopt;
  AuctionParameters p;
  const auto main = [&](const char* key) { return file.Value("MAIN", key); };
  const auto required = [&](const char* key, std::string& value) {
    value = main(key);
    return !value.empty();
  };
  std::string cgi;
  if (!required("SearchItem", p.searchItem) || !required("SearchAdv", p.searchAdv) ||
      !required("SearchAdvTitles", p.searchAdvTitles) ||
      !required("SearchOperator", p.searchOperator) ||
      !required("SearchNotFound", p.searchNotFound) || !required("EbayCGI", cgi)) {
    return std::nullopt;
  }
  p.searchItemOpt = main("SearchItemOpt");
  p.searchAdvOpt = main("SearchAdvOpt");
  p.searchAdvOpt2 = main("SearchAdvOpt2");
  p.searchCharset = websearch::KeywordCharsetNamed(main("SearchCharset"));
  p.structuredData = file.IntValue("ITEM", "StructuredData", 0) != 0;
  p.listFound = file.Value("LIST", "ListFound");
  using P = AuctionParameters;
  // Each pair of markers: its section, its key without "_Start" and "_End", where it goes.
  static const struct {
    const char* section;
    const char* name;
    MarkerPair P::*pair;
  } kPairs[] = {
      {"LIST", "Item_String", &P::block},
      {"LIST", "Item_Title", &P::title},
      {"LIST", "Item_Link", &P::link},
      {"LIST", "Item_Price", &P::price},
      {"LIST", "Item_Time", &P::time},
      {"ITEM", "Result_Title", &P::resultTitle},
      {"ITEM", "Result_Type", &P::resultType},
      {"ITEM", "Result_Editor", &P::resultEditor},
      {"ITEM", "Result_Author", &P::resultAuthor},
      {"ITEM", "Result_Year", &P::resultYear},
      {"ITEM", "Result_Date", &P::resultDate},
      {"ITEM", "Result_Lang", &P::resultLang},
      {"ITEM", "Result_Picture", &P::resultPicture},
      {"ITEM", "Result_Comment", &P::resultComment},
      {"ITEM", "Result_REF", &P::resultRef},
      {"ITEM", "Result_Price", &P::resultPrice},
  };
  for (const auto& entry : kPairs) p.*entry.pair = file.Markers(entry.section, entry.name);
  return p;
}

std::vector<Choice> Choices(const websearch::SiteFile& file, const char* section) {
  std::vector<Choice> choices;
  for (const std::string& entry : file.NumberedValues(section)) {
    choices.push_back({GetListPiece(1, entry, "error", "|", EmptyPiece::kDefaultText),
                       GetListPiece(2, entry, "", "|", EmptyPiece::kDefaultText)});
  }
  return choices;
}

}  // namespace orv::auctionsearch
