// Disc entries and tables of contents as the host's items.
#include "discfetch/item_builders.h"

#include <gtest/gtest.h>

#include <ctime>

#include "contract/host_string.h"
#include "platform/clock.h"
#include "text/codepage.h"

namespace orv::discfetch {
namespace {

class Item {
 public:
  Item() { item_.rating = 4; }
  ~Item() {
    for (HostString* field : {&item_.title, &item_.type, &item_.editor, &item_.author,
                              &item_.coauthor, &item_.lang, &item_.custom1, &item_.custom2,
                              &item_.custom3, &item_.comment, &item_.image, &item_.lendname}) {
      hs_release(*field);
    }
  }
  MediaItem& operator*() { return item_; }
  MediaItem* operator->() { return &item_; }

 private:
  MediaItem item_{};
};

int ThisYear() { return platform::LocalTime(platform::Now()).tm_year + 1900; }

class ItemBuilders : public ::testing::Test {
 protected:
  ItemBuilders() {
    options_.defType = "Inconnu";
    entry_.discArtist = "Artiste";
    entry_.discTitle = "Album";
    entry_.discLength = 421;
    entry_.discYear = 1994;
    entry_.trackTitles = {"Premier", "Second", "Bonus"};
  }
  DiscContext Disc() { return DiscContext{options_, 7, toc_, entry_}; }

  DiscfetchOptions options_;
  // 0:02:00, 3:30:37, lead-out 7:01:12: tracks of 208 and 211 seconds.
  platform::DiscToc toc_ = {{0, 2, 0}, {3, 30, 37}, {7, 1, 12}};
  DiscEntry entry_;
};

TEST_F(ItemBuilders, DiscItemCarriesTheEntryAndTheTrackList) {
  options_.defValue = "12.50";
  options_.defMedium = 9;
  options_.defSound = 3;
  Item item;
  FillDiscItem(*item, Disc());
  EXPECT_EQ(StringOf(item->title), "Album");
  EXPECT_EQ(StringOf(item->author), "Artiste");
  EXPECT_EQ(StringOf(item->type), "Inconnu") << "no genre: the default";
  EXPECT_STREQ(item->length, "00:07:01");
  EXPECT_EQ(item->year, 1994);
  EXPECT_EQ(item->chap, 3);
  EXPECT_EQ(item->category, 2);
  EXPECT_EQ(item->medium, 23);
  EXPECT_EQ(item->sound, 3);
  EXPECT_FLOAT_EQ(item->price, 12.5f);
  EXPECT_EQ(item->rating, 4) << "fields the entry does not give stay as the host left them";
  // The third title has no track on the disc: it takes the average length.
  EXPECT_EQ(StringOf(item->comment),
            "01 - Premier (00:03:28)\\n02 - Second (00:03:31)\\n03 - Bonus (00:05:00)\\n");
}

TEST_F(ItemBuilders, OptionsChangeTitlesYearsAndPrice) {
  options_.incArtist = 1;
  options_.incNumber = 0;
  options_.tracksInComment = 0;
  options_.defValue = "12,50";
  entry_.discYear = 0;
  entry_.discGenre = "Rock";
  Item item;
  FillDiscItem(*item, Disc());
  EXPECT_EQ(StringOf(item->title), "Artiste - Album");
  EXPECT_EQ(StringOf(item->type), "Rock");
  EXPECT_EQ(item->year, ThisYear());
  EXPECT_FLOAT_EQ(item->price, 12.0f) << "a comma is not a decimal point";
  EXPECT_EQ(StringOf(item->comment), "");
  Item track;
  FillTrackItem(*track, Disc(), 1);
  EXPECT_EQ(StringOf(track->title), "Second");
  EXPECT_EQ(track->chap, 2);
  EXPECT_STREQ(track->length, "00:03:31");
}

TEST_F(ItemBuilders, ADefaultPriceThatIsNoNumberGivesNoPrice) {
  for (const char* text : {"nan", "inf", "-inf", "1e999"}) {
    options_.defValue = text;
    Item item;
    FillDiscItem(*item, Disc());
    EXPECT_EQ(item->price, 0.0f) << text;
  }
}

TEST_F(ItemBuilders, HeadingsCarryOnlyTitleCategoryAndLevel) {
  Item heading;
  heading->level = 5;
  heading->year = 3;
  FillDiscHeading(*heading, Disc());
  EXPECT_EQ(StringOf(heading->title), "Album");
  EXPECT_EQ(heading->category, 2);
  EXPECT_EQ(heading->level, 0);
  EXPECT_EQ(heading->year, 3);
  Item missing;
  FillMissingHeading(*missing, Disc());
  EXPECT_EQ(StringOf(missing->title), "CD 007");
}

TEST_F(ItemBuilders, DiscsNotFoundAreNamedByTheirPlaceInTheQueue) {
  entry_ = DiscEntry();
  Item item;
  FillMissingDiscItem(*item, Disc());
  EXPECT_EQ(StringOf(item->title), "CD 007");
  EXPECT_EQ(StringOf(item->author), "");
  EXPECT_STREQ(item->length, "00:07:01");
  EXPECT_EQ(item->chap, 2);
  EXPECT_EQ(item->year, ThisYear());
  EXPECT_EQ(StringOf(item->comment),
            "CD 007 - Piste 01 (00:03:28)\\nCD 007 - Piste 02 (00:03:31)\\n");
  Item track;
  FillMissingTrackItem(*track, Disc(), 2);
  EXPECT_EQ(StringOf(track->title), "CD 007 - Piste 02");
  EXPECT_EQ(track->chap, 2);
  EXPECT_STREQ(track->length, "00:03:31");
}

TEST(ItemText, NumbersFillResourcePatterns) {
  EXPECT_EQ(FormatNumbers("CD %03d - Piste %02d", {5, 12}), "CD 005 - Piste 12");
  EXPECT_EQ(FormatNumbers("%d CDs (max %d) 100%", {3, 50}), "3 CDs (max 50) 100%");
  EXPECT_EQ(FormatNumbers("%d and %d", {1}), "1 and 0") << "a missing number is 0, not garbage";
  EXPECT_EQ(LengthText(3 * 3600 + 4 * 60 + 7), "03:04:07");
  EXPECT_EQ(LengthText(-5), "00:00:00");
}

}  // namespace
}  // namespace orv::discfetch
