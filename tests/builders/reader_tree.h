// A tree of the files the video, office, program and web page readers meet, for the tree
// tests, the comparison of the two builds and the benchmark: AVIs of several codecs and audio
// formats, office documents with and without summary properties and impostors under their
// names, programs with and without version resources, and web pages written in several ways.
#ifndef ORV_TESTS_BUILDERS_READER_TREE_H
#define ORV_TESTS_BUILDERS_READER_TREE_H

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/builders/avi_builder.h"
#include "tests/builders/compound_file_builder.h"
#include "tests/builders/pe_builder.h"
#include "tests/builders/property_set_builder.h"

namespace orv::testing {

// Relative path and bytes of each file.
using TreeFiles = std::vector<std::pair<std::string, std::string>>;

inline std::string NoiseBytes(size_t size, uint32_t seed) {
  std::string out(size, '\0');
  for (char& c : out) {
    seed = seed * 1103515245u + 12345u;
    c = static_cast<char>(seed >> 16);
  }
  return out;
}

inline TreeFiles VideoFiles() {
  TreeFiles files;
  const auto add = [&](const std::string& name, std::vector<AviStreamSpec> streams) {
    AviSpec layout;
    layout.streams = std::move(streams);
    files.emplace_back("videos/" + name, BuildAvi(layout));
  };
  add("xvid_mp3.avi", {VideoStream("xvid", 640, 480, 25, 1, 250), AudioStream(0x55, 2, 48000)});
  add("divx_ac3.avi", {VideoStream("DX50", 720, 576, 25, 1, 90000), AudioStream(0x2000, 6, 48000)});
  add("mjpg_two_tracks.avi", {VideoStream("MJPG", 320, 240, 15, 1, 45), AudioStream(1, 2, 44100),
                              AudioStream(2, 1, 22050)});
  add("silent.avi", {VideoStream("DIV3", 352, 288, 25, 1, 100)});
  AviStreamSpec surround = AudioStream(0, 6, 48000);
  surround.format = ExtensibleWaveFormat(0x2000, 6, 48000, 0x3F);
  add("extensible_ac3.avi", {VideoStream("DX50", 720, 576, 25, 1, 250), surround});
  add("ntsc.avi", {VideoStream("XVID", 720, 480, 30000, 1001, 1800), AudioStream(1, 2, 48000)});
  files.emplace_back("videos/random.avi", NoiseBytes(3000, 7));
  return files;
}

inline TreeFiles OfficeFiles() {
  const std::string summary = "\005SummaryInformation";
  const auto document = [&](const std::string& main, const std::vector<PropertySpec>& p) {
    return BuildCompoundFile({{main, std::string(700, 'd')}, {summary, BuildPropertySet(p)}}).bytes;
  };
  TreeFiles files;
  files.emplace_back(
      "office/report.doc",
      document("WordDocument",
               {CodePageProperty(1252), StringProperty(2, "Report"), StringProperty(3, "Q3"),
                StringProperty(4, "Ann"), StringProperty(5, "sales"), StringProperty(6, "Final"),
                StringProperty(8, "Bob")}));
  files.emplace_back(
      "office/cv_utf8.doc",
      document("WordDocument", {CodePageProperty(65001), StringProperty(2, "R\xC3\xA9sum\xC3\xA9"),
                                StringProperty(4, "Zo\xC3\xA9")}));
  files.emplace_back("office/slides.ppt",
                     document("PowerPoint Document", {StringProperty(5, "keywords")}));
  files.emplace_back("office/budget_2024.xls",
                     BuildCompoundFile({{"Workbook", std::string(900, 'x')}}).bytes);
  files.emplace_back("office/notes.doc", "Plain text under a .doc name\r\n");
  files.emplace_back("office/zipped.doc", std::string("PK\3\4", 4) + NoiseBytes(500, 3));
  return files;
}

inline TreeFiles ProgramFiles() {
  const VersionSpec tool = ReportToolVersion();
  const auto image = [](const VersionSpec& version, bool plus, bool resources, uint16_t language) {
    PeSpec layout;
    layout.pe32Plus = plus;
    layout.withResources = resources;
    layout.language = language;
    layout.versionBlock = BuildVersionBlock(version);
    return BuildPe(layout).bytes;
  };
  VersionSpec french = tool;
  french.tableKey = "040c04e4";  // a key in lower case
  french.translations = {{0x040C, 0x04E4}};
  french.strings[0].second = "Outil de rapport";
  TreeFiles files;
  files.emplace_back("programs/report.exe", image(tool, false, true, 0x0409));
  files.emplace_back("programs/bare.dll", image(tool, false, false, 0));
  files.emplace_back("programs/wide64.dll", image(tool, true, true, 0x0409));
  files.emplace_back("programs/rapport.ocx", image(french, false, true, 0x040C));
  return files;
}

inline TreeFiles WebFiles() {
  TreeFiles files;
  files.emplace_back("web/capitals.htm",
                     "<HTML><HEAD><TITLE>My Page</TITLE>\r\n"
                     "<META NAME=\"Description\" CONTENT=\"A site\">\r\n</HEAD></HTML>\r\n");
  files.emplace_back("web/single_quotes.html",
                     "<html><head><title>Quoted</title>"
                     "<meta name='description' content='A site'></head></html>\n");
  files.emplace_back("web/xhtml.php",
                     "<html><head><meta charset=\"utf-8\" /><title>Caf\xC3\xA9</title>"
                     "<meta name=\"description\" content=\"A site\"/></head>"
                     "<body><a href=\"x\">link</a></body></html>\n");
  files.emplace_back("web/untitled.asp", "<% Response.Write(\"hi\") %>\n");
  files.emplace_back("web/entities.htm",
                     "<html><head><title>\r\n  Caf&eacute; &amp;\r\n  Th&#233;&acirc;tre\r\n</title>"
                     "<meta name=\"description\" content=\"Pr&eacute;sentation\n &amp; tarifs\">"
                     "</head></html>\n");
  // Folders whose names hold a dot: their files keep their own reader, their headings their
  // whole name.
  files.emplace_back("web/Concert.mp3s/notes.txt", "A note\n");
  files.emplace_back("web/Vol. 2/index.html", "<title>Volume</title>\n");
  return files;
}

inline TreeFiles ReaderTreeFiles() {
  TreeFiles files;
  for (TreeFiles part : {VideoFiles(), OfficeFiles(), ProgramFiles(), WebFiles()})
    files.insert(files.end(), part.begin(), part.end());
  return files;
}

inline void WriteTreeFiles(const std::filesystem::path& root, const TreeFiles& files) {
  for (const auto& [name, bytes] : files) {
    const std::filesystem::path file = root / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }
}

}  // namespace orv::testing

#endif  // ORV_TESTS_BUILDERS_READER_TREE_H
