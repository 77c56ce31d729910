// Makes trees of media files for filescan: the shipped samples (samples/media) and the
// benchmark tree. Every kind of file has one function here (WriteIptcPicture, WriteExifPicture,
// WriteMusic, ...), so a new reader's files are one more function and one more line in the
// tree makers. The bytes come from the tests' builders: pictures viewers can show (grey), MP3
// files of silent frames, with real EXIF, IPTC, ID3v1 and ID3v2 tags; AVI header lists, office
// compound files with summary properties, PE programs with version resources, web pages.
//
// usage: media_tree samples DIR        the sample tree (the same bytes every time)
//        media_tree bench DIR FILES    FILES files in folders: a quarter pictures, a quarter
//                                      music, then videos, office documents, programs and
//                                      web pages
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/builders/avi_builder.h"
#include "tests/builders/compound_file_builder.h"
#include "tests/builders/pe_builder.h"
#include "tests/builders/property_set_builder.h"
#include "tests/filescan/jpeg_builder.h"
#include "tests/filescan/mp3_builder.h"

namespace fs = std::filesystem;
using namespace orv::testing;

namespace {

bool Write(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

// Pictures ----------------------------------------------------------------------------------

struct Caption {
  std::string text, credit, country, writer;
  std::vector<std::string> categories, keywords;
};

// A JFIF picture with an IPTC caption block (UTF-8, as record 1:90 says).
bool WriteIptcPicture(const fs::path& path, const Caption& caption, int width, int height) {
  std::string records = IptcRecord(1, 90, "\x1B%G") + IptcRecord(2, 120, caption.text);
  if (!caption.credit.empty()) records += IptcRecord(2, 110, caption.credit);
  if (!caption.country.empty()) records += IptcRecord(2, 101, caption.country);
  if (!caption.writer.empty()) records += IptcRecord(2, 122, caption.writer);
  for (const std::string& c : caption.categories) records += IptcRecord(2, 20, c);
  for (const std::string& k : caption.keywords) records += IptcRecord(2, 25, k);
  return Write(
      path, StartOfImage() + JfifSegment() + PhotoshopSegment(records) + GreyImage(width, height));
}

struct Camera {
  std::string make, model, taken;
  uint32_t exposureNumerator, exposureDenominator, fNumberTenths, focalTenths;
  bool flash;
};

// A camera picture: EXIF first, with the main image's directory, the shot's EXIF directory,
// and a thumbnail directory after the first.
bool WriteExifPicture(const fs::path& path, const Camera& camera, int width, int height,
                      bool bigEndian) {
  ExifBuilder exif(bigEndian);
  const int main = exif.AddDirectory();
  const int shot = exif.AddDirectory();
  const int thumbnail = exif.AddDirectory();
  exif.Ascii(main, 271, camera.make);
  exif.Ascii(main, 272, camera.model);
  exif.Rational(main, 282, 300, 1);
  exif.Rational(main, 283, 300, 1);
  exif.Short(main, 296, 2);
  exif.Link(main, 34665, shot);
  exif.Next(main, thumbnail);
  exif.Rational(shot, 33434, camera.exposureNumerator, camera.exposureDenominator);
  exif.Rational(shot, 33437, camera.fNumberTenths, 10);
  exif.Undefined(shot, 36864, "0220");
  exif.Ascii(shot, 36867, camera.taken);
  exif.Short(shot, 37385, camera.flash ? 1 : 0);
  exif.Rational(shot, 37386, camera.focalTenths, 10);
  exif.Long(shot, 40962, width);
  exif.Long(shot, 40963, height);
  exif.Rational(thumbnail, 282, 72, 1);
  exif.Rational(thumbnail, 283, 72, 1);
  exif.Short(thumbnail, 296, 2);
  return Write(path, StartOfImage() + exif.Segment() + GreyImage(width, height));
}

// A picture with nothing but its image.
bool WriteBarePicture(const fs::path& path, int width, int height) {
  return Write(path, StartOfImage() + JfifSegment() + GreyImage(width, height));
}

// Music -------------------------------------------------------------------------------------

struct Song {
  std::string title, artist, album, year;
  int track;  // -1: an ID3v1.0 tag
  int genre;
};

// Silent MPEG-1 layer III frames at `bitRate`, an ID3v2 tag in front (UTF-16 texts and a small
// cover) and the ID3v1 tag at the end.
bool WriteMusic(const fs::path& path, const Song& song, int seconds, int bitRate) {
  const int frameLength = MpegFrameLength(3, 3, bitRate, 44100, false);
  const int frames = static_cast<int>(seconds * bitRate * 1000.0 / 8 / frameLength) + 1;
  const std::string cover = StartOfImage() + JfifSegment() + GreyImage(16, 16);
  const std::string front = Id3v2(
      Id3v2Utf16Text("TIT2", song.title) + Id3v2Utf16Text("TPE1", song.artist) + Id3v2Cover(cover),
      64);
  return Write(path,
               front + MpegFrames(frames, 3, 3, bitRate, 44100) +
                   Id3v1(song.title, song.artist, song.album, song.year, song.track, song.genre));
}

// An older MPEG-2 file with only an ID3v1.0 tag.
bool WriteMpeg2Music(const fs::path& path, const Song& song, int seconds) {
  const int frames = seconds * 22050 / 576 + 1;
  return Write(path, MpegFrames(frames, 2, 3, 64, 22050) +
                         Id3v1(song.title, song.artist, song.album, song.year, -1, song.genre));
}

// Videos, office documents, programs, web pages --------------------------------------------

// An AVI of `frames` frames at 25 per second with one audio stream.
bool WriteVideo(const fs::path& path, const std::string& handler, uint16_t audioTag,
                uint32_t frames) {
  AviSpec layout;
  layout.streams = {VideoStream(handler, 640, 480, 25, 1, frames), AudioStream(audioTag, 2, 48000)};
  return Write(path, BuildAvi(layout));
}

// A compound file with a document stream and its summary information.
bool WriteDocument(const fs::path& path, const std::string& title, const std::string& author) {
  const std::string summary = BuildPropertySet(
      {CodePageProperty(65001), StringProperty(2, title), StringProperty(3, "Rapport"),
       StringProperty(4, author), StringProperty(5, "ventes"), StringProperty(8, author)});
  return Write(path, BuildCompoundFile({{"WordDocument", std::string(5000, 'd')},
                                        {"\005SummaryInformation", summary}})
                         .bytes);
}

// A PE program with a version resource.
bool WriteProgram(const fs::path& path, const std::string& description, bool pe32Plus) {
  VersionSpec version = ReportToolVersion();
  version.strings[0].second = description;
  PeSpec layout;
  layout.pe32Plus = pe32Plus;
  layout.versionBlock = BuildVersionBlock(version);
  return Write(path, BuildPe(layout).bytes);
}

bool WriteWebPage(const fs::path& path, const std::string& title, const std::string& description) {
  return Write(path, "<html><head><meta charset=\"utf-8\"><title>" + title +
                         "</title><meta name=\"description\" content=\"" + description +
                         "\"/></head><body><p>" + std::string(2000, 'x') + "</p></body></html>\n");
}

// Other files -------------------------------------------------------------------------------

bool WriteText(const fs::path& path, const std::string& text) { return Write(path, text); }

// Trees -------------------------------------------------------------------------------------

bool MakeSamples(const fs::path& root) {
  bool ok = true;
  ok &= WriteIptcPicture(root / "Photos" / "port_de_peche.jpg",
                         {"Port de pêche\r\nLes bateaux rentrent au soleil couchant.",
                          "Agence Lumière",
                          "France",
                          "Zoé Martin",
                          {"Mer"},
                          {"bateau", "port", "été"}},
                         320, 240);
  ok &= WriteIptcPicture(root / "Photos" / "marche_aux_fleurs.jpg",
                         {"Marché aux fleurs", "", "Belgique", "", {}, {"fleurs", "marché"}}, 240,
                         320);
  ok &= WriteExifPicture(root / "Photos" / "Sorties" / "sentier_cotier.jpg",
                         {"Kestrel", "K-200 Zoom", "2004:06:21 10:15:00", 1, 250, 28, 58, false},
                         640, 480, false);
  ok &= WriteExifPicture(root / "Photos" / "Sorties" / "nuit_etoilee.jpg",
                         {"Orchis", "Nocturne 3", "2005:08:12 23:40:10", 15, 10, 40, 180, true},
                         480, 640, true);
  ok &= WriteBarePicture(root / "Photos" / "brouillon.jpg", 64, 64);
  ok &= WriteMusic(root / "Musique" / "le_vent_du_nord.mp3",
                   {"Le vent du nord", "Nina Roche", "Saisons", "1998", 3, 80}, 8, 64);
  ok &= WriteMusic(root / "Musique" / "pluie_de_mars.mp3",
                   {"", "Nina Roche", "Saisons", "1998", 4, 255}, 5, 64);
  ok &= WriteMpeg2Music(root / "Musique" / "Archives" / "radio_1987.mp3",
                        {"Radio du soir", "Les Ondes", "", "1987", -1, 12}, 6);
  ok &= WriteText(root / "notes.txt", "Photos et musique d'exemple pour l'import des dossiers.\n");
  return ok;
}

// FILES files in folders of a hundred: pictures with a caption or camera data, music, videos,
// office documents, programs and web pages.
bool MakeBenchTree(const fs::path& root, int files) {
  bool ok = true;
  for (int i = 0; i < files && ok; ++i) {
    const fs::path folder = root / ("folder" + std::to_string(i / 100));
    const std::string n = std::to_string(i);
    switch (i % 8) {
      case 0:
        ok = WriteIptcPicture(folder / ("caption_" + n + ".jpg"),
                              {"Photo " + n + "\r\nUne légende",
                               "Agence",
                               "France",
                               "Zoé",
                               {"Mer"},
                               {"port", "bateau"}},
                              320, 240);
        break;
      case 1:
        ok = WriteExifPicture(
            folder / ("camera_" + n + ".jpg"),
            {"Kestrel", "K-200", "2004:06:21 10:15:00", 1, 125, 28, 58, i % 8 == 1}, 640, 480,
            i % 8 == 1);
        break;
      case 2:
      case 3:
        ok = WriteMusic(folder / ("song_" + n + ".mp3"),
                        {"Song " + n, "Artist", "Album", "2001", i % 20, i % 148}, 2, 128);
        break;
      case 4:
        ok = WriteVideo(folder / ("clip_" + n + ".avi"), i % 16 == 4 ? "XVID" : "DX50",
                        i % 16 == 4 ? 0x55 : 0x2000, 1500);
        break;
      case 5:
        ok = WriteDocument(folder / ("report_" + n + (i % 16 == 5 ? ".doc" : ".xls")),
                           "Rapport " + n, "Zoé");
        break;
      case 6:
        ok = WriteProgram(folder / ("tool_" + n + (i % 16 == 6 ? ".exe" : ".dll")), "Outil " + n,
                          i % 16 != 6);
        break;
      default:
        ok = WriteWebPage(folder / ("page_" + n + ".htm"), "Page " + n, "Une page");
        break;
    }
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string what = argc > 1 ? argv[1] : "";
  if (argc == 3 && what == "samples") return MakeSamples(argv[2]) ? 0 : 1;
  if (argc == 4 && what == "bench") return MakeBenchTree(argv[2], std::atoi(argv[3])) ? 0 : 1;
  std::fprintf(stderr, "usage: media_tree samples DIR | media_tree bench DIR FILES\n");
  return 2;
}
