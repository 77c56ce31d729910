// A run over a tree of videos, office documents, programs and web pages with the real readers:
// the items each file gives, the mends included.
#include "tests/builders/reader_tree.h"

#include <gtest/gtest.h>

#include <map>

#include "filescan/scan_run.h"
#include "platform/version_info.h"
#include "tests/filescan/scan_fixture.h"
#include "text/codepage.h"

namespace orv::filescan {
namespace {

using namespace orv::testing;

struct Produced {
  int32_t result = 0;
  std::string title, type, editor, author, coauthor, comment, lang, length;
  int32_t category = 0, medium = 0, format1 = 0;
};

class ReaderTree : public ScanTest {
 protected:
  // Each file's result, by its path in the tree ("videos/ntsc.avi").
  std::map<std::string, Produced> Scan() {
    WriteTreeFiles(folder_.Path() / "tree", ReaderTreeFiles());
    ScanServices services;
    services.system.showMessage = [](std::string_view text, std::string_view, ui::MessageButtons,
                                     ui::MessageIcon) {
      ADD_FAILURE() << "no reader may fail: " << text;
      return ui::MessageAnswer::kYes;
    };
    ScanRun run(std::move(services));
    const std::string root = (folder_.Path() / "tree").string();
    run.Start(root, true);
    std::map<std::string, Produced> items;
    const FilescanOptions options;
    for (const ScanEntry& entry : std::vector<ScanEntry>(run.Entries())) {
      HostItem item;
      int32_t kind = 0;
      Produced p;
      p.result = run.Next(options, *item, kind);
      if (entry.kind != kEntryFile) continue;
      p.title = Text(item->title), p.type = Text(item->type), p.editor = Text(item->editor);
      p.author = Text(item->author), p.coauthor = Text(item->coauthor);
      p.comment = Text(item->comment), p.lang = Text(item->lang), p.length = item->length;
      p.category = item->category, p.medium = item->medium, p.format1 = item->format1;
      std::string name = entry.text.substr(root.size() + 1);
      for (char& c : name) c = c == '\\' ? '/' : c;
      items[name] = p;
    }
    return items;
  }
};

TEST_F(ReaderTree, VideosDescribeTheirStreams) {
  auto items = Scan();
  const Produced& xvid = items["videos/xvid_mp3.avi"];
  EXPECT_EQ(xvid.result, 1);
  EXPECT_EQ(xvid.title, "xvid mp3");
  EXPECT_EQ(xvid.category, 1);
  EXPECT_EQ(xvid.format1, 3);
  EXPECT_EQ(xvid.comment,
            "Video: XviD (4CC: XVID)\\nFrame size: 640 x 480\\nFrame rate: 25.00\\n"
            "Total frames: 250\\nAudio: MPEG-Layer3 (MP3) - 2c 48Khz\\nAudio Streams: 1");
  EXPECT_EQ(xvid.length, "00:00:10");
  EXPECT_NE(items["videos/divx_ac3.avi"].comment.find("DivX 5.0 (4CC: DX50)"), std::string::npos);
  EXPECT_NE(items["videos/divx_ac3.avi"].comment.find("Audio: AC3 - 6c 48Khz"), std::string::npos);
  EXPECT_EQ(items["videos/divx_ac3.avi"].length, "01:00:00");
  EXPECT_NE(items["videos/mjpg_two_tracks.avi"].comment.find("ADPCM - 1c 22Khz\\nAudio Streams: 2"),
            std::string::npos);
  EXPECT_NE(items["videos/silent.avi"].comment.find("Inconnu - 0c 0Khz\\nAudio Streams: 0"),
            std::string::npos);
  EXPECT_NE(items["videos/ntsc.avi"].comment.find("Frame rate: 29.97"), std::string::npos);
  EXPECT_EQ(items["videos/ntsc.avi"].length, "00:01:00");
  const Produced& random = items["videos/random.avi"];
  EXPECT_EQ(random.result, 1);
  EXPECT_EQ(random.title, "random");
  EXPECT_EQ(random.comment, "");
}

TEST_F(ReaderTree, OfficeDocumentsGiveTheirSummaryOrTheirFileTitle) {
  auto items = Scan();
  const Produced& report = items["office/report.doc"];
  EXPECT_EQ(report.title, "Report");
  EXPECT_EQ(report.author, "Ann");
  EXPECT_EQ(report.editor, "Bob");
  EXPECT_EQ(report.comment, "Q3\\nFinal\\nsales");
  EXPECT_EQ(report.category, 3);
  EXPECT_EQ(report.medium, 28);
  EXPECT_FALSE(report.type.empty());
  EXPECT_EQ(items["office/cv_utf8.doc"].title, text::Utf8ToUser("Résumé"));
  EXPECT_EQ(items["office/slides.ppt"].comment, "\\nkeywords");
  EXPECT_EQ(items["office/slides.ppt"].title, "slides");
  EXPECT_EQ(items["office/budget_2024.xls"].title, "budget_2024");
  EXPECT_EQ(items["office/budget_2024.xls"].comment, "");
  EXPECT_EQ(items["office/notes.doc"].title, "notes");
  EXPECT_EQ(items["office/zipped.doc"].title, "zipped");
  EXPECT_EQ(items["office/zipped.doc"].result, 1);
}

TEST_F(ReaderTree, ProgramsGiveTheirVersionResource) {
  auto items = Scan();
  for (const char* name : {"programs/report.exe", "programs/wide64.dll"}) {
    const Produced& p = items[name];
    EXPECT_EQ(p.title, "Report tool v1.2.3.4") << name;
    EXPECT_EQ(p.editor, "Acme");
    EXPECT_EQ(p.coauthor, "rt.dll");
    EXPECT_EQ(p.comment, "Suite v6, 4, 0, 0\\nrt.dll\\n(c) Acme");
    EXPECT_EQ(p.lang, platform::LanguageName(0x0409));
  }
  EXPECT_EQ(items["programs/rapport.ocx"].title, "Outil de rapport v1.2.3.4");
  EXPECT_EQ(items["programs/rapport.ocx"].lang, platform::LanguageName(0x040C));
  EXPECT_EQ(items["programs/bare.dll"].title, "bare");
  EXPECT_EQ(items["programs/bare.dll"].comment, "");
}

TEST_F(ReaderTree, WebPagesGiveTheirTitleAndDescription) {
  auto items = Scan();
  EXPECT_EQ(items["web/capitals.htm"].title, "My Page");
  EXPECT_EQ(items["web/capitals.htm"].comment, "A site");
  EXPECT_EQ(items["web/capitals.htm"].type, "Html File");
  EXPECT_EQ(items["web/single_quotes.html"].title, "Quoted");
  EXPECT_EQ(items["web/single_quotes.html"].comment, "");
  EXPECT_EQ(items["web/xhtml.php"].title, text::Utf8ToUser("Café"));
  EXPECT_EQ(items["web/xhtml.php"].comment, "A site") << "ends at the quote before />";
  EXPECT_EQ(items["web/xhtml.php"].type, "PHP File");
  EXPECT_EQ(items["web/untitled.asp"].title, "untitled");
}

}  // namespace
}  // namespace orv::filescan
