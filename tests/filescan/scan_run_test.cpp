// A whole run over a small tree: the order and count of the entries, the folder items, the
// FileMode filters, the dispatch rows, the forced category and the failure guard.
#include "filescan/scan_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "contract/path.h"
#include "filescan/entry_analysis.h"
#include "filescan/filescan_filter.h"
#include "filescan/filter_tokens.h"
#include "platform/shell_type.h"
#include "tests/filescan/scan_fixture.h"
#include "text/codepage.h"

namespace orv::filescan {
namespace {

using namespace orv::testing;

struct Call {
  std::string reader, path, title;
};

// Readers that only record their calls and title the item from the file title.
class RecordingRun : public ScanTest {
 protected:
  ContentReaders Recorders() {
    auto make = [this](const char* name) {
      return [this, name](const std::string& path, const std::string& title, MediaItem& item) {
        calls_.push_back({name, path, title});
        Assign(&item.title, title);
      };
    };
    ContentReaders readers;
    readers.picture = make("picture");
    readers.music = make("music");
    readers.video = make("video");
    readers.webPage = make("web");
    readers.document = make("document");
    readers.program = make("program");
    return readers;
  }

  ScanRun MakeRun(ContentReaders readers) {
    ScanServices services;
    services.readers = std::move(readers);
    services.system.showMessage = [this](std::string_view text, std::string_view,
                                         ui::MessageButtons buttons, ui::MessageIcon icon) {
      messages_.emplace_back(text);
      boxes_.push_back({buttons, icon});
      return answer_;
    };
    return ScanRun(std::move(services));
  }

  // Every result of the run with what it produced.
  struct Produced {
    int32_t result, kind;
    std::string title;
    int32_t category, level;
  };
  std::vector<Produced> RunAll(ScanRun& run, const FilescanOptions& options) {
    std::vector<Produced> all;
    for (int guard = 0; guard < 1000; ++guard) {
      HostItem item;
      int32_t kind = -5;
      const int32_t result = run.Next(options, *item, kind);
      all.push_back({result, kind, Text(item->title), item->category, item->level});
      if (result == -1) break;
    }
    return all;
  }

  int32_t One(const std::string& path, const FilescanOptions& options, HostItem& item,
              int32_t& kind) {
    ScanEntry entry{path, kEntryFile, 0};
    return AnalyseEntry(entry, options, Recorders(), *item, kind);
  }

  std::vector<Call> calls_;
  std::vector<std::string> messages_;
  std::vector<std::pair<ui::MessageButtons, ui::MessageIcon>> boxes_;
  ui::MessageAnswer answer_ = ui::MessageAnswer::kYes;
};

TEST_F(RecordingRun, OneCallPerEntryInOrderAndFoldersOnlyWithTheForcedTree) {
  folder_.Write("tree/a.txt", "x");
  folder_.Write("tree/b.jpg", "x");
  folder_.Write("tree/S/song.mp3", "x");
  folder_.Write("tree/My.Pics/p.jpg", "x");  // a heading keeps its whole name
  ScanRun run = MakeRun(Recorders());
  run.Start(folder_ / "tree", true);
  EXPECT_EQ(run.Count(), 6);

  FilescanOptions options;
  std::vector<Produced> all = RunAll(run, options);
  ASSERT_EQ(all.size(), 7u);
  std::vector<int32_t> results;
  for (const Produced& p : all) results.push_back(p.result);
  EXPECT_EQ(results, (std::vector<int32_t>{1, 1, 0, 1, 0, 1, -1}));
  EXPECT_EQ(all[0].title, "a");
  EXPECT_EQ(all[0].kind, 4);
  EXPECT_EQ(all[1].category, 5);
  EXPECT_EQ(all[1].kind, 4);  // every file item reports 4, whatever its category
  EXPECT_EQ(all[2].kind, 0);

  options.forceType = 1;
  options.defaultType = 4;
  run.Start(folder_ / "tree", true);
  all = RunAll(run, options);
  EXPECT_EQ(all[2].result, 1);
  EXPECT_EQ(all[2].kind, 64);
  EXPECT_EQ(all[2].title, "My.Pics");
  EXPECT_EQ(all[2].category, 5);
  EXPECT_EQ(all[2].level, 0);
  EXPECT_EQ(all[3].kind, 5);

  options.doCreateTree = 0;
  run.Start(folder_ / "tree", true);
  EXPECT_EQ(RunAll(run, options)[2].result, 0);

  // Without sub-folders nothing below the root is listed.
  run.Start(folder_ / "tree", false);
  EXPECT_EQ(run.Count(), 2);
}

TEST_F(RecordingRun, FileModesDescribedAndFiltered) {
  HostItem notes, song;
  int32_t kind = 0;
  FilescanOptions options;
  options.fileMode = kDescribedFiles;
  const std::string notesPath = folder_.Write("notes.txt", "x");
  const std::string songPath = folder_.Write("song.mp3", "x");
  EXPECT_EQ(One(notesPath, options, notes, kind), 0);
  EXPECT_EQ(kind, 0);
  EXPECT_EQ(One(songPath, options, song, kind), 1);

  options.fileMode = kFilteredFiles;
  options.filter = ".exe;;.mp3";
  HostItem filtered;
  EXPECT_EQ(One(songPath, options, filtered, kind), 0);
  EXPECT_TRUE(calls_.size() == 1u);  // the filter is applied before any reader runs

  EXPECT_TRUE(PathMatchesFilter("C:\\A.MP3\\README.TXT", ".exe;.mp3;.jpg"));
  EXPECT_FALSE(PathMatchesFilter("C:\\MP3 FILES\\README.TXT", ".exe;.mp3;.jpg"));
  EXPECT_FALSE(PathMatchesFilter("C:\\SONG.MP3", ""));
  EXPECT_FALSE(PathMatchesFilter("C:\\SONG.MP3", ".exe;;.mp3"));
  EXPECT_TRUE(PathMatchesFilter("C:\\SONG.MP3", ".Mp3"));
}

TEST_F(RecordingRun, DispatchRowsAreNotExclusive) {
  FilescanOptions options;
  int32_t kind = 0;
  HostItem mpeg;
  EXPECT_EQ(One(folder_.Write("my_clip.mpeg", "x"), options, mpeg, kind), 1);
  EXPECT_EQ(mpeg->format1, 4);
  EXPECT_EQ(Text(mpeg->title), "my clip");
  EXPECT_EQ(mpeg->medium, 21);
  EXPECT_EQ(mpeg->sound, 1);
  EXPECT_TRUE(calls_.empty());

  HostItem avi;
  One(folder_.Write("my_clip.avi", "x"), options, avi, kind);
  EXPECT_EQ(avi->format1, 3);
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].reader, "video");
  EXPECT_EQ(calls_[0].title, "my_clip");

