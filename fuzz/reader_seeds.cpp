// Seeds of the file readers' targets: well-formed files of each family, in the variants the
// readers tell apart (byte orders, versions, layers, code pages, sector sizes), so the fuzzer
// starts with every branch of a good file in reach. Each stays a few KiB.
#include <string>
#include <vector>

#include "fuzz/reader_inputs.h"
#include "tests/builders/avi_builder.h"
#include "tests/builders/compound_file_builder.h"
#include "tests/builders/pe_builder.h"
#include "tests/builders/property_set_builder.h"
#include "tests/filescan/jpeg_builder.h"
#include "tests/filescan/mp3_builder.h"

namespace orv::fuzz {
namespace {

using namespace orv::testing;


// Pictures ----------------------------------------------------------------------------------

std::string CameraBlock(bool big) {
  ExifBuilder exif(big);
  const int main = exif.AddDirectory();
  const int shot = exif.AddDirectory();
  const int interop = exif.AddDirectory();
  const int thumbnail = exif.AddDirectory();
  exif.Ascii(main, 271, "Kestrel");
  exif.Ascii(main, 272, "K-200 Zoom");
  exif.Short(main, 274, 6);
  exif.Rational(main, 282, 300, 1);
  exif.Rational(main, 283, 300, 1);
  exif.Short(main, 296, 3);
  exif.Link(main, 34665, shot);
  exif.Next(main, thumbnail);
  if (big) {
    exif.SignedRational(shot, 37377, 8, 1);  // shutter speed instead of an exposure time
    exif.Rational(shot, 37378, 4, 1);        // aperture instead of an f-number
    exif.SignedRational(shot, 37379, -2, 3);
    exif.Raw(shot, 41486, 11, 1, U32(0x44FA0000, big));  // 2000.0 as a float
    exif.Short(shot, 41488, 2);
  } else {
    exif.Rational(shot, 33434, 1, 250);
    exif.Rational(shot, 33437, 28, 10);
    exif.Raw(shot, 37382, 12, 1, U32(0x40140000, big) + U32(0, big));  // 5.0 as a double
    exif.Rational(shot, 41486, 3000, 1);
    exif.Short(shot, 41488, 4);
  }
  exif.Short(shot, 34850, 2);
  exif.Short(shot, 34855, 4);
  exif.Undefined(shot, 36864, "0220");
  exif.Ascii(shot, 36867, "2004:06:21 10:15:00");
  exif.Long(shot, 37122, 2);
  exif.SignedRational(shot, 37380, -1, 3);
  exif.Short(shot, 37383, 5);
  exif.Short(shot, 37384, 1);
  exif.Short(shot, 37385, 1);
  exif.Rational(shot, 37386, 58, 10);
  exif.Undefined(shot, 37510, std::string("ASCII\0\0\0Sur le port   ", 22));
  exif.Long(shot, 40962, 640);
  exif.Short(shot, 40963, 480);
  exif.Link(shot, 40965, interop);
  exif.Ascii(interop, 1, "R98");
  exif.Rational(thumbnail, 282, 72, 1);
  exif.Short(thumbnail, 296, 2);
  exif.Long(thumbnail, 513, 8);
  exif.Long(thumbnail, 514, 16);
  return exif.Block();
}

std::string Picture(const std::string& segments) {
  return StartOfImage() + segments + FrameSegment(32, 24) + ScanAndEnd();
}

std::string CaptionRecords(bool utf8) {
  std::string records = utf8 ? IptcRecord(1, 90, "\x1B%G") : std::string();
  records += IptcRecord(2, 120,
                        utf8 ? "Port de p\xC3\xAA"
                               "che\r\nLes bateaux"
                             : "March\xE9");
  records += IptcRecord(2, 110, "Agence") + IptcRecord(2, 101, "France");
  records += IptcRecord(2, 122, "Zo\xC3\xA9") + IptcRecord(2, 20, "Mer");
  records += IptcRecord(2, 25, "bateau") + IptcRecord(2, 25, "port") + IptcRecord(2, 0, "");
  return records;
}

void AddPictures(std::vector<InputFile>& out) {
  out.push_back({"jpeg_exif", "exif_intel_camera", Picture(JpegSegment(0xE1, CameraBlock(false)))});
  out.push_back(
      {"jpeg_exif", "exif_motorola_camera_comment",
       Picture(JpegSegment(0xE1, CameraBlock(true)) + JpegSegment(0xFE, "Vue du port\r\n\x01"))});
  out.push_back({"jpeg_exif", "exif_block_alone", CameraBlock(false)});
  // Fill bytes before a marker, a progressive frame and a restart interval segment.
  out.push_back({"jpeg_exif", "jfif_progressive_fill_bytes",
                 StartOfImage() + JfifSegment() + std::string("\xFF\xFF", 2) +
                     JpegSegment(0xDD, std::string("\x00\x04", 2)) +
                     JpegSegment(0xC2, std::string("\x08\x00\x10\x00\x10\x01\x01\x11\x00", 9)) +
                     ScanAndEnd()});
  out.push_back({"iptc", "iptc_utf8_caption",
                 Picture(JfifSegment() + PhotoshopSegment(CaptionRecords(true), "IPTC"))});
  out.push_back({"iptc", "iptc_windows1252_caption_and_exif",
                 Picture(JfifSegment() + JpegSegment(0xE1, CameraBlock(true)) +
                         PhotoshopSegment(CaptionRecords(false)))});
  out.push_back({"iptc", "iptc_records_alone", CaptionRecords(true)});
}

// Music -------------------------------------------------------------------------------------

void AddMusic(std::vector<InputFile>& out) {
  const std::string tag11 = Id3v1("Le vent du nord", "Nina Roche", "Saisons", "1998", 3, 80);
  const std::string tag10 = Id3v1("Radio", "Les Ondes", "", "1987", -1, 12);
  out.push_back({"mp3", "mpeg1_layer3_id3v11", MpegFrames(6, 3, 3, 128, 44100) + tag11});
  out.push_back({"mp3", "mpeg2_layer3_id3v10", MpegFrames(8, 2, 3, 64, 22050) + tag10});
  out.push_back({"mp3", "mpeg25_layer3_padding",
                 MpegFrame(1, 3, 32, 8000, true) + MpegFrame(1, 3, 32, 8000) + tag11});
  out.push_back({"mp3", "layer1_and_layer2_frames",
                 MpegFrames(3, 3, 1, 128, 48000) + MpegFrames(3, 2, 2, 64, 24000) + tag10});
  out.push_back({"mp3", "id3v2_utf16_then_frames",
                 Id3v2(Id3v2Utf16Text("TIT2", "Pluie") + Id3v2Utf16Text("TPE1", "Nina"), 32) +
                     MpegFrames(4, 3, 3, 64, 32000) + tag11});
  out.push_back(
      {"mp3", "id3v24_footer_then_frames",
       Id3v2(Id3v2Utf16Text("TALB", "Saisons"), 0, true) + MpegFrames(4, 3, 2, 96, 44100) + tag11});
}

// ID3v2 tags of each version, as the music files carry them.
void AddId3v2(std::vector<InputFile>& out) {
  const auto add = [&](const std::string& name, const std::string& bytes) {
    out.push_back({"id3v2", name, bytes});
  };
  add("v22_latin1_frames",
      Id3v2TagOf(2, 0,
                 Id3v2TextFrame(2, "TT2", 0, "Caf\xE9") + Id3v2TextFrame(2, "TP1", 0, "Nina") +
                     Id3v2TextFrame(2, "TCO", 0, "(13)") + Id3v2TextFrame(2, "TRK", 0, "3/12") +
                     std::string(16, '\0')));
  add("v23_utf16_extended_header",
      Id3v2TagOf(3, 0x40,
                 Be32(6) + std::string(6, '\0') +
                     Id3v2TextFrame(3, "TIT2", 1, "\xFF\xFE" + Utf16Units("Pluie", false)) +
                     Id3v2TextFrame(3, "TPE1", 1, "\xFE\xFF" + Utf16Units("Nina", true)) +
                     Id3v2TextFrame(3, "TYER", 0, "1998") +
                     Id3v2TextFrame(3, "TCON", 0, "(4)Eurodisco")));
  add("v23_unsynchronised",
      Id3v2TagOf(3, 0x80, Unsynchronise(Id3v2TextFrame(3, "TIT2", 0, "\xFF\xE9t\xE9") +
                                        Id3v2FrameOf(3, "APIC", "\0image/jpeg\0\3\0\xFF\xD8\xFF"))));
  add("v24_utf8_footer_frame_flags",
      Id3v2TagOf(4, 0x10,
                 Id3v2FrameOf(4, "TIT2", Syncsafe(6) + Unsynchronise(std::string("\0\xFF\xE9t\xE9\0", 6)),
                              0x03) +
                     Id3v2TextFrame(4, "TALB", 3, std::string("Un\0Deux", 7)) +
                     Id3v2TextFrame(4, "TDRC", 3, "2004-05-06") +
                     Id3v2TextFrame(4, "TPE1", 2, Utf16Units("Duo", true))));
  add("v24_plain_sizes", Id3v2TagOf(4, 0,
                                    Id3v2FrameOf(4, "PRIV", std::string(200, 'p'), 0, true) +
                                        Id3v2FrameOf(4, "TIT2", std::string("\3Titre\0", 7), 0, true)) +
                             Id3v1("Titre", "", "", "2000", 1, 0));
}

// Videos ------------------------------------------------------------------------------------

void AddVideos(std::vector<InputFile>& out) {
  const auto add = [&](const std::string& name, AviSpec layout) {
    out.push_back({"avi", name, BuildAvi(layout)});
  };
  AviSpec two;
  two.streams = {VideoStream("xvid", 640, 480, 25, 1, 250), AudioStream(0x55, 2, 48000),
                 AudioStream(0x2000, 6, 48000)};
  add("xvid_mp3_ac3", two);
  AviSpec surround;
  AviStreamSpec ac3 = AudioStream(0, 6, 48000);
  ac3.format = ExtensibleWaveFormat(0x2000, 6, 48000, 0x3F);
  surround.streams = {VideoStream("DX50", 720, 576, 25, 1, 100), ac3};
  add("dx50_extensible_ac3", surround);
  AviSpec junk;
  junk.junkBeforeHeaders = true;
  junk.streams = {VideoStream("MJPG", 320, 240, 30000, 1001, 45), AudioStream(1, 1, 22050)};
  add("junk_then_mjpg_pcm", junk);
  AviSpec openDml;
  openDml.openDmlFrames = 90000;
  openDml.extendedRiff = true;
  openDml.streams = {VideoStream("DX50", 720, 576, 25, 1, 1000)};
  add("opendml_extended_riff", openDml);
  // A top-down bitmap and no frame rectangle: the size comes from the format block.
  AviSpec bitmap;
  AviStreamSpec video = VideoStream("DIB ", 0, 0, 15, 1, 30);
  video.format = BitmapFormat(160, -120, "\0\0\0\0");
  bitmap.streams = {video};
  add("bitmap_size_top_down", bitmap);
  AviSpec missing;
  AviStreamSpec noHeader = AudioStream(0x161, 2, 44100);
  noHeader.withHeader = false;
  missing.streams = {VideoStream("H264", 1280, 720, 24, 1, 240), noHeader};
  missing.declaredStreams = 3;
  add("streams_fewer_than_declared", missing);
}

// Office documents --------------------------------------------------------------------------

std::string SummarySet(uint16_t codePage) {
  return BuildPropertySet({CodePageProperty(codePage), StringProperty(2, "Rapport"),
                           StringProperty(3, "Trimestre"), StringProperty(4, "Zo\xC3\xA9"),
                           StringProperty(5, "ventes"), StringProperty(6, "Final"),
                           StringProperty(8, "Bob")});
}

void AddDocuments(std::vector<InputFile>& out) {
  const std::string cp1252 = SummarySet(1252);
  out.push_back(
      {"compound_file", "summary_in_mini_stream",
       BuildCompoundFile({{"WordDocument", std::string(700, 'd')}, {kSummaryName, cp1252}}).bytes});
  out.push_back({"compound_file", "document_in_regular_sectors",
                 BuildCompoundFile({{"WordDocument", std::string(4200, 'd')},
                                    {kSummaryName, SummarySet(65001)},
                                    {"1Table", std::string(90, 't')}})
                     .bytes});
  out.push_back({"compound_file", "no_summary_stream",
                 BuildCompoundFile({{"Workbook", std::string(900, 'x')}}).bytes});

  out.push_back({"property_set", "summary_windows1252", cp1252});
  out.push_back({"property_set", "summary_utf8", SummarySet(65001)});
  out.push_back({"property_set", "summary_windows1251", SummarySet(1251)});
  std::string wide;
  Put32(wide, 6);
  wide += Utf16Le("Titre") + std::string(2, '\0');
  out.push_back({"property_set", "summary_utf16_strings",
                 BuildPropertySet({CodePageProperty(1200),
                                   {2, Utf16LpstrValue("Rapport")},
                                   {4, wide, kVtLpwstr},
                                   {5, I2Value(7), kVtI4}})});
  // Another set's section first: it is passed over.
  const std::string other = BuildPropertySection({StringProperty(2, "autre")});
  const std::string summary = BuildPropertySection({StringProperty(2, "Rapport")});
  std::string two;
  Put16(two, 0xFFFE), Put16(two, 0), Put32(two, 0x00020005);
  two += std::string(16, '\0');
  Put32(two, 2);
  two += std::string(16, '\x11');
  Put32(two, 68);
  two += SummaryFormatId();
  Put32(two, 68 + static_cast<uint32_t>(other.size()));
  out.push_back({"property_set", "another_section_first", two + other + summary});
}

// Programs ----------------------------------------------------------------------------------

void AddPrograms(std::vector<InputFile>& out) {
  const auto image = [](const VersionSpec& version, bool plus, bool resources) {
    PeSpec layout;
    layout.pe32Plus = plus;
    layout.withResources = resources;
    layout.versionBlock = BuildVersionBlock(version);
    return BuildPe(layout).bytes;
  };
  VersionSpec tool = ReportToolVersion();
  tool.strings.push_back({"Comments", "Outil d\xC3\xA9taill\xC3\xA9"});
  out.push_back({"pe_version", "pe32_version_strings", image(tool, false, true)});
  out.push_back({"pe_version", "pe32plus_version_strings", image(tool, true, true)});
  VersionSpec french = ReportToolVersion();
  french.tableKey = "040c04e4";
  french.translations = {{0x040C, 0x04E4}, {0x0409, 0x04B0}};
  out.push_back(
      {"pe_version", "pe32_lower_case_table_two_translations", image(french, false, true)});
  VersionSpec none = ReportToolVersion();
  none.translations.clear();
  out.push_back({"pe_version", "pe32_empty_translation_list", image(none, false, true)});
  out.push_back({"pe_version", "version_block_alone", BuildVersionBlock(tool)});
}

// Web pages ---------------------------------------------------------------------------------

void AddWebPages(std::vector<InputFile>& out) {
  const auto add = [&](const std::string& name, const std::string& page) {
    out.push_back({"web_page", name, page});
  };
  add("meta_charset_utf8",
      "<html><head><meta charset=\"utf-8\" /><title>Caf\xC3\xA9</title>"
      "<meta name=\"description\" content=\"Un caf\xC3\xA9\"/></head><body></body></html>\n");
  add("http_equiv_latin1",
      "<HTML><HEAD><META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=ISO-8859-1\">"
      "<TITLE>March\xE9</TITLE>\r\n<META NAME=\"Description\" CONTENT=\"Fleurs\">\r\n</HEAD>");
  add("byte_order_mark_utf8",
      "\xEF\xBB\xBF<html><head><title>\xC3\x89t\xC3\xA9</title></head></html>");
  add("meta_charset_windows1251",
      "<html><head><meta charset='windows-1251'><title>\xCF\xF0\xE8</title>"
      "<meta name='description' content=\"\xE2\xE5\xF2\"></head></html>");
  add("meta_charset_shift_jis",
      "<html><head><meta http-equiv=content-type content='text/html;charset = shift_jis'>"
      "<title>\x93\xfa\x96\x7b</title></head></html>");
  add("no_title_no_description", "<% Response.Write(\"hi\") %>\n");
}

}  // namespace

std::vector<InputFile> ReaderSeeds() {
  std::vector<InputFile> out;
  AddPictures(out);
  AddMusic(out);
  AddId3v2(out);
  AddVideos(out);
  AddDocuments(out);
  AddPrograms(out);
  AddWebPages(out);
  return out;
}

}  // namespace orv::fuzz
