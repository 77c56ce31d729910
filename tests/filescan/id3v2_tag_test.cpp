// The ID3v2 reader on tags built here: versions 2.2, 2.3 and 2.4, each text encoding,
// unsynchronisation of the whole tag and of one frame, extended headers, footers, 2.4 tags
// written with plain sizes, and damaged tags.
#include "filescan/id3v2_tag.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/builders/counting_source.h"
#include "tests/filescan/mp3_builder.h"
#include "text/buffered_reader.h"
#include "text/byte_source.h"
#include "text/codepage.h"

namespace orv::filescan {
namespace {

using namespace orv::testing;

std::optional<Id3v2Tag> ParseTag(const std::string& bytes) {
  text::MemorySource source(bytes);
  text::BufferedReader reader(source);
  return ReadId3v2(reader);
}

TEST(Id3v2, Version22ThreeLetterFramesInLatin1) {
  const std::string frames =
      Id3v2TextFrame(2, "TT2", 0, "Caf\xE9 du port") + Id3v2TextFrame(2, "TP1", 0, "Nina") +
      Id3v2TextFrame(2, "TAL", 0, "Saisons") + Id3v2TextFrame(2, "TYE", 0, "1998") +
      Id3v2TextFrame(2, "TCO", 0, "(13)") + Id3v2TextFrame(2, "TRK", 0, "3/12");
  const auto tag = ParseTag(Id3v2TagOf(2, 0, frames + std::string(30, '\0')));
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->version, 2);
  EXPECT_EQ(tag->title, text::Utf8ToUser("Café du port"));
  EXPECT_EQ(tag->artist, "Nina");
  EXPECT_EQ(tag->album, "Saisons");
  EXPECT_EQ(tag->year, "1998");
  EXPECT_EQ(tag->genre, "Pop");
  EXPECT_EQ(tag->track, 3);
}

TEST(Id3v2, Version23Utf16InBothByteOrdersAfterAnExtendedHeader) {
  // A 2.3 extended header counts its size without its own four bytes.
  const std::string extended = Be32(6) + std::string(6, '\0');
  const std::string frames =
      Id3v2TextFrame(3, "TIT2", 1, "\xFF\xFE" + Utf16Units("\xC9t\xE9", false)) +
      Id3v2TextFrame(3, "TPE1", 1, "\xFE\xFF" + Utf16Units("Orchestre", true)) +
      Id3v2TextFrame(3, "TYER", 0, "2003") + Id3v2TextFrame(3, "TCON", 0, "(4)Eurodisco");
  const auto tag = ParseTag(Id3v2TagOf(3, 0x40, extended + frames));
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->title, text::Utf8ToUser("Été"));
  EXPECT_EQ(tag->artist, "Orchestre");
  EXPECT_EQ(tag->year, "2003");
  EXPECT_EQ(tag->genre, "Eurodisco");
}

TEST(Id3v2, Version24Utf8AndUtf16BigEndianWithFooterAndSyncsafeSizes) {
  // A 200-byte frame before the title: its syncsafe size (01 48) differs from the plain one.
  const std::string extended = Syncsafe(6) + std::string(1, '\1') + std::string(1, '\0');
  const std::string frames = Id3v2FrameOf(4, "PRIV", std::string(200, 'p')) +
                             Id3v2TextFrame(4, "TIT2", 3, "\xC3\x89t\xC3\xA9 indien") +
                             Id3v2TextFrame(4, "TPE1", 2, Utf16Units("Duo", true)) +
                             Id3v2TextFrame(4, "TDRC", 3, "2004-05-06T10:00") +
                             Id3v2TextFrame(4, "TCON", 3, "17") +
                             Id3v2TextFrame(4, "TALB", 3, std::string("Premier\0Second", 14));
  const auto tag = ParseTag(Id3v2TagOf(4, 0x50, extended + frames));
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->title, text::Utf8ToUser("Été indien"));
  EXPECT_EQ(tag->artist, "Duo");
  EXPECT_EQ(tag->year, "2004");
  EXPECT_EQ(tag->genre, "Rock");
  EXPECT_EQ(tag->album, "Premier");  // the first of several values
}

TEST(Id3v2, Version24WrittenWithPlainSizesIsStillRead) {
  const std::string frames = Id3v2FrameOf(4, "PRIV", std::string(200, 'p'), 0, true) +
                             Id3v2FrameOf(4, "TIT2", std::string("\3Titre\0", 7), 0, true);
  const auto tag = ParseTag(Id3v2TagOf(4, 0, frames));
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->title, "Titre");
}

