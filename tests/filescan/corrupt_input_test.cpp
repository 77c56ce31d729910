// Damaged copies of good files (bytes changed at random places, cut at random lengths) go
// through every decoder: each must end with some answer, never read outside its bytes (the
// sanitizer build checks that) nor hang.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "filescan/exif_parser.h"
#include "filescan/iptc_block.h"
#include "filescan/jpeg_segments.h"
#include "filescan/music_reader.h"
#include "filescan/picture_reader.h"
#include "tests/filescan/jpeg_builder.h"
#include "tests/filescan/mp3_builder.h"
#include "tests/filescan/scan_fixture.h"
#include "text/byte_source.h"

namespace orv::filescan {
namespace {

using namespace orv::testing;

std::string Damaged(const std::string& good, std::mt19937& random) {
  std::string bytes = good;
  const int changes = 1 + static_cast<int>(random() % 8);
  for (int i = 0; i < changes && !bytes.empty(); ++i) {
    const size_t at = random() % bytes.size();
    // Lengths and offsets are where damage hurts: favour the extreme values.
    static const char kValues[] = {'\x00', '\x01', '\x7F', '\x80', '\xFE', '\xFF'};
    bytes[at] = random() % 2 ? kValues[random() % 6] : static_cast<char>(random());
  }
  if (random() % 3 == 0) bytes.resize(random() % (bytes.size() + 1));
  return bytes;
}

std::string GoodPicture(bool iptc) {
  ExifBuilder exif(!iptc);
  const int ifd0 = exif.AddDirectory();
  const int sub = exif.AddDirectory();
  const int next = exif.AddDirectory();
  exif.Ascii(ifd0, 271, "Kestrel");
  exif.Rational(ifd0, 282, 72, 1);
  exif.Short(ifd0, 296, 2);
  exif.Link(ifd0, 34665, sub);
  exif.Next(ifd0, next);
  exif.Rational(sub, 33434, 1, 60);
  exif.Undefined(sub, 37510, std::string("ASCII\0\0\0a comment", 18));
  exif.Link(sub, 40965, ifd0);
  exif.Long(next, 513, 8);
  exif.Long(next, 514, 8);
  const std::string records =
      IptcRecord(1, 90, "\x1B%G") + IptcRecord(2, 120, "Caption\r\nLine") + IptcRecord(2, 25, "k");
  return StartOfImage() + (iptc ? JfifSegment() + PhotoshopSegment(records, "nm") : "") +
         exif.Segment() + JpegSegment(0xFE, "comment\r\n\x01") + GreyImage(16, 16);
}

TEST(CorruptInput, DamagedPicturesAlwaysGiveAnAnswer) {
  std::mt19937 random(20040621);
  for (bool iptc : {true, false}) {
    const std::string good = GoodPicture(iptc);
    for (int round = 0; round < 1500; ++round) {
      const std::string bytes = Damaged(good, random);
      text::MemorySource source(bytes);
      HostItem item;
      ReadPictureFrom(source, "/x/p.jpg", "p", *item);
      EXPECT_FALSE(Text(item->title).empty());
      ExifInfo info;
      WalkJpegSegments(source, info);
      ParseExifBlock(bytes, info);
      ParseIptcRecords(bytes);
    }
  }
}

TEST(CorruptInput, DamagedMusicAlwaysGivesAnAnswer) {
  std::mt19937 random(19980312);
  const std::string good = Id3v2(Id3v2Utf16Text("TIT2", "T") + Id3v2Cover(GoodPicture(true))) +
                           MpegFrames(30, 3, 3, 128, 44100) + MpegFrames(10, 2, 1, 64, 24000) +
                           Id3v1("Title", "Artist", "Album", "1999", 2, 3);
  for (int round = 0; round < 1500; ++round) {
    const std::string bytes = Damaged(good, random);
    text::MemorySource source(bytes);
    HostItem item;
    if (ReadMusicFrom(source, "song", *item)) {
      EXPECT_FALSE(Text(item->title).empty());
    }
  }
}

}  // namespace
}  // namespace orv::filescan
