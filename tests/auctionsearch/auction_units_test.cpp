// The parameter file, the search addresses, the hits of a list page, the price.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "auctionsearch/auction_address.h"
#include "auctionsearch/auction_hits.h"
#include "auctionsearch/auction_item.h"
#include "auctionsearch/auction_params.h"
#include "contract/host_string.h"
#include "tests/auctionsearch/auction_pages.h"
#include "tests/builders/host_item.h"
#include "tests/platform/temp_folder.h"
#include "text/ascii.h"
#include "text/codepage.h"

namespace orv::auctionsearch {
namespace {

class AuctionUnits : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = folder_.Write("auctionsearch.ini", orv::testing::AuctionParameterFile());
    parameters_ = LoadAuctionParameters(websearch::SiteFile(path_)).value_or(AuctionParameters());
  }
  std::string Address(const std::string& keywords, bool byNumber = false, bool titles = false,
                      const std::string& category = "", const std::string& sort = "") {
    AuctionQuery query;
    query.keywords = keywords;
    query.byNumber = byNumber;
    query.titlesAndDescriptions = titles;
    query.category = category;
    query.sort = sort;
    return SearchAddress(parameters_, query, "enchere.test");
  }
  orv::testing::TempFolder folder_;
  std::string path_;
  AuctionParameters parameters_;
};

TEST_F(AuctionUnits, SearchAddresses) {
  ASSERT_EQ(parameters_.searchOperator, "+");
  EXPECT_EQ(Address("timbre ancien"), "http://enchere.test/cherche?mots=timbre+ancien");
  EXPECT_EQ(Address("timbre ancien", false, true),
            "http://enchere.test/cherche?mots=timbre+ancien&titres=1&");
  EXPECT_EQ(Address("timbre", false, true, "cat=260&", "tri=15&"),
            "http://enchere.test/cherche?mots=timbre&titres=1&cat=260&tri=15&");
  EXPECT_EQ(Address("timbre -neuf"),
            "http://enchere.test/cherche?mots=timbre+-neuf&exacts=timbre+-neuf");
  EXPECT_EQ(Address("a+b"), "http://enchere.test/cherche?mots=a%2Bb&exacts=a%2Bb");
  EXPECT_EQ(Address("110023", true), "http://enchere.test/objet?no=110023&vue=complete");
  EXPECT_EQ(Address("pi\xC3\xA8"
                    "ce & co"),
            "http://enchere.test/cherche?mots=pi%C3%A8ce+%26+co");
}

TEST_F(AuctionUnits, KeywordsGoInTheCharsetTheFileNames) {
  const auto withCharset = [&](const std::string& name) {
    std::string file = orv::testing::AuctionParameterFile();
    const size_t main = file.find("[MAIN]");
    EXPECT_NE(main, std::string::npos);
    file.insert(main + 7, "SearchCharset=" + name + "\n");
    parameters_ = LoadAuctionParameters(websearch::SiteFile(folder_.Write("a.ini", file)))
                      .value_or(AuctionParameters());
    return Address(text::Utf8ToUser("pièce à 1€"));
  };
  EXPECT_EQ(withCharset("ISO-8859-1"), "http://enchere.test/cherche?mots=pi%E8ce+%E0+1%80");
  EXPECT_EQ(withCharset("utf-8"), "http://enchere.test/cherche?mots=pi%C3%A8ce+%C3%A0+1%E2%82%AC");
  // An unknown name keeps the user's code page, UTF-8 in this build.
  EXPECT_EQ(withCharset("ebcdic"), withCharset("utf-8"));
}

