// The Linux drive on disc images made by the tests: tables of contents, identifiers that
// agree with libdiscid's freedb identifier, and the images swapped at each acquisition.
#include "platform/cd_drive.h"

#include <discid/discid.h>
#include <gtest/gtest.h>

#include <cstdio>

#include "discfetch/disc_id.h"
#include "platform/process.h"
#include "tests/discfetch/disc_image.h"
#include "tests/platform/temp_folder.h"

namespace orv::discfetch {
namespace {

using testing::EvenTracks;
using testing::ImageTrack;
using testing::WorkedExampleTracks;
using testing::WriteCueImage;
using testing::WriteTocImage;

std::string Hex(uint32_t id) {
  char text[16];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(id));
  return text;
}

// libdiscid's freedb identifier of the same offsets.
std::string LibdiscidFreedbId(const DiscToc& toc) {
  DiscId* disc = discid_new();
  std::vector<int> offsets(toc.size() + 1, 0);
  offsets[0] = static_cast<int>(FrameCount(toc.back()));
  for (size_t i = 0; i + 1 < toc.size(); ++i) offsets[i + 1] = static_cast<int>(FrameCount(toc[i]));
  std::string id;
  if (discid_put(disc, 1, static_cast<int>(toc.size() - 1), offsets.data())) {
    id = discid_get_freedb_id(disc);
  }
  discid_free(disc);
  return id;
}

class ImageDrive : public ::testing::Test {
 protected:
  void TearDown() override { platform::SetEnvironmentValue("ORVHOST_CDROM", ""); }
  void Insert(const std::string& images) { platform::SetEnvironmentValue("ORVHOST_CDROM", images); }
  orv::testing::TempFolder folder_;
};

TEST_F(ImageDrive, WorkedExampleImageGivesItsTableAndIdentifier) {
  for (const std::string& image : {WriteCueImage(folder_.Path(), "example", WorkedExampleTracks()),
                                   WriteTocImage(folder_.Path(), "toc", WorkedExampleTracks())}) {
    Insert(image);
    ASSERT_EQ(platform::ListCdDrives().size(), 1u);
    DiscToc toc;
    ASSERT_TRUE(platform::ReadToc(toc)) << image;
    ASSERT_EQ(toc.size(), 3u);
    EXPECT_EQ(FrameCount(toc[0]), 150) << "the lead-in is part of every position";
    EXPECT_EQ(FrameCount(toc[1]), 15787);
    EXPECT_EQ(FrameCount(toc[2]), 31587) << "7:01:12, not one frame more";
    EXPECT_EQ(ComputeDiscId(toc), 0x0501a302u);
    EXPECT_EQ(FormatQueryArguments(ComputeDiscId(toc), toc)[2], "150+15787");
  }
}

TEST_F(ImageDrive, IdentifiersAgreeWithLibdiscidOnAudioDiscs) {
  const std::vector<std::vector<ImageTrack>> discs = {WorkedExampleTracks(),
                                                      EvenTracks(1, 1),
                                                      EvenTracks(11, 247),
                                                      EvenTracks(20, 61),
                                                      {{14000}, {3}, {22222}, {75 * 600}}};
  for (size_t i = 0; i < discs.size(); ++i) {
    Insert(WriteCueImage(folder_.Path(), "disc" + std::to_string(i), discs[i]));
    DiscToc toc;
    ASSERT_TRUE(platform::ReadToc(toc));
    EXPECT_EQ(Hex(ComputeDiscId(toc)), LibdiscidFreedbId(toc)) << "disc " << i;
  }
}

TEST_F(ImageDrive, DataTracksCountButADataOnlyDiscIsRefused) {
  Insert(WriteCueImage(folder_.Path(), "mixed", {{9000, false}, {15000}, {15000}}));
  DiscToc toc;
  ASSERT_TRUE(platform::ReadToc(toc));
  EXPECT_EQ(toc.size(), 4u) << "mixed disc: the data track 1 is in the table";
  EXPECT_EQ(ComputeDiscId(toc) & 0xff, 3u);
  Insert(WriteCueImage(folder_.Path(), "enhanced", {{15000}, {15000}, {30000, false}}));
  ASSERT_TRUE(platform::ReadToc(toc));
  EXPECT_EQ(toc.size(), 4u) << "enhanced disc: the trailing data track too";
  Insert(WriteCueImage(folder_.Path(), "data", {{30000, false}}));
  EXPECT_FALSE(platform::ReadToc(toc));
  EXPECT_TRUE(toc.empty());
  Insert(folder_ / "missing.cue");
  EXPECT_FALSE(platform::ReadToc(toc));
  Insert(folder_.Write("garbage.cue", "FILE nonsense\nTRACK\n"));
  EXPECT_FALSE(platform::ReadToc(toc));
}

TEST_F(ImageDrive, EachAcquisitionTakesTheNextImageAndTheLastStays) {
  const std::string a = WriteCueImage(folder_.Path(), "a", EvenTracks(2, 100));
  const std::string b = WriteCueImage(folder_.Path(), "b", EvenTracks(3, 100));
  Insert(a + ":" + b);
  EXPECT_EQ(platform::ListCdDrives(), std::vector<std::string>{a});
  DiscToc toc;
  for (size_t tracks : {2u, 3u, 3u}) {
    platform::TakeNextDisc();
    ASSERT_TRUE(platform::ReadToc(toc));
    EXPECT_EQ(toc.size(), tracks + 1);
  }
  platform::SetDoor(true, a);  // an image has no tray: nothing happens
  platform::SetDoor(false, a);
}

}  // namespace
}  // namespace orv::discfetch
