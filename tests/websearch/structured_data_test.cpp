// A result page's JSON-LD and OpenGraph values, and the bounds that keep a hostile page cheap.
#include "websearch/structured_data.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/builders/user_text.h"
#include "text/codepage.h"

namespace orv::websearch {
namespace {

using orv::testing::U;

std::string Ld(const std::string& json) {
  return "<script type=\"application/ld+json\">" + json + "</script>";
}

StructuredValues Film(const std::string& page) {
  return ReadStructuredData(text::Utf8ToUser(page), StructuredKind::kFilm);
}
StructuredValues Auction(const std::string& page) {
  return ReadStructuredData(text::Utf8ToUser(page), StructuredKind::kAuction);
}

TEST(StructuredData, APictureIsAWebAddressOrNone) {
  // A page must not point the host at a local file, by JSON-LD or by OpenGraph; a relative
  // address is left for the site's root.
  EXPECT_TRUE(Film(Ld(R"({"@type":"Movie","image":"file:///home/u/.ssh/id_rsa#a.jpg"})") +
                   "<meta property=\"og:image\" content=\"FILE:///etc/passwd\">")
                  .picture.empty());
  EXPECT_EQ(Auction(Ld(R"({"@type":"Product","image":"ftp://x/y.jpg"})") +
                    "<meta property=\"og:image\" content=\"/covers/t.jpg\">")
                .picture,
            "/covers/t.jpg");
}

TEST(StructuredData, AMovieWhereverTheBlockPutsIt) {
  // In an @graph, after other nodes; the type as a list and with its vocabulary; the name with
  // a JSON escape and a character reference; directors as people.
  const StructuredValues film =
      Film("<html><head>" +
           Ld(R"({"@context":"https://schema.org","@graph":[{"@type":"WebSite","name":"Ciné"},
         {"@type":["CreativeWork","schema:Movie"],"name":"Am\u00e9lie &amp; Nino",
          "datePublished":"2001-04-25","director":[{"@type":"Person","name":"Jean-Pierre J."},
          "Marc C."],"image":{"@type":"ImageObject","url":"https://img.test/amelie.jpg"}}]})") +
           "</head></html>");
  EXPECT_EQ(film.title, U("Amélie & Nino"));
  EXPECT_EQ(film.year, "2001-04-25");
  EXPECT_EQ(film.director, "Jean-Pierre J., Marc C.");
  EXPECT_EQ(film.picture, "https://img.test/amelie.jpg");
  EXPECT_TRUE(film.price.empty());

  // A block that is not JSON is passed over; the next one counts. dateCreated stands in for
  // datePublished, a number for a year, an image list gives its first address.
  const StructuredValues second =
      Film(Ld("{\"@type\":\"Movie\",\"name\":") +
           Ld(R"([{"@type":"Person","name":"X"},{"@type":"Movie","name":"Alien","dateCreated":1979,
          "director":{"name":"Ridley S."},"image":["", {"contentUrl":"/a.jpg"}]}])"));
  EXPECT_EQ(second.title, "Alien");
  EXPECT_EQ(second.year, "1979");
  EXPECT_EQ(second.director, "Ridley S.");
  EXPECT_EQ(second.picture, "/a.jpg");
  // A film page's Product is no film, and an auction page's Movie no object.
  EXPECT_TRUE(Film(Ld(R"({"@type":"Product","name":"DVD"})")).title.empty());
  EXPECT_TRUE(Auction(Ld(R"({"@type":"Movie","name":"Alien"})")).title.empty());
}

TEST(StructuredData, AProductAndThePriceOfItsOffer) {
  const StructuredValues object = Auction(Ld(
      R"({"@type":"Product","name":"Timbre Marianne","image":"https://img.test/t.jpg",
         "offers":[{"@type":"Offer"},{"@type":"Offer","price":12.5,"priceCurrency":"EUR"}]})"));
  EXPECT_EQ(object.title, "Timbre Marianne");
  EXPECT_EQ(object.picture, "https://img.test/t.jpg");
  EXPECT_EQ(object.price, "12.50");
  EXPECT_EQ(Auction(Ld(R"({"@type":"Product","offers":{"@type":"AggregateOffer",
                          "lowPrice":"1 234,50"}})"))
                .price,
            "1 234,50")
      << "a price written as text is left to the price rule";
  EXPECT_EQ(Auction(Ld(R"({"@type":"Product","offers":{"terms":{"price":7}}})")).price, "7.00");
  // An Offer of its own when the page has no Product; prices no price field can hold are none.
  EXPECT_EQ(Auction(Ld(R"({"@type":"Offer","price":"3.20"})")).price, "3.20");
  EXPECT_TRUE(Auction(Ld(R"({"@type":"Offer","price":-1})")).price.empty());
  EXPECT_TRUE(Auction(Ld(R"({"@type":"Offer","price":1e300})")).price.empty());
}