TEST(Id3v2, UnsynchronisationOfTheWholeTagAndOfOneFrame) {
  // Latin-1 "ÿé" is FF E9: unsynchronised, a zero stands between them.
  const std::string frames23 =
      Id3v2TextFrame(3, "TIT2", 0, "\xFF\xE9t\xE9") + Id3v2TextFrame(3, "TPE1", 0, "Apr\xE8s");
  const std::string unsynced23 = Unsynchronise(frames23);
  ASSERT_NE(unsynced23, frames23);
  auto tag = ParseTag(Id3v2TagOf(3, 0x80, unsynced23));
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->title, text::Utf8ToUser("ÿété"));
  EXPECT_EQ(tag->artist, text::Utf8ToUser("Après"));

  // 2.4: the frame's own flag, with a data length indicator before the data; the size counts
  // the bytes as stored.
  const std::string data = Unsynchronise(std::string("\0\xFF\xE9t\xE9\0", 6));
  const std::string frame24 =
      Id3v2FrameOf(4, "TIT2", Syncsafe(6) + data, 0x03) + Id3v2TextFrame(4, "TPE1", 0, "Duo");
  tag = ParseTag(Id3v2TagOf(4, 0, frame24));
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->title, text::Utf8ToUser("ÿété"));
  EXPECT_EQ(tag->artist, "Duo");
}

TEST(Id3v2, GenreNamesInEveryForm) {
  EXPECT_EQ(Id3v2GenreName("(13)"), "Pop");
  EXPECT_EQ(Id3v2GenreName("(13)(17)"), "Pop");
  EXPECT_EQ(Id3v2GenreName("(4)Eurodisco"), "Eurodisco");
  EXPECT_EQ(Id3v2GenreName("((Rare) groove"), "(Rare) groove");
  EXPECT_EQ(Id3v2GenreName("(RX)"), "Remix");
  EXPECT_EQ(Id3v2GenreName("(CR)"), "Cover");
  EXPECT_EQ(Id3v2GenreName("147"), "SynthPop");
  EXPECT_EQ(Id3v2GenreName("Chanson"), "Chanson");
  EXPECT_EQ(Id3v2GenreName("(200)"), "");
  EXPECT_EQ(Id3v2GenreName("(13"), "(13");
  EXPECT_EQ(Id3v2GenreName(""), "");
}

TEST(Id3v2, DamagedTagsGiveWhatCanBeRead) {
  const std::string title = Id3v2TextFrame(3, "TIT2", 0, "Titre");
  // A tag claiming more bytes than the file holds; a frame running past the tag.
  std::string cut = Id3v2TagOf(3, 0, title + Id3v2TextFrame(3, "TPE1", 0, "Artiste"));
  cut.resize(cut.size() - 4);
  auto tag = ParseTag(cut);
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->title, "Titre");
  EXPECT_EQ(tag->artist, "Arti");

  // Compressed and encrypted frames are passed over; garbage after them ends the walk.
  tag = ParseTag(Id3v2TagOf(3, 0,
                            Id3v2FrameOf(3, "TPE1", "xxxxzlib", 0x80) +
                                Id3v2FrameOf(3, "TALB", "?secret", 0x40) + title + "\x01\x02junk"));
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->title, "Titre");
  EXPECT_EQ(tag->artist, "");
  EXPECT_EQ(tag->album, "");

  // No tag, a version not known, a size that is not syncsafe, a compressed 2.2 tag, an
  // extended header larger than the tag.
  EXPECT_FALSE(ParseTag("ID3"));
  EXPECT_FALSE(ParseTag(Id3v2TagOf(5, 0, title)));
  std::string notSyncsafe = Id3v2TagOf(3, 0, title);
  notSyncsafe[9] = '\x80';
  EXPECT_FALSE(ParseTag(notSyncsafe));
  EXPECT_FALSE(ParseTag(Id3v2TagOf(2, 0x40, Id3v2TextFrame(2, "TT2", 0, "Titre"))));
  tag = ParseTag(Id3v2TagOf(3, 0x40, Be32(1000) + title));
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->title, "");
}

TEST(Id3v2, ACoverPictureAfterTheTextsIsNeverRead) {
  const std::string frames = Id3v2TextFrame(3, "TIT2", 0, "T") + Id3v2TextFrame(3, "TPE1", 0, "A") +
                             Id3v2TextFrame(3, "TALB", 0, "B") + Id3v2TextFrame(3, "TYER", 0, "1") +
                             Id3v2TextFrame(3, "TCON", 0, "2") + Id3v2TextFrame(3, "TRCK", 0, "3") +
                             Id3v2FrameOf(3, "APIC", std::string(1 << 20, 'j'));
  const std::string bytes = Id3v2TagOf(3, 0, frames);
  CountingSource source(bytes);
  text::BufferedReader reader(source, 4096);
  const auto tag = ReadId3v2(reader);
  ASSERT_TRUE(tag);
  EXPECT_EQ(tag->track, 3);
  EXPECT_LE(source.bytesRead, 4096u);
}

}  // namespace
}  // namespace orv::filescan
