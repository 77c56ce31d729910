// The music reader on MP3 files built here: MPEG-1 and MPEG-2 frames, ID3v1.0 and 1.1 tags,
// ID3v2 tags in front (UTF-16 text frames, a JPEG cover), both tags together, and files with no
// frame or no tag.
#include "filescan/music_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "filescan/genre_names.h"
#include "filescan/mpeg_audio_frames.h"
#include "platform/clock.h"
#include "tests/filescan/jpeg_builder.h"
#include "tests/filescan/mp3_builder.h"
#include "tests/filescan/scan_fixture.h"
#include "text/byte_source.h"
#include "text/codepage.h"

namespace orv::filescan {
namespace {

using namespace orv::testing;

struct Music {
  HostItem item;
  bool filled = false;
  std::string title, type, author, coauthor, comment, length;
};

void Read(const std::string& bytes, Music& music, const std::string& fileTitle = "my_song") {
  text::MemorySource source(bytes);
  music.filled = ReadMusicFrom(source, fileTitle, *music.item);
  music.title = Text(music.item->title);
  music.type = Text(music.item->type);
  music.author = Text(music.item->author);
  music.coauthor = Text(music.item->coauthor);
  music.comment = Text(music.item->comment);
  music.length = music.item->length;
}

// 417-byte frames of 0.0260625 s: 7099 of them last 185 s.
const std::string& ThreeMinutes() {
  static const std::string frames = MpegFrames(7099, 3, 3, 128, 44100);
  return frames;
}

TEST(Music, Mpeg1Layer3WithAnId3v11Tag) {
  Music music;
  Read(ThreeMinutes() + Id3v1("Le Vent  ", "Nina Roche", "Saisons", "1998", 7, 13), music);
  ASSERT_TRUE(music.filled);
  EXPECT_EQ(music.title, "Le Vent");
  EXPECT_EQ(music.author, "Nina Roche");
  EXPECT_EQ(music.coauthor, "Saisons");
  EXPECT_EQ(music.type, "Pop");
  EXPECT_EQ(music.comment, "BitRate:128 Kbits/s - Sample Rate:44 KHz");
  EXPECT_EQ(music.length, "00:03:05");
  EXPECT_EQ(music.item->year, 1998);
  EXPECT_EQ(music.item->chap, 7);
  EXPECT_EQ(music.item->category, 2);
  EXPECT_EQ(music.item->medium, 23);
  EXPECT_EQ(music.item->sound, 1);
  EXPECT_EQ(music.item->price, 0.0f);
}

TEST(Music, Mpeg2Layer3WithAnId3v10TagAndNoTitleNorYear) {
  Music music;
  // 208-byte frames of 0.026 s: 1000 of them last 26 s.
  Read(MpegFrames(1000, 2, 3, 64, 22050) + Id3v1("", "", "", "    ", -1, 147), music,
       "old_radio_show");
  ASSERT_TRUE(music.filled);
  EXPECT_EQ(music.title, "old radio show");
  EXPECT_EQ(music.type, "SynthPop");
  EXPECT_EQ(music.author, "");
  EXPECT_EQ(music.comment, "BitRate:64 Kbits/s - Sample Rate:22 KHz");
  EXPECT_EQ(music.length, "00:00:26");
  EXPECT_EQ(music.item->chap, 0);
  EXPECT_EQ(music.item->year, platform::LocalTime(platform::Now()).tm_year + 1900);
}

TEST(Music, AnId3v2TagInFrontIsSkippedByItsSize) {
  // UTF-16 frames begin FF FE, a cover FF D8 FF E0: none of them is taken for a frame, and the
  // tag may be far longer than the search limit.
  const std::string cover = StartOfImage() + JfifSegment() + std::string(20000, '\xFF');
  const std::string tag = Id3v2(
      Id3v2Utf16Text("TIT2", "Titre") + Id3v2Utf16Text("TPE1", "Artiste") + Id3v2Cover(cover), 100);
  for (bool footer : {false, true}) {
    const std::string front =
        footer ? Id3v2(Id3v2Utf16Text("TIT2", "Titre") + Id3v2Cover(cover), 0, true) : tag;
    Music music;
    Read(front + MpegFrames(1000, 3, 3, 128, 44100) + Id3v1("Tagged", "", "", "2001", 1, 0), music);
    ASSERT_TRUE(music.filled) << footer;
    EXPECT_EQ(music.comment, "BitRate:128 Kbits/s - Sample Rate:44 KHz");
    EXPECT_EQ(music.length, "00:00:26");
    EXPECT_EQ(music.type, "Blues");
  }
}

TEST(Music, GenresOutsideTheTableGiveNoType) {
  for (int genre : {148, 200, 255}) {
    Music music;
    Read(MpegFrames(20, 3, 3, 128, 44100) + Id3v1("Song", "", "", "2000", 1, genre), music);
    ASSERT_TRUE(music.filled);
    EXPECT_EQ(music.type, "") << genre;
  }
  EXPECT_EQ(GenreName(27), "Trip Hop");
  EXPECT_EQ(GenreName(118), "Rhytmic Soul");
  EXPECT_EQ(GenreName(144), "Trash Metal");
  EXPECT_FALSE(GenreName(-1));
}

TEST(Music, PlayingTimeCarriesTheMinutesIntoTheHours) {
  EXPECT_EQ(PlayingTime(185), "00:03:05");
  EXPECT_EQ(PlayingTime(6000), "01:40:00");
  EXPECT_EQ(PlayingTime(3599), "00:59:59");
  EXPECT_EQ(PlayingTime(360000), "100:00:00");
}

TEST(Music, NoFrameYieldsNothing) {
  Music noFrames;
  Read(std::string(20000, 'x') + Id3v1("Song", "", "", "2000", 1, 0), noFrames);
  EXPECT_FALSE(noFrames.filled);
  EXPECT_EQ(noFrames.title, "");

  // The first frame more than 10,001 positions after the end of the ID3v2 tag.
  Music late;
  Read(Id3v2(Id3v2Utf16Text("TIT2", "Titre")) + std::string(10002, '\0') +
           MpegFrames(20, 3, 3, 128, 44100) + Id3v1("Song", "", "", "2000", 1, 0),
       late);
  EXPECT_FALSE(late.filled);
  EXPECT_EQ(late.title, "");

  Music tiny;
  Read("TAG", tiny);
  EXPECT_FALSE(tiny.filled);
}

TEST(Music, AFileWithoutTagsIsTitledByItsName) {
  Music untagged;
  Read(MpegFrames(1000, 3, 3, 128, 44100), untagged, "sans_titre");
  ASSERT_TRUE(untagged.filled);
  EXPECT_EQ(untagged.title, "sans titre");
  EXPECT_EQ(untagged.type, "");
  EXPECT_EQ(untagged.author, "");
  EXPECT_EQ(untagged.comment, "BitRate:128 Kbits/s - Sample Rate:44 KHz");
  EXPECT_EQ(untagged.length, "00:00:26");
  EXPECT_EQ(untagged.item->chap, 0);
}

TEST(Music, AnId3v2TagAloneFillsTheItem) {
  const std::string front = Id3v2TagOf(
      4, 0,
      Id3v2TextFrame(4, "TIT2", 3, "\xC3\x89t\xC3\xA9") + Id3v2TextFrame(4, "TPE1", 3, "Nina") +
          Id3v2TextFrame(4, "TALB", 3, "Saisons") + Id3v2TextFrame(4, "TDRC", 3, "2004-05-06") +
          Id3v2TextFrame(4, "TCON", 3, "(13)") + Id3v2TextFrame(4, "TRCK", 3, "7/12"));
  Music music;
  Read(front + MpegFrames(1000, 3, 3, 128, 44100), music);
  ASSERT_TRUE(music.filled);
  EXPECT_EQ(music.title, text::Utf8ToUser("Été"));
  EXPECT_EQ(music.author, "Nina");
  EXPECT_EQ(music.coauthor, "Saisons");
  EXPECT_EQ(music.type, "Pop");
  EXPECT_EQ(music.item->year, 2004);
  EXPECT_EQ(music.item->chap, 7);
}

TEST(Music, BothTagsKeepId3v1ButTakeBackWhatItCut) {
  const std::string longTitle = "Le vent du nord sur les collines de Bretagne";
  const std::string longArtist = "Orchestre philharmonique de la ville";
  const std::string front = Id3v2TagOf(
      3, 0,
      Id3v2TextFrame(3, "TIT2", 0, longTitle) + Id3v2TextFrame(3, "TPE1", 0, longArtist) +
          Id3v2TextFrame(3, "TALB", 0, "Saisons (version longue)") +
          Id3v2TextFrame(3, "TYER", 0, "1999") + Id3v2TextFrame(3, "TCON", 0, "Chanson"));
  // The ID3v1 artist was cut and then edited: it no longer starts the ID3v2 one. The album fits
  // its field, so the ID3v2 one, though longer and starting with it, does not replace it.
  const std::string back = Id3v1(longTitle.substr(0, 30), "Orchestre philharmonique de Lx",
                                 "Saisons", "1998", 3, 80);
  Music music;
  Read(front + MpegFrames(1000, 3, 3, 128, 44100) + back, music);
  ASSERT_TRUE(music.filled);
  EXPECT_EQ(music.title, longTitle);
  EXPECT_EQ(music.author, "Orchestre philharmonique de Lx");
  EXPECT_EQ(music.coauthor, "Saisons");
  EXPECT_EQ(music.type, "Folk");
  EXPECT_EQ(music.item->year, 1998);
  EXPECT_EQ(music.item->chap, 3);

  // ID3v1 fields left empty are filled from the ID3v2 tag.
  Music sparse;
  Read(front + MpegFrames(1000, 3, 3, 128, 44100) + Id3v1("", "", "", "    ", 0, 255), sparse);
  ASSERT_TRUE(sparse.filled);
  EXPECT_EQ(sparse.title, longTitle);
  EXPECT_EQ(sparse.author, longArtist);
  EXPECT_EQ(sparse.type, "Chanson");
  EXPECT_EQ(sparse.item->year, 1999);
}

TEST(Music, ReservedFieldsAreNoFrameHeader) {
  EXPECT_TRUE(DecodeFrameHeader(MpegHeaderBits(3, 3, 128, 44100)));
  EXPECT_FALSE(DecodeFrameHeader(0xFFE80000u | (1u << 17)));                    // version 01
  EXPECT_FALSE(DecodeFrameHeader(0xFFFA0000u & ~(3u << 17)));                   // layer 00
  EXPECT_FALSE(DecodeFrameHeader(MpegHeaderBits(3, 3, 128, 44100) | 0xF000u));  // bit rate 15
  EXPECT_FALSE(DecodeFrameHeader(MpegHeaderBits(3, 3, 128, 44100) | 0x0C00u));  // rate 3
  // A JPEG cover's start (FF E0: MPEG-2.5 of a reserved layer).
  EXPECT_FALSE(DecodeFrameHeader(0xFFE00010u));

  const std::optional<FrameHeader> layer1 = DecodeFrameHeader(MpegHeaderBits(3, 1, 384, 48000));
  ASSERT_TRUE(layer1);
  EXPECT_EQ(layer1->Length(), 384);
  const std::optional<FrameHeader> mpeg25 = DecodeFrameHeader(MpegHeaderBits(1, 3, 64, 12000));
  ASSERT_TRUE(mpeg25);
  EXPECT_EQ(mpeg25->Length(), 384);
}

}  // namespace
}  // namespace orv::filescan
