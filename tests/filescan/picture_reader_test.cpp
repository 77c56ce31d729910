// The picture reader on JPEG files built here: camera data in both byte orders, the thumbnail's
// directory, links that point back, the IPTC caption block, and damaged files.
#include "filescan/picture_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "filescan/exif_parser.h"
#include "filescan/jpeg_segments.h"
#include "filescan/picture_text.h"
#include "platform/shell_type.h"
#include "tests/filescan/jpeg_builder.h"
#include "tests/filescan/scan_fixture.h"
#include "text/byte_source.h"
#include "text/codepage.h"
#include "text/format.h"

namespace orv::filescan {
namespace {

using namespace orv::testing;

// A camera's EXIF: IFD0 with make, model and resolution, an EXIF directory with the shot.
ExifBuilder CameraExif(bool big) {
  ExifBuilder exif(big);
  const int ifd0 = exif.AddDirectory();
  const int sub = exif.AddDirectory();
  exif.Ascii(ifd0, 271, "Kestrel");
  exif.Ascii(ifd0, 272, "K-200 Zoom");
  exif.Rational(ifd0, 282, 180, 1);
  exif.Rational(ifd0, 283, 180, 1);
  exif.Short(ifd0, 296, 2);
  exif.Link(ifd0, 34665, sub);
  exif.Rational(sub, 33434, 1, 250);
  exif.Rational(sub, 33437, 28, 10);
  exif.Short(sub, 37385, 0x19);
  exif.Rational(sub, 37386, 58, 10);
  exif.Ascii(sub, 36867, "2004:06:21 10:15:00");
  return exif;
}

std::string CameraJpeg(const ExifBuilder& exif) {
  return StartOfImage() + exif.Segment() + FrameSegment(640, 480) + ScanAndEnd();
}

ExifInfo Walk(const std::string& bytes) {
  text::MemorySource source(bytes);
  ExifInfo info;
  WalkJpegSegments(source, info);
  return info;
}

struct Picture {
  HostItem item;
  std::string title, type, comment, editor, author, lang;
};

void Read(const std::string& bytes, Picture& picture, const std::string& fileTitle = "my_photo") {
  text::MemorySource source(bytes);
  ReadPictureFrom(source, "/pics/my_photo.jpg", fileTitle, *picture.item);
  picture.title = Text(picture.item->title);
  picture.type = Text(picture.item->type);
  picture.comment = Text(picture.item->comment);
  picture.editor = Text(picture.item->editor);
  picture.author = Text(picture.item->author);
  picture.lang = Text(picture.item->lang);
}

TEST(ExifPicture, CameraDataInEitherByteOrderMakeTheSameComment) {
  for (bool big : {false, true}) {
    Picture picture;
    Read(CameraJpeg(CameraExif(big)), picture);
    EXPECT_EQ(picture.title, "my photo") << big;
    EXPECT_EQ(picture.type, "Picture w/ EXIF");
    EXPECT_EQ(picture.item->medium, 38);
    EXPECT_EQ(picture.comment,
              text::Utf8ToUser("Camera: K-200 Zoom (Kestrel)\\nLargeur x Hauteur: 640 x 480"
                               "\\nRésolution L x H: 180 x 180 (dpi)\\nFlash: Oui\\nFocale:  5.8mm"
                               "\\nObturation: (1/250)\\nPoint F: 2.8"))
        << big;
  }
}

TEST(ExifPicture, TheThumbnailDirectoryNeitherReplacesTheResolutionNorStopsTheWalk) {
  ExifBuilder exif = CameraExif(true);
  const int thumbnail = exif.AddDirectory();
  exif.Next(0, thumbnail);
  exif.Rational(thumbnail, 282, 72, 1);
  exif.Rational(thumbnail, 283, 72, 1);
  exif.Short(thumbnail, 296, 3);
  exif.Long(thumbnail, 513, 8);
  exif.Long(thumbnail, 514, 16);
  const ExifInfo info = Walk(CameraJpeg(exif));
  ASSERT_TRUE(info.isExif) << info.lastError;
  EXPECT_EQ(info.xResolution, 180.0f);
  EXPECT_EQ(info.yResolution, 180.0f);
  EXPECT_EQ(info.resolutionUnit, 1.0f);
  EXPECT_EQ(info.thumbnailOffset, 8u);
  EXPECT_EQ(info.thumbnailSize, 16u);
  EXPECT_EQ(info.cameraModel, "K-200 Zoom");
}

TEST(ExifPicture, DirectoryLinksThatPointBackAreFollowedOnce) {
  ExifBuilder exif = CameraExif(false);
  exif.Next(0, 0);         // IFD0 names itself as the next directory
  exif.Link(1, 40965, 0);  // the EXIF directory links back to IFD0
  exif.Next(1, 1);         // and to itself
  const ExifInfo info = Walk(CameraJpeg(exif));
  EXPECT_TRUE(info.isExif) << info.lastError;
  EXPECT_EQ(info.cameraMake, "Kestrel");
  EXPECT_FLOAT_EQ(info.exposureTime, 1.0f / 250);
}

TEST(ExifPicture, ApertureValueAndLongExposuresAndNoUnit) {
  ExifBuilder exif(false);
  const int ifd0 = exif.AddDirectory();
  exif.Ascii(ifd0, 271, "Kestrel");
  exif.Rational(ifd0, 282, 300, 1);  // a resolution without its unit
  exif.Rational(ifd0, 37378, 5, 1);
  exif.SignedRational(ifd0, 37377, -1, 1);  // 2 s from the shutter speed value
  const ExifInfo info = Walk(CameraJpeg(exif));
  ASSERT_TRUE(info.isExif);
  EXPECT_EQ(text::FormatText("%3.1f", info.apertureFNumber), "5.7");
  EXPECT_EQ(ExposureText(info.exposureTime), "2 s");
  EXPECT_EQ(DotsPerInch(info.xResolution, info.resolutionUnit), 0);

  EXPECT_EQ(ExposureText(0.004f), "(1/250)");
  EXPECT_EQ(ExposureText(1.0f), "(1/1)");
  EXPECT_EQ(ExposureText(1.5f), "1.5 s");
  EXPECT_EQ(ExposureText(30.0f), "30 s");
  EXPECT_EQ(ExposureText(0.0f), "");
  EXPECT_EQ(ExposureText(1e-30f), "(1/1000000000)");
}

TEST(ExifPicture, SmallIsoSpeedsAreScaledAndNegativeOnesReadAsNone) {
  const auto iso = [](uint16_t format, uint32_t value) {
    ExifBuilder exif(false);
    exif.Raw(exif.AddDirectory(), 34855, format, 1, Le32(value));
    ExifInfo info;
    EXPECT_TRUE(ParseExifBlock(exif.Block(), info)) << info.lastError;
    return info.isoEquivalent;
  };
  EXPECT_EQ(iso(3, 400), 400);
  EXPECT_EQ(iso(3, 2), 400);  // written divided by 200
  // Signed values below zero: times 200, the first has no int.
  EXPECT_EQ(iso(9, static_cast<uint32_t>(-989921280)), 0);
  EXPECT_EQ(iso(9, static_cast<uint32_t>(-5)), 0);
}

TEST(ExifPicture, AFailingFirstDirectoryLeavesTheBareFile) {
  // A value whose offset runs past the block.
  ExifBuilder exif(false);
  const int ifd0 = exif.AddDirectory();
  exif.Ascii(ifd0, 271, "Kestrel");
  std::string block = exif.Block();
  const std::string tiff = exif.Tiff();
  // Entry 0's offset field sits at 8 + 2 + 8 in the TIFF part.
  block.replace(6 + 18, 4, Le32(0xFFFFFFF0u));
  ExifInfo info;
  EXPECT_FALSE(ParseExifBlock(block, info));
  EXPECT_EQ(info.lastError, "Illegal pointer offset value in EXIF.");

  Picture picture;
  Read(StartOfImage() + JpegSegment(0xE1, block) + ScanAndEnd(), picture);
  EXPECT_EQ(picture.type, platform::ShellTypeName("/pics/my_photo.jpg"));
  EXPECT_EQ(picture.title, "my photo");
  EXPECT_EQ(picture.comment, "");

  // More entries than the block holds, a bad header, a bad format code.
  ExifInfo sized;
  EXPECT_FALSE(ParseExifBlock(std::string("Exif\0\0II\x2A\0\x08\0\0\0\xFF\x00", 16), sized));
  EXPECT_EQ(sized.lastError, "Illegally sized directory");
  ExifInfo header;
  EXPECT_FALSE(ParseExifBlock("Exif\0\0XX", header));
  ExifInfo format;
  ExifBuilder badFormat(true);
  badFormat.Raw(badFormat.AddDirectory(), 271, 13, 1, "x");
  EXPECT_FALSE(ParseExifBlock(badFormat.Block(), format));
  EXPECT_EQ(format.lastError, "Illegal format code in EXIF dir");
}

TEST(ExifPicture, TheFirstDirectoryIsReadWhereItsOffsetSays) {
  ExifBuilder exif(true);
  exif.FirstOffset(12);
  exif.Ascii(exif.AddDirectory(), 271, "Kestrel");
  ExifInfo info;
  ASSERT_TRUE(ParseExifBlock(exif.Block(), info)) << info.lastError;
  EXPECT_EQ(info.cameraMake, "Kestrel");

  ExifBuilder far(false);
  far.FirstOffset(18);
  far.Ascii(far.AddDirectory(), 271, "Kestrel");
  ExifInfo suspicious;
  EXPECT_FALSE(ParseExifBlock(far.Block(), suspicious));
  EXPECT_EQ(suspicious.lastError, "Suspicious offset of first IFD value");
}

TEST(ExifPicture, AFailingSubDirectoryKeepsWhatTheFirstOneHeld) {
  ExifBuilder exif = CameraExif(false);
  exif.Raw(1, 37510, 13, 1, "x");  // the EXIF directory fails on its last entry
  const ExifInfo info = Walk(CameraJpeg(exif));
  EXPECT_TRUE(info.isExif);
  EXPECT_EQ(info.lastError, "Illegal format code in EXIF dir");
  EXPECT_EQ(info.cameraModel, "K-200 Zoom");
}

TEST(ExifPicture, DamagedSegmentsEndTheWalkButKeepAnExifBlockAlreadyRead) {
  const std::string good = CameraJpeg(CameraExif(false));
  // Cut inside the frame header, after the EXIF segment.
  const size_t frame = good.find(std::string("\xFF\xC0", 2));
  ExifInfo cut = Walk(good.substr(0, frame + 6));
  EXPECT_TRUE(cut.isExif);
  EXPECT_EQ(cut.lastError, "Premature end of file?");

  // The EXIF segment's length runs past the end of the file.
  std::string longer = good.substr(0, frame);
  longer[4] = '\x7F';
  EXPECT_FALSE(Walk(longer).isExif);

  // Only fill bytes, a length below 2, no start of image, the end of the image first.
  EXPECT_FALSE(Walk(StartOfImage() + std::string(9, '\xFF')).isExif);
  ExifInfo tiny;
  std::string shortLength = StartOfImage() + std::string("\xFF\xE2\x00\x01", 4);
  text::MemorySource shortSource(shortLength);
  EXPECT_FALSE(WalkJpegSegments(shortSource, tiny));
  EXPECT_EQ(tiny.lastError, "invalid marker");
  text::MemorySource notJpeg("GIF89a");
  EXPECT_FALSE(WalkJpegSegments(notJpeg, tiny));
  const std::string ended = StartOfImage() + std::string("\xFF\xD9\x00\x02", 4);
  text::MemorySource endSource(ended);
  EXPECT_FALSE(WalkJpegSegments(endSource, tiny));

  // Twenty kept segments before the scan.
  std::string many = StartOfImage();
  for (int i = 0; i < 21; ++i) many += JpegSegment(0xDB, "q");
  EXPECT_EQ(Walk(many + ScanAndEnd()).lastError, "Too many sections in jpg file");
}

TEST(IptcPicture, CaptionWithCrLfAndKeywordsMakeTitleAndComment) {
  const std::string records = IptcRecord(2, 120, "Sunset\r\nBeach") + IptcRecord(2, 25, "sea") +
                              IptcRecord(2, 25, "sand") + IptcRecord(2, 110, "Agence Lune") +
                              IptcRecord(2, 101, "France") + IptcRecord(2, 122, "Zoé");
  Picture picture;
  Read(StartOfImage() + JfifSegment() + PhotoshopSegment(records, "cap") + FrameSegment(10, 10) +
           ScanAndEnd(),
       picture);
  EXPECT_EQ(picture.title, "Sunset");
  EXPECT_EQ(picture.type, "Picture w/ IPTC");
  EXPECT_EQ(picture.comment, "Sunset Beach\\nsea, sand, ");
  EXPECT_EQ(picture.editor, "Agence Lune");
  EXPECT_EQ(picture.lang, "France");
  // Not marked UTF-8: the bytes are windows-1252.
  EXPECT_EQ(picture.author, text::Windows1252ToUser("Zo\xC3\xA9"));
}

TEST(IptcPicture, ACharacterSetRecordFirstAndEmptyRecordsAreSkipped) {
  const std::string records = IptcRecord(1, 90, "\x1B%G") + IptcRecord(2, 0, "") +
                              IptcRecord(2, 20, "Nature") + IptcRecord(2, 120, "Été") +
                              IptcRecord(2, 25, "ciel") + IptcRecord(2, 122, "");
  const IptcInfo info = ParseIptcRecords(records);
  EXPECT_EQ(info.caption, text::Utf8ToUser("Été"));
  EXPECT_EQ(IptcComment(info), text::Utf8ToUser("Été\\nNature, \\nciel, "));

  // Bytes that are no record end the scan; a record running past the data too.
  const IptcInfo cut = ParseIptcRecords(IptcRecord(2, 120, "A") + "\x1D" + IptcRecord(2, 25, "x"));
  EXPECT_EQ(cut.caption, "A");
  EXPECT_TRUE(cut.keywords.empty());
  const std::string past = IptcRecord(2, 120, "A") + IptcRecord(2, 25, "long").substr(0, 7);
  EXPECT_TRUE(ParseIptcRecords(past).keywords.empty());
}

TEST(IptcPicture, AnEmptyCaptionOrACameraFileFallsToTheCameraData) {
  ExifBuilder exif = CameraExif(false);
  // JFIF, a caption that starts with a carriage return, then EXIF.
  Picture empty;
  Read(StartOfImage() + JfifSegment() + PhotoshopSegment(IptcRecord(2, 120, "\rnothing")) +
           exif.Segment() + FrameSegment(640, 480) + ScanAndEnd(),
       empty);
  EXPECT_EQ(empty.type, "Picture w/ EXIF");

}

TEST(IptcPicture, ACameraFileWithoutJfifKeepsItsCaption) {
  // EXIF first, no JFIF segment, then another program's segment 13, fill bytes, and the
  // Photoshop one.
  ExifBuilder exif = CameraExif(false);
  Picture camera;
  Read(StartOfImage() + exif.Segment() + JpegSegment(0xED, "Adobe_CM") + "\xFF\xFF" +
           PhotoshopSegment(IptcRecord(2, 120, "Port\r\nBateaux") + IptcRecord(2, 25, "mer")) +
           FrameSegment(640, 480) + ScanAndEnd(),
       camera);
  EXPECT_EQ(camera.type, "Picture w/ IPTC");
  EXPECT_EQ(camera.title, "Port");
  EXPECT_EQ(camera.comment, "Port Bateaux\\nmer, ");

  // The caption of an Adobe export that starts with its own segment 14.
  Picture adobe;
  Read(StartOfImage() + JpegSegment(0xEE, "Adobe\0d") +
           PhotoshopSegment(IptcRecord(2, 120, "Affiche")) + ScanAndEnd(),
       adobe);
  EXPECT_EQ(adobe.title, "Affiche");
}

TEST(IptcPicture, DamagedPhotoshopSegmentsGiveNoCaption) {
  const std::string head = StartOfImage() + JfifSegment();
  const std::string wrongBytes = head + JpegSegment(0xED, "Photoshop 2.5") + ScanAndEnd();
  text::MemorySource wrongSignature(wrongBytes);
  EXPECT_FALSE(ReadIptc(wrongSignature));
  // A resource size past the segment keeps what the segment holds.
  std::string segment = PhotoshopSegment(IptcRecord(2, 120, "Cut"));
  const size_t size = segment.find(std::string("8BIM\x04\x04", 6)) + 8;
  segment.replace(size, 4, Be32(0x7FFFFFFF));
  const std::string oversizedBytes = head + segment + ScanAndEnd();
  text::MemorySource oversized(oversizedBytes);
  const std::optional<IptcInfo> info = ReadIptc(oversized);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->caption, "Cut");
  // A segment length that leaves the file.
  const std::string leavingBytes = head + std::string("\xFF\xE2\x7F\xFF", 4) + "abc";
  text::MemorySource leaving(leavingBytes);
  EXPECT_FALSE(ReadIptc(leaving));
  const std::string scanFirstBytes =
      head + ScanAndEnd() + PhotoshopSegment(IptcRecord(2, 120, "x"));
  text::MemorySource scanFirst(scanFirstBytes);
  EXPECT_FALSE(ReadIptc(scanFirst));
}

TEST(Picture, ABareFileIsTitledAndTypedByTheShell) {
  Picture picture;
  Read("not a picture at all", picture, "holiday_2004");
  EXPECT_EQ(picture.title, "holiday 2004");
  EXPECT_EQ(picture.type, platform::ShellTypeName("/pics/my_photo.jpg"));
  EXPECT_EQ(picture.item->medium, 38);
}

}  // namespace
}  // namespace orv::filescan
