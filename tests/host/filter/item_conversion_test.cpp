#include "host/filter/item_conversion.h"

#include <gtest/gtest.h>

#include <cstring>

namespace orv::host {
namespace {

TEST(ItemConversionTest, FreshItemHasEmptyTextsAndZeros) {
  MediaItem item;
  std::memset(&item, 0x5A, sizeof item);
  ASSERT_TRUE(MakeFreshItem(item));
  EXPECT_NE(item.title, nullptr);
  EXPECT_EQ(hs_length(item.lendname), 0u);
  EXPECT_EQ(item.length[0], '\0');
  EXPECT_EQ(item.lendat2[10], '\0');
  EXPECT_EQ(item.price, 0.0f);
  EXPECT_EQ(item.level, 0);
  ReleaseItemTexts(item);
  EXPECT_EQ(item.title, nullptr);
}

TEST(ItemConversionTest, FixedTextWithoutTerminatorIsReadToTheFieldsEnd) {
  MediaItem item;
  ASSERT_TRUE(MakeFreshItem(item));
  std::memset(item.length, '7', sizeof item.length);  // no terminator at all
  std::memcpy(item.date, "2004/06/1", 10);
  const StoredItem stored = FromMediaItem(item, 1);
  ReleaseItemTexts(item);
  EXPECT_EQ(stored.length, std::string(11, '7'));
  EXPECT_EQ(stored.date, "2004/06/1");
}

TEST(ItemConversionTest, RoundTripKeepsEveryFieldAndTruncatesFixedTexts) {
  StoredItem s;
  s.itemKind = 2;
  s.title = "Été";
  s.comment = "a\r\nb";
  s.lendname = "Gaëlle";
  s.length = "01:02:03:04:05";  // longer than the field
  s.date = "2004/06/11";
  s.category = 2;
  s.year = 2001;
  s.price = 9.75f;
  s.reservedA = 11;
  s.reservedB = 12;
  s.medium = 22;
  s.level = 3;
  MediaItem item;
  ASSERT_TRUE(ToMediaItem(s, item));
  EXPECT_STREQ(item.length, "01:02:03:0");  // ten characters and the terminator
  const StoredItem back = FromMediaItem(item, 2);
  ReleaseItemTexts(item);
  EXPECT_EQ(back.title, "Été");
  EXPECT_EQ(back.comment, "a\r\nb");
  EXPECT_EQ(back.lendname, "Gaëlle");
  EXPECT_EQ(back.date, "2004/06/11");
  EXPECT_EQ(back.price, 9.75f);
  EXPECT_EQ(back.reservedA, 11);
  EXPECT_EQ(back.reservedB, 12);
  EXPECT_EQ(back.medium, 22);
  EXPECT_EQ(back.level, 3);
}

TEST(ItemConversionTest, AnItemIsFiledByItsOwnCategoryElseByItsKind) {
  StoredItem item;
  item.category = 2;
  item.itemKind = 4;  // a file item (an MP3) reported as a book
  EXPECT_EQ(CollectionCategory(item), 2);
  item.category = 0;  // none of its own
  EXPECT_EQ(CollectionCategory(item), 4);
  item.category = 9;  // none that exists
  item.itemKind = 256 + 1;  // video item with a link to follow
  EXPECT_EQ(CollectionCategory(item), 1);
  item.category = 3;
  item.itemKind = 64;
  EXPECT_EQ(CollectionCategory(item), 3);
  item.itemKind = 128;
  EXPECT_EQ(CollectionCategory(item), 3);
}

}  // namespace
}  // namespace orv::host
