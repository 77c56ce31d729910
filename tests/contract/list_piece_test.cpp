#include "contract/list_piece.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(GetListPiece, PicksPiecesAndFallsBackToDefault) {
  for (EmptyPiece mode : {EmptyPiece::kEmptyText, EmptyPiece::kDefaultText}) {
    EXPECT_EQ(GetListPiece(1, "a|bb|ccc", "d", "|", mode), "a");
    EXPECT_EQ(GetListPiece(2, "a|bb|ccc", "d", "|", mode), "bb");
    EXPECT_EQ(GetListPiece(3, "a|bb|ccc", "d", "|", mode), "ccc");
    EXPECT_EQ(GetListPiece(4, "a|bb|ccc", "d", "|", mode), "d");
    EXPECT_EQ(GetListPiece(0, "a|bb|ccc", "d", "|", mode), "d");
    EXPECT_EQ(GetListPiece(-3, "a|bb|ccc", "d", "|", mode), "d");
    for (int index = -1; index <= 3; ++index) EXPECT_EQ(GetListPiece(index, "", "d", "|", mode), "d");
  }
}

TEST(GetListPiece, OnlyTheSeparatorsFirstCharacterSplits) {
  EXPECT_EQ(GetListPiece(2, "a,b|c,d", "", ",|", EmptyPiece::kEmptyText), "b|c");
  EXPECT_EQ(GetListPiece(3, "a,b|c,d", "", ",|", EmptyPiece::kEmptyText), "d");
}

TEST(GetListPiece, EmptyPieceDependsOnTheFilter) {
  // Two separators in a row, a leading one, a trailing one.
  EXPECT_EQ(GetListPiece(2, "a||c", "x", "|", EmptyPiece::kEmptyText), "");
  EXPECT_EQ(GetListPiece(2, "a||c", "x", "|", EmptyPiece::kDefaultText), "x");
  EXPECT_EQ(GetListPiece(1, "|b", "x", "|", EmptyPiece::kEmptyText), "");
  EXPECT_EQ(GetListPiece(1, "|b", "x", "|", EmptyPiece::kDefaultText), "x");
  EXPECT_EQ(GetListPiece(2, "a|", "x", "|", EmptyPiece::kEmptyText), "");
  EXPECT_EQ(GetListPiece(2, "a|", "x", "|", EmptyPiece::kDefaultText), "x");
  EXPECT_EQ(GetListPiece(3, "a|", "x", "|", EmptyPiece::kEmptyText), "x");
}

TEST(WalkList, StopsAtTheFirstEmptyPiece) {
  for (EmptyPiece mode : {EmptyPiece::kEmptyText, EmptyPiece::kDefaultText}) {
    EXPECT_EQ(ListPieces("a||c", "|", mode), std::vector<std::string>{"a"});
    EXPECT_EQ(ListPieces("a|b|", "|", mode), (std::vector<std::string>{"a", "b"}));
    EXPECT_TRUE(ListPieces("", "|", mode).empty());
    EXPECT_TRUE(ListPieces("|a", "|", mode).empty());
  }
}

TEST(WalkList, VisitsInOrderAndStopsWhenAsked) {
  std::vector<int> seen;
  const int visited = WalkList("EUR,FRA,BEL", ",", EmptyPiece::kEmptyText,
                               [&](int index, const std::string& piece) {
                                 seen.push_back(index);
                                 return piece != "FRA";
                               });
  EXPECT_EQ(visited, 2);
  EXPECT_EQ(seen, (std::vector<int>{1, 2}));
}

TEST(WalkList, GivesWhatGetListPieceGivesPieceByPiece) {
  for (const char* list : {"a|b|c", "a||c", "|a", "a|", "||", "abc", "a|b|", "é|½|ü", ""}) {
    std::vector<std::string> expected;
    for (int index = 1;; ++index) {
      const std::string piece = GetListPiece(index, list, "", "|", EmptyPiece::kDefaultText);
      if (piece.empty()) break;
      expected.push_back(piece);
    }
    EXPECT_EQ(ListPieces(list, "|", EmptyPiece::kEmptyText), expected) << list;
  }
}

}  // namespace
}  // namespace orv
