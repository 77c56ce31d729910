// Disc identifiers and query arguments from tables of contents.
#include "discfetch/disc_id.h"

#include <gtest/gtest.h>

namespace orv::discfetch {
namespace {

TEST(DiscId, WorkedExampleGivesItsIdentifierAndQueryArguments) {
  const DiscToc toc = {{0, 2, 0}, {3, 30, 37}, {7, 1, 12}};
  EXPECT_EQ(ComputeDiscId(toc), 0x0501A302u);
  const auto arguments = FormatQueryArguments(ComputeDiscId(toc), toc);
  EXPECT_EQ(arguments[0], "0501a302");
  EXPECT_EQ(arguments[1], "2");
  EXPECT_EQ(arguments[2], "150+15787");
  EXPECT_EQ(arguments[3], "421");
}

TEST(DiscId, PlayingTimeCountsFromTheFirstTrackAndFramesAreDropped) {
  // t = 540 - 65; digit sums of 65 and 300: 11 + 3.
  EXPECT_EQ(ComputeDiscId({{1, 5, 0}, {5, 0, 0}, {9, 0, 74}}), 0x0E01DB02u);
  // A track at 0:00:00 adds nothing to the checksum; leading zeros in the identifier.
  const DiscToc toc = {{0, 0, 0}, {0, 10, 0}};
  EXPECT_EQ(ComputeDiscId(toc), 0x00000A01u);
  EXPECT_EQ(FormatQueryArguments(ComputeDiscId(toc), toc)[0], "00000a01");
  EXPECT_EQ(FormatQueryArguments(ComputeDiscId(toc), toc)[2], "0") << "one track: no '+'";
}

TEST(DiscId, ChecksumIsTakenModulo255) {
  // 255 = 51 tracks of digit sum 5 (0:05:00); 256 adds a track of digit sum 1 (0:10:00 is 1).
  DiscToc toc(51, TrackPosition{0, 5, 0});
  toc.push_back({10, 0, 0});
  EXPECT_EQ(ComputeDiscId(toc) >> 24, 0u);
  toc.insert(toc.begin(), TrackPosition{0, 10, 0});
  EXPECT_EQ(ComputeDiscId(toc) >> 24, 1u);
}

TEST(DiscId, TooShortATableGivesNoIdentifier) {
  EXPECT_EQ(ComputeDiscId({}), 0u);
  EXPECT_EQ(ComputeDiscId({{0, 2, 0}}), 0u);
}

}  // namespace
}  // namespace orv::discfetch