  calls_.clear();
  HostItem both;
  One(folder_.Write("x.htm.php", "x"), options, both, kind);
  EXPECT_EQ(Text(both->type), "PHP File");
  EXPECT_EQ(both->medium, 15);
  ASSERT_EQ(calls_.size(), 1u);

  calls_.clear();
  HostItem page, inPictures;
  One(folder_.Write("page.html", "x"), options, page, kind);
  EXPECT_EQ(Text(page->type), "Html File");
  EXPECT_EQ(Text(page->coauthor), "page.html");
  One(folder_.Write("x.jpg.mp3", "x"), options, inPictures, kind);
  ASSERT_EQ(calls_.size(), 3u);
  EXPECT_EQ(calls_[1].reader, "picture");
  EXPECT_EQ(calls_[2].reader, "music");
  EXPECT_EQ(inPictures->category, 2);  // the later row writes last

  // Only the file's own name counts: the folders above it are no reason to read it.
  calls_.clear();
  HostItem notes, song;
  EXPECT_EQ(One(folder_.Write("x.mp3s/notes.txt", "x"), options, notes, kind), 1);
  EXPECT_EQ(One(folder_.Write("Holiday.JPG/.docker/song.mp3", "x"), options, song, kind), 1);
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].reader, "music");
  EXPECT_EQ(notes->category, 3);
  EXPECT_EQ(Text(notes->title), "notes");

  HostItem document;
  One(folder_.Write("report.doc", std::string(3 << 20, 'x')), options, document, kind);
  EXPECT_EQ(document->chap, 3);
  EXPECT_EQ(document->medium, 28);
  EXPECT_EQ(Text(document->type), platform::ShellTypeName(folder_ / "report.doc"));
}

TEST_F(RecordingRun, UnrecognisedFilesAndTheForcedCategory) {
  FilescanOptions options;
  int32_t kind = 0;
  HostItem other;
  const std::string path = folder_.Write("plan.xyz", "x");
  EXPECT_EQ(One(path, options, other, kind), 1);
  EXPECT_EQ(other->category, 3);
  EXPECT_EQ(other->medium, 28);
  EXPECT_EQ(other->chap, 0);
  EXPECT_EQ(Text(other->title), "plan");
  EXPECT_EQ(Text(other->coauthor), "plan.xyz");
  EXPECT_EQ(Text(other->type), platform::ShellTypeName(path));

  options.forceType = 1;
  options.defaultType = 2;
  HostItem picture;
  const std::string jpeg = folder_.Write("photo.jpg", std::string((2 << 20) + 5, 'x'));
  EXPECT_EQ(One(jpeg, options, picture, kind), 1);
  EXPECT_EQ(calls_.back().reader, "picture");
  EXPECT_EQ(picture->category, 3);
  EXPECT_EQ(kind, 3);
  EXPECT_EQ(picture->medium, 28);
  EXPECT_EQ(picture->chap, 2);
  EXPECT_STRNE(picture->date, "");

  // A reader that leaves the title empty yields no item.
  ContentReaders silent = Recorders();
  silent.music = [](const std::string&, const std::string&, MediaItem&) {};
  HostItem song;
  ScanEntry entry{folder_.Write("quiet.mp3", "x"), kEntryFile, 0};
  EXPECT_EQ(AnalyseEntry(entry, options, silent, *song, kind), 0);
  EXPECT_EQ(kind, 0);

  // A file gone since the walk yields nothing, without a message.
  HostItem gone;
  EXPECT_EQ(One(folder_ / "vanished.txt", options, gone, kind), 0);
}

