#include "contract/medium.h"

#include <gtest/gtest.h>

#include "contract/list_piece.h"
#include "text/codepage.h"

namespace orv {
namespace {

TEST(MediumCode, MapsEachCategorysSupportList) {
  const int video[] = {6, 7, 21, 19, 20, 25, 26, 27};
  const int audio[] = {22, 9, 10, 11, 12, 17, 18, 19, 20, 23, 27};
  const int software[] = {8, 13, 14, 15, 16, 19, 24, 20, 27, 28};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(MediumCode(1, i), video[i]) << i;
  for (int i = 0; i < 11; ++i) EXPECT_EQ(MediumCode(2, i), audio[i]) << i;
  for (int i = 0; i < 10; ++i) EXPECT_EQ(MediumCode(3, i), software[i]) << i;
}

TEST(MediumCode, OutsideTheListGivesTheFirstCode) {
  EXPECT_EQ(MediumCode(1, 99), 6);
  EXPECT_EQ(MediumCode(1, -1), 6);
  EXPECT_EQ(MediumCode(2, 11), 22);
  EXPECT_EQ(MediumCode(3, 10), 8);
}

TEST(MediumCode, BooksAndCollectiblesKeepTheIndexOthersGiveZero) {
  EXPECT_EQ(MediumCode(4, 12), 12);
  EXPECT_EQ(MediumCode(5, 40), 40);
  EXPECT_EQ(MediumCode(0, 3), 0);
  EXPECT_EQ(MediumCode(6, 3), 0);
}

TEST(MediumNames, CodesNameTheirPiece) {
  const auto name = [](int code) {
    return GetListPiece(code + 1, MediumNames(), "", "|", EmptyPiece::kEmptyText);
  };
  EXPECT_EQ(name(0), "Orvella");
  EXPECT_EQ(name(MediumCode(1, 3)), "DVD");
  EXPECT_EQ(name(13), text::Utf8ToUser("Disk3½"));  // windows-1252 in the Windows build
  EXPECT_EQ(name(29), "Figurine");
  EXPECT_EQ(name(90), "Dossier");
  EXPECT_EQ(name(91), "");
}

}  // namespace
}  // namespace orv
