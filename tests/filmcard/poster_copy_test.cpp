// Posters: the name a card's poster has, the copy into the picture folder, and when the item
// may name the picture.
#include "filmcard/poster_copy.h"

#include <gtest/gtest.h>

#include <string>

#include "filmcard/filmcard_filter.h"
#include "tests/filmcard/film_fixture.h"

namespace orv::filmcard {
namespace {

namespace fs = std::filesystem;
using testing::CardText;
using testing::FakeDocument;
using testing::FakeItem;
using testing::ReadBytes;
using testing::WriteBytes;

TEST(PosterName, EveryOccurrenceCaseSensitive) {
  EXPECT_EQ(PosterNameOf("birds.film", ".film|.jpg"), "birds.jpg");
  EXPECT_EQ(PosterNameOf("a.film.film", ".film|.jpg"), "a.jpg.jpg");
  EXPECT_EQ(PosterNameOf("x.film.bak.film", ".film|.jpg"), "x.jpg.bak.jpg");
  EXPECT_FALSE(PosterNameOf("BIRDS.FILM", ".film|.jpg").has_value());
  EXPECT_FALSE(PosterNameOf("birds.Film", ".film|.jpg").has_value());
  // A broken rename pair copies nothing rather than looping or guessing.
  EXPECT_FALSE(PosterNameOf("birds.film", "").has_value());
  EXPECT_FALSE(PosterNameOf("birds.film", "|.jpg").has_value());
  EXPECT_EQ(PosterNameOf("birds.film", ".film"), "birds");
}

class Posters : public testing::ScratchTest {
 protected:
  // Imports the one card `name` and gives the item's image.
  std::string ImportOne(const std::string& name, const std::string& pictures) {
    FakeDocument document(pictures);
    filter_.Settings().allFiles = 0;
    const std::string path = (Cards() / name).string();
    EXPECT_EQ(filter_.Open(path.c_str(), document.get(), nullptr), 1);
    EXPECT_EQ(filter_.GetCount(), 1);
    FakeItem item;
    int32_t kind = 0;
    EXPECT_EQ(filter_.ProcessItem(*item, kind), 1);
    EXPECT_EQ(kind, 1);
    filter_.Close();
    return StringOf(item->image);
  }

  FilmcardFilter filter_;
};

TEST_F(Posters, CopiedIntoThePictureFolderOverwritingAnOldOne) {
  WriteBytes(Cards() / "birds.film", CardText({"Les Oiseaux"}));
  WriteBytes(Cards() / "birds.jpg", "nouvelle affiche");
  WriteBytes(Pictures() / "birds.jpg", "ancienne affiche");
  EXPECT_EQ(ImportOne("birds.film", Pictures().string()), "birds.jpg");
  EXPECT_EQ(ReadBytes(Pictures() / "birds.jpg"), "nouvelle affiche");
  EXPECT_EQ(ReadBytes(Cards() / "birds.jpg"), "nouvelle affiche");
}

TEST_F(Posters, AMissingPosterLeavesTheImageEmpty) {
  WriteBytes(Cards() / "birds.film", CardText({"Les Oiseaux"}));
  EXPECT_EQ(ImportOne("birds.film", Pictures().string()), "");
  EXPECT_FALSE(fs::exists(Pictures() / "birds.jpg"));
}

TEST_F(Posters, ACapitalExtensionIsFoundButGetsNoPicture) {
  WriteBytes(Cards() / "BIRDS.FILM", CardText({"Les Oiseaux"}));
  WriteBytes(Cards() / "BIRDS.jpg", "affiche");
  WriteBytes(Cards() / "BIRDS.JPG", "affiche");
  EXPECT_EQ(ImportOne("BIRDS.FILM", Pictures().string()), "");
  EXPECT_TRUE(fs::is_empty(Pictures()));
}

TEST_F(Posters, NoCopyWhenTheOptionIsOff) {
  WriteBytes(Cards() / "birds.film", CardText({"Les Oiseaux"}));
  WriteBytes(Cards() / "birds.jpg", "affiche");
  filter_.Settings().copyJpeg = 0;
  EXPECT_EQ(ImportOne("birds.film", Pictures().string()), "");
  EXPECT_TRUE(fs::is_empty(Pictures()));
}

TEST_F(Posters, WithoutAUsablePictureFolderNothingIsCopiedAnywhere) {
  WriteBytes(Cards() / "birds.film", CardText({"Les Oiseaux"}));
  WriteBytes(Cards() / "birds.jpg", "affiche");
  // No folder given: the copy must not land in the working folder.
  EXPECT_EQ(ImportOne("birds.film", ""), "");
  EXPECT_FALSE(fs::exists("birds.jpg"));
  // A folder that does not exist.
  EXPECT_EQ(ImportOne("birds.film", (root_ / "absent").string()), "");
}

TEST_F(Posters, CardsKeptInThePictureFolderKeepTheirPoster) {
  WriteBytes(Cards() / "birds.film", CardText({"Les Oiseaux"}));
  WriteBytes(Cards() / "birds.jpg", "affiche");
  EXPECT_EQ(ImportOne("birds.film", Cards().string()), "birds.jpg");
  EXPECT_EQ(ReadBytes(Cards() / "birds.jpg"), "affiche");
}

TEST_F(Posters, ANullDocumentStillImportsTheCard) {
  WriteBytes(Cards() / "birds.film", CardText({"Les Oiseaux"}));
  WriteBytes(Cards() / "birds.jpg", "affiche");
  const std::string path = (Cards() / "birds.film").string();
  ASSERT_EQ(filter_.Open(path.c_str(), nullptr, nullptr), 1);
  EXPECT_EQ(filter_.GetCount(), 1);
  FakeItem item;
  int32_t kind = 0;
  EXPECT_EQ(filter_.ProcessItem(*item, kind), 1);
  EXPECT_EQ(StringOf(item->title), "Les Oiseaux");
  EXPECT_EQ(StringOf(item->image), "");
  filter_.Close();
}

}  // namespace
}  // namespace orv::filmcard