TEST(StructuredData, OpenGraphGivesWhatJsonLdDoesNot) {
  const std::string tags =
      "<meta property=\"og:title\" content=\"Le Fabuleux Destin d&#39;Am\xC3\xA9lie\">"
      "<META content='https://img.test/og.jpg' PROPERTY='og:image' />"
      "<meta property=\"video:release_date\" content=\"2001-04-25\">"
      "<meta name=\"product:price:amount\" content=9.90>"
      "<meta name=\"description\" content=\"og:title\">";
  const StructuredValues film = Film(tags + Ld(R"({"@type":"Movie","name":"Amélie"})"));
  EXPECT_EQ(film.title, U("Amélie")) << "JSON-LD first";
  EXPECT_EQ(film.picture, "https://img.test/og.jpg");
  EXPECT_EQ(film.year, "2001-04-25");
  EXPECT_TRUE(film.price.empty());
  const StructuredValues object = Auction(tags);
  EXPECT_EQ(object.title, U("Le Fabuleux Destin d'Amélie"));
  EXPECT_EQ(object.price, "9.90");
  EXPECT_TRUE(object.year.empty());
  EXPECT_TRUE(Film("<p>no structured data</p><meta property=og:title").title.empty());
}

TEST(StructuredData, HostilePagesAreReadWithinBounds) {
  const std::string movie = Ld(R"({"@type":"Movie","name":"Alien"})");
  // Nested too deep: skipped, and the walk never goes there; the next block still counts.
  const std::string deep =
      std::string(kMaxJsonDepth + 1, '[') + std::string(kMaxJsonDepth + 1, ']');
  EXPECT_EQ(Film(Ld(deep) + movie).title, "Alien");
  const std::string nested = std::string(kMaxJsonDepth - 1, '[') +
                             R"({"@type":"Movie","name":"B"})" +
                             std::string(kMaxJsonDepth - 1, ']');
  EXPECT_EQ(Film(Ld(nested)).title, "B");
  // Brackets inside strings do not count as nesting.
  EXPECT_EQ(Film(Ld(R"({"@type":"Movie","name":")" + std::string(100, '[') + "\"}")).title,
            std::string(100, '['));
  // Only the first blocks are read.
  std::string many;
  for (size_t n = 0; n < kMaxLdScripts; ++n) many += Ld("{}");
  EXPECT_TRUE(Film(many + movie).title.empty());
  // A block too large is skipped whole.
  EXPECT_TRUE(Film(Ld(R"({"@type":"Movie","name":")" + std::string(kMaxLdScriptBytes, 'a') + "\"}"))
                  .title.empty());
  // A block that runs to the end of the page is read; a tag never closed is none.
  EXPECT_EQ(Film("<script type=\"application/ld+json\">{\"@type\":\"Movie\",\"name\":\"A\"}").title,
            "A");
  EXPECT_TRUE(Film("<script type=application/ld+json").title.empty());
  EXPECT_TRUE(Film("<meta property=\"og:title\" content=\"never closed").title.empty());
  // Bytes that are not UTF-8 in a block are read as windows-1252, not refused.
  EXPECT_EQ(
      ReadStructuredData(Ld("{\"@type\":\"Movie\",\"name\":\"Am\xE9lie\"}"), StructuredKind::kFilm)
          .title,
      U("Amélie"));
  // Tags that are never closed: the scan takes one pass and ends at its count of tags.
  std::string metas;
  while (metas.size() < (4u << 20)) metas += "<meta ";
  EXPECT_TRUE(Film(metas + "property=og:title content=x>").title.empty());
}

}  // namespace
}  // namespace orv::websearch