TEST_F(AuctionUnits, RequiredKeysAreTestedInOrder) {
  for (const char* key : {"SearchItem", "SearchAdv", "SearchAdvTitles", "SearchOperator",
                          "SearchNotFound", "EbayCGI"}) {
    std::string file = orv::testing::AuctionParameterFile();
    const size_t at = file.find(std::string(key) + "=");
    ASSERT_NE(at, std::string::npos) << key;
    file.insert(at, ";");  // the line becomes a comment
    EXPECT_FALSE(LoadAuctionParameters(websearch::SiteFile(folder_.Write("p.ini", file)))) << key;
  }
  EXPECT_FALSE(LoadAuctionParameters(websearch::SiteFile(folder_ / "absent.ini")));
  const std::vector<Choice> types = Choices(websearch::SiteFile(path_), "TYPES");
  ASSERT_EQ(types.size(), 3u);
  EXPECT_EQ(types[0].shown, "Timbres");
  EXPECT_EQ(types[0].option, "cat=260&");
  EXPECT_EQ(types[2].shown, "error");  // an entry without its shown text
  EXPECT_EQ(Choices(websearch::SiteFile(path_), "SORT").size(), 2u);
}

TEST_F(AuctionUnits, HitsFromTheListOnAtMostMaxResults) {
  const std::string page = orv::testing::AuctionListPage("http://enchere.test", 5);
  int lastShown = 0;
  std::vector<AuctionHit> hits = ScanAuctionHits(page, parameters_, 40, {}, "Sans titre",
                                                 [&](int n, const AuctionHit&) { lastShown = n; });
  ASSERT_EQ(hits.size(), 5u);
  EXPECT_EQ(lastShown, 5);
  EXPECT_EQ(hits[0].address, "http://enchere.test/objet?no=1");
  EXPECT_EQ(hits[0].name, "Objet 1");
  EXPECT_EQ(hits[0].price, "1,50 EUR");
  EXPECT_EQ(hits[4].timeLeft, "5 jours");
  EXPECT_EQ(ScanAuctionHits(page, parameters_, 3, {}, "Sans titre", nullptr).size(), 3u);
  // Addresses keep their case even with capitals repaired in the names.
  websearch::ExtractionRules capitals;
  capitals.fixCapitals = true;
  hits = ScanAuctionHits(orv::testing::AuctionListPage("http://Enchere.TEST", 1), parameters_, 40,
                         capitals, "Sans titre", nullptr);
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].address, "http://Enchere.TEST/objet?no=1");
  EXPECT_TRUE(
      ScanAuctionHits(orv::testing::BotCheckPage(), parameters_, 40, {}, "", nullptr).empty());
}

// An upper-case site: its markers are upper-case too, and a block repaired to small letters
// would no longer hold them.
TEST_F(AuctionUnits, AnUpperCaseHitListKeepsItsHitsWithCapitalsRepaired) {
  std::string page = orv::testing::AuctionListPage("http://enchere.test", 2);
  AuctionParameters upper = parameters_;
  for (auto* markers : {&upper.block, &upper.title, &upper.link, &upper.price, &upper.time}) {
    for (std::string* marker : {&markers->start, &markers->end}) {
      const std::string lower = *marker;
      *marker = text::ToUpperAscii(lower);
      for (size_t at = page.find(lower); at != std::string::npos; at = page.find(lower, at)) {
        page.replace(at, lower.size(), *marker);
        at += marker->size();
      }
    }
  }
  for (const char* word : {"Objet", "jours"}) {
    const std::string capitals = text::ToUpperAscii(word);
    for (size_t at = page.find(word); at != std::string::npos; at = page.find(word, at)) {
      page.replace(at, capitals.size(), capitals);
      at += capitals.size();
    }
  }
  websearch::ExtractionRules capitals;
  capitals.fixCapitals = true;
  const std::vector<AuctionHit> hits =
      ScanAuctionHits(page, upper, 40, capitals, "Sans titre", nullptr);
  ASSERT_EQ(hits.size(), 2u);
  EXPECT_EQ(hits[1].name, "Objet 2");
  EXPECT_EQ(hits[1].address, "http://enchere.test/objet?no=2");
  EXPECT_EQ(hits[1].price, "2,50 eur");
}