TEST_F(RecordingRun, SizesBeyondFourGibibytesKeepTheirHighBits) {
  const std::string path = folder_.Write("disk.img", "");
  std::error_code error;
  std::filesystem::resize_file(path, (uint64_t{5} << 30) + 123, error);
  if (error) GTEST_SKIP() << "no sparse file here: " << error.message();
  FilescanOptions options;
  HostItem item;
  int32_t kind = 0;
  EXPECT_EQ(One(path, options, item, kind), 1);
  EXPECT_EQ(item->chap, 5120);
  EXPECT_EQ(WholeMebibytes(uint64_t{1} << 62), 2147483647);
}

TEST_F(RecordingRun, AFailingReaderAsksWhetherToGoOn) {
  folder_.Write("tree/a.mp3", "x");
  folder_.Write("tree/b.txt", "x");
  folder_.Write("tree/c.mp3", "x");
  ContentReaders readers = Recorders();
  readers.music = [](const std::string&, const std::string&, MediaItem& item) {
    Assign(&item.title, "half done");
    throw std::runtime_error("corrupt");
  };
  ScanRun run = MakeRun(readers);
  run.Start(folder_ / "tree", true);
  FilescanOptions options;
  answer_ = ui::MessageAnswer::kYes;
  std::vector<Produced> all = RunAll(run, options);
  ASSERT_EQ(all.size(), 4u);
  EXPECT_EQ(all[0].result, 0);
  EXPECT_EQ(all[0].kind, 0);
  EXPECT_EQ(all[1].result, 1);
  EXPECT_EQ(all[2].result, 0);
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[0],
            text::Utf8ToUser("L'analyse du fichier ") + JoinPath(folder_ / "tree", "a.mp3") +
                text::Utf8ToUser(" a causé une erreur d'exception dans Orvella. Ce fichier est "
                                 "corrompu ou son format n'est pas reconnu par Orvella. Désirez-"
                                 "vous continuer ou arrêter la procédure d'import ?"));
  EXPECT_EQ(boxes_[0].first, ui::MessageButtons::kYesNo);
  EXPECT_EQ(boxes_[0].second, ui::MessageIcon::kExclamation);

  messages_.clear();
  answer_ = ui::MessageAnswer::kNo;
  run.Start(folder_ / "tree", true);
  all = RunAll(run, options);
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].result, -1);
  EXPECT_EQ(messages_.size(), 1u);
  // The cursor moved past the failed entry: the host may call again.
  HostItem next;
  int32_t kind = 0;
  EXPECT_EQ(run.Next(options, *next, kind), 1);
  EXPECT_EQ(Text(next->title), "b");
}

TEST_F(RecordingRun, ASourceThatIsNoReadableFolderIsRefusedWithItsReason) {
  const auto expected = [](const std::string& path, const char* reason) {
    return text::Utf8ToUser("Le dossier ") + path +
           text::Utf8ToUser(std::string(" ne peut pas être importé : ") + reason + ".");
  };
  folder_.Write("tree/a.txt", "x");
  ScanRun run = MakeRun(Recorders());
  ASSERT_TRUE(run.Start(folder_ / "tree", true));
  EXPECT_EQ(run.Count(), 1);

  EXPECT_FALSE(run.Start(folder_ / "nowhere", true));
  EXPECT_EQ(run.Count(), 0) << "the list of the run before is gone";
  const std::string file = folder_.Write("song.mp3", "x");
  EXPECT_FALSE(run.Start(file, true));
  ASSERT_EQ(messages_.size(), 2u);
  EXPECT_EQ(messages_[0], expected(folder_ / "nowhere", "il n'existe pas"));
  EXPECT_EQ(messages_[1], expected(file, "ce n'est pas un dossier"));
  EXPECT_EQ(boxes_[0].first, ui::MessageButtons::kOk);
  EXPECT_EQ(boxes_[0].second, ui::MessageIcon::kError);

  // Open reports the refusal to the host.
  FilescanFilter filter;
  ScanServices services;
  services.system.showMessage = [this](std::string_view text, std::string_view,
                                       ui::MessageButtons, ui::MessageIcon) {
    messages_.emplace_back(text);
    return ui::MessageAnswer::kOk;
  };
  filter.SetServices(std::move(services));
  EXPECT_EQ(filter.Open((folder_ / "nowhere").c_str(), nullptr, nullptr), 0);
  EXPECT_EQ(filter.Open((folder_ / "tree").c_str(), nullptr, nullptr), 1);
  EXPECT_EQ(filter.GetCount(), 1);
  EXPECT_EQ(messages_.size(), 3u);
}

}  // namespace
}  // namespace orv::filescan