TEST(AuctionPrice, TheNumberEndsAtItsFirstOtherCharacter) {
  EXPECT_DOUBLE_EQ(AuctionPrice("12,50 EUR"), 12.5);
  EXPECT_DOUBLE_EQ(AuctionPrice("EUR 7,00"), 7);
  EXPECT_DOUBLE_EQ(AuctionPrice("gratuit"), 0);
  // A second amount further on is not part of the price.
  EXPECT_DOUBLE_EQ(AuctionPrice("12,50 EUR + 5,00 EUR de port"), 12.5);
  EXPECT_DOUBLE_EQ(AuctionPrice("US $12.50 (environ 11,20 EUR)"), 12.5);
  // Both separators: the last is the decimal point.
  EXPECT_DOUBLE_EQ(AuctionPrice("1.234,50 EUR"), 1234.5);
  EXPECT_DOUBLE_EQ(AuctionPrice("US $1,234.50"), 1234.5);
  EXPECT_DOUBLE_EQ(AuctionPrice("15.99"), 15.99);
  // A blank before exactly three digits groups thousands, whichever blank it is.
  EXPECT_DOUBLE_EQ(AuctionPrice(text::Utf8ToUser("1 234,50 \xE2\x82\xAC")), 1234.5);
  EXPECT_DOUBLE_EQ(AuctionPrice(text::Utf8ToUser("1\xC2\xA0"
                                                 "234,50 EUR")),
                   1234.5);
  EXPECT_DOUBLE_EQ(AuctionPrice("12 1234"), 12);
  EXPECT_DOUBLE_EQ(AuctionPrice("12 34"), 12);
  EXPECT_DOUBLE_EQ(AuctionPrice("2 500 000 EUR"), 2500000);
}

TEST_F(AuctionUnits, StructuredDataGivesTheTitlePriceAndPictureTheMarkersMiss) {
  const std::string page =
      "<html><head><meta property=\"og:image\" content=\"https://img.test/og.jpg\">"
      "<script type=\"application/ld+json\">{\"@type\":\"Product\",\"name\":\"Marianne\","
      "\"offers\":{\"@type\":\"Offer\",\"price\":\"12.50\",\"priceCurrency\":\"EUR\"}}"
      "</script></head><body>Lieu : Lyon</body></html>";
  const auto fill = [&](bool structured) {
    parameters_.structuredData = structured;
    orv::testing::HostItem item;
    FillAuctionItem(*item, page, parameters_, websearch::ExtractionRules(), 2024);
    return std::make_tuple(StringOf(item->title), item->price, StringOf(item->image));
  };
  EXPECT_EQ(fill(false), std::make_tuple(std::string(), 0.0f, std::string()));
  EXPECT_EQ(fill(true), std::make_tuple(std::string("Marianne"), 12.5f,
                                        std::string("https://img.test/og.jpg")));
  // The key is read from the ITEM section.
  std::string file = orv::testing::AuctionParameterFile();
  file.insert(file.find("[ITEM]") + 7, "StructuredData=1\n");
  EXPECT_TRUE(LoadAuctionParameters(websearch::SiteFile(folder_.Write("a.ini", file)))
                  .value_or(AuctionParameters())
                  .structuredData);
  EXPECT_FALSE(LoadAuctionParameters(websearch::SiteFile(path_))->structuredData);
}

TEST(AuctionSample, TheSampleParameterFileLoads) {
  const char* source = std::getenv("ORV_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  const websearch::SiteFile sample(std::string(source) + "/samples/sites/auctionsearch.ini");
  const std::optional<AuctionParameters> parameters = LoadAuctionParameters(sample);
  ASSERT_TRUE(parameters);
  EXPECT_NE(parameters->searchAdv.find("%EBAY%"), std::string::npos);
  EXPECT_EQ(parameters->searchCharset, websearch::KeywordCharset::kUtf8);
  EXPECT_TRUE(parameters->structuredData);
  EXPECT_FALSE(Choices(sample, "TYPES").empty());
  EXPECT_FALSE(Choices(sample, "SORT").empty());
}

}  // namespace
}  // namespace orv::auctionsearch
