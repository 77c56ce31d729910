// The import run: Open, GetCount, ProcessItem card by card, Close, with cards and posters in a
// scratch folder and the host's records built here.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "contract/path.h"
#include "filmcard/filmcard_filter.h"
#include "tests/builders/user_text.h"
#include "tests/filmcard/film_fixture.h"
#include "text/codepage.h"

namespace orv::filmcard {
namespace {

namespace fs = std::filesystem;
using testing::CardText;
using testing::FakeDocument;
using testing::FakeItem;
using testing::ReadBytes;
using testing::WriteBytes;

using orv::testing::U;

const std::string kBirds =
    CardText({"Les Oiseaux", "Alfred H.", "1963", "USA / FRANCE", "Horreur", "1H59",
              "Tippi H., Rod T.", "Des oiseaux attaquent.", "Universal", "The Birds"});

class ImportRun : public testing::ScratchTest {
 protected:
  std::string CardPath(const std::string& name) { return (Cards() / name).string(); }

  // Runs the whole import on `chosen` and keeps every produced item's values.
  struct Produced {
    std::string title, image, length, lang, comment, author, type, editor, coauthor;
    int32_t year = 0, format1 = 0, format2 = 0, medium = 0, sound = 0, category = 0;
    float price = 0;
  };
  std::vector<Produced> RunAll(const std::string& chosen, int32_t* count = nullptr,
                               int* skipped = nullptr) {
    FakeDocument document(Pictures().string());
    std::vector<Produced> produced;
    EXPECT_EQ(filter_.Open(chosen.c_str(), document.get(), nullptr), 1);
    const int32_t counted = filter_.GetCount();
    if (count) *count = counted;
    int zeros = 0;
    for (int call = 0; call < 100; ++call) {
      FakeItem item;
      int32_t kind = 99;
      const int32_t result = filter_.ProcessItem(*item, kind);
      if (result == -1) break;
      if (result == 0) {
        EXPECT_EQ(kind, 0);
        ++zeros;
        continue;
      }
      EXPECT_EQ(result, 1);
      EXPECT_EQ(kind, 1);
      Produced p;
      p.title = StringOf(item->title);
      p.image = StringOf(item->image);
      p.length = item->length;
      p.lang = StringOf(item->lang);
      p.comment = StringOf(item->comment);
      p.author = StringOf(item->author);
      p.type = StringOf(item->type);
      p.editor = StringOf(item->editor);
      p.coauthor = StringOf(item->coauthor);
      p.year = item->year;
      p.format1 = item->format1;
      p.format2 = item->format2;
      p.medium = item->medium;
      p.sound = item->sound;
      p.category = item->category;
      p.price = item->price;
      EXPECT_EQ(item->rating, 4) << "fields the card does not give stay as the host left them";
      produced.push_back(p);
    }
    EXPECT_EQ(filter_.Close(), 1);
    if (skipped) *skipped = zeros;
    return produced;
  }

  FilmcardFilter filter_;
};

TEST_F(ImportRun, ACardWithDefaultOptions) {
  WriteBytes(Cards() / "birds.film", kBirds);
  const auto items = RunAll(CardPath("birds.film"));
  ASSERT_EQ(items.size(), 1u);
  const auto& item = items[0];
  EXPECT_EQ(item.category, 1);
  EXPECT_EQ(item.title, "Les Oiseaux");
  EXPECT_EQ(item.author, "Alfred H.");
  EXPECT_EQ(item.year, 1963);
  EXPECT_EQ(item.lang, "USA / FRANCE");
  EXPECT_EQ(item.type, "Horreur");
  EXPECT_EQ(item.length, "01:59:00");
  EXPECT_EQ(item.coauthor, "Tippi H., Rod T.");
  EXPECT_EQ(item.comment, "");  // synopsis only on request
  EXPECT_EQ(item.editor, "Universal");
  // Defaults: DVD, Dolby 5.1, 16/9, Pal, price 0; the country is not consulted.
  EXPECT_EQ(item.medium, 19);
  EXPECT_EQ(item.sound, 7);
  EXPECT_EQ(item.format2, 1);
  EXPECT_EQ(item.format1, 0);
  EXPECT_EQ(item.price, 0.0f);
}

TEST_F(ImportRun, OptionsShapeTheItem) {
  WriteBytes(Cards() / "birds.film", kBirds);
  FilmcardOptions& o = filter_.Settings();
  o.useCountry = 1;
  o.defFormat = 1;
  o.defScreen = 3;
  o.defSound = 2;
  o.defSupport = 0;
  o.defValue = "12.50";
  o.setTitle = 3;
  o.setLower = 1;
  o.getComment = 1;
  const auto items = RunAll(CardPath("birds.film"));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].format1, 2);  // USA / FRANCE: Ntsc over the default
  EXPECT_EQ(items[0].format2, 3);
  EXPECT_EQ(items[0].sound, 2);
  EXPECT_EQ(items[0].medium, 6);  // Laserdisc
  EXPECT_EQ(items[0].price, 12.0f);
  EXPECT_EQ(items[0].title, "The birds (les oiseaux)");
  EXPECT_EQ(items[0].comment, "Des oiseaux attaquent.");
}

TEST_F(ImportRun, ShortCardsEmptyWhatTheyDoNotGiveAndTheDefaultDurationStandsIn) {
  WriteBytes(Cards() / "court.film", "Sans fin de ligne");
  filter_.Settings().defTime = "00:45:30";
  const auto items = RunAll(CardPath("court.film"));
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].title, "Sans fin de ligne");
  EXPECT_EQ(items[0].year, 0);
  EXPECT_EQ(items[0].author, "");
  EXPECT_EQ(items[0].length, "00:45:30");

  // A stored duration too short to read gives the usual default.
  WriteBytes(Cards() / "court.film", "\n\n\n\n\ninconnue\n");
  filter_.Settings().defTime = "1:00";
  const auto untitled = RunAll(CardPath("court.film"));
  ASSERT_EQ(untitled.size(), 1u);
  EXPECT_EQ(untitled[0].title, "Sans titre");
  EXPECT_EQ(untitled[0].length, "01:30:00");
}

TEST_F(ImportRun, AHugeCardIsReadFromItsStartOnly) {
  WriteBytes(Cards() / "grand.film", "Grand\n" + std::string(3 << 20, 'x') + "\nfin\n");
  const std::optional<CardLines> card = ReadCard((Cards() / "grand.film").string());
  ASSERT_TRUE(card.has_value());
  EXPECT_EQ((*card)[0], "Grand");
  EXPECT_EQ((*card)[1].size(), kMaxCardBytes - 6);
  EXPECT_EQ((*card)[2], "");
}

TEST_F(ImportRun, AccentedCardsInBothEncodings) {
  WriteBytes(Cards() / "a.film", "L'\xC9t\xE9 meurtrier\r\nJean B.\r\n1983\r\nFrance\r\n");
  WriteBytes(Cards() / "b.film", "La Cit\xC3\xA9 des enfants perdus\nMarc C.\n1995\nFrance\n");
  const auto items = RunAll(CardPath("a.film"));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].title, U("L'Été meurtrier"));
  EXPECT_EQ(items[1].title, U("La Cité des enfants perdus"));
}

TEST_F(ImportRun, AllFilesChoosesBetweenTheFolderAndTheChosenCard) {
  WriteBytes(Cards() / "a.film", CardText({"A"}));
  WriteBytes(Cards() / "b.film", CardText({"B"}, "\n"));
  WriteBytes(Cards() / "c.FILM", CardText({"C"}));
  WriteBytes(Cards() / "notes.txt", "pas une fiche");
  int32_t count = 0;
  auto items = RunAll(CardPath("b.film"), &count);
  EXPECT_EQ(count, 3);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].title, "A");
  EXPECT_EQ(items[1].title, "B");
  EXPECT_EQ(items[2].title, "C");

  filter_.Settings().allFiles = 0;
  items = RunAll(CardPath("b.film"), &count);
  EXPECT_EQ(count, 1);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].title, "B");
}

TEST_F(ImportRun, CardsThatCannotBeOpenedAreSkipped) {
  WriteBytes(Cards() / "a.film", CardText({"A"}));
  fs::create_directories(Cards() / "b.film");  // a folder matching the pattern
  WriteBytes(Cards() / "c.film", CardText({"C"}));
  // A link to nothing cannot be opened whatever the rights of the run.
  std::error_code noLinks;
  fs::create_symlink(root_ / "absent", Cards() / "d.film", noLinks);
  const int broken = noLinks ? 1 : 2;
  int32_t count = 0;
  int skipped = 0;
  const auto items = RunAll(CardPath("a.film"), &count, &skipped);
  EXPECT_EQ(count, 2 + broken);
  EXPECT_EQ(skipped, broken);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[1].title, "C");
}

TEST_F(ImportRun, AnUnreadableCardIsSkippedWhenPermissionsApply) {
  WriteBytes(Cards() / "a.film", CardText({"A"}));
  WriteBytes(Cards() / "b.film", CardText({"B"}));
  chmod((Cards() / "b.film").string().c_str(), 0);
  if (std::FILE* probe = std::fopen((Cards() / "b.film").string().c_str(), "rb")) {
    std::fclose(probe);
    GTEST_SKIP() << "running with rights that read any file";
  }
  int skipped = 0;
  const auto items = RunAll(CardPath("a.film"), nullptr, &skipped);
  EXPECT_EQ(skipped, 1);
  ASSERT_EQ(items.size(), 1u);
}

TEST_F(ImportRun, OpenNeedsSomethingAtAFullPath) {
  FakeDocument document(Pictures().string());
  EXPECT_EQ(filter_.Open(CardPath("absent.film").c_str(), document.get(), nullptr), 0);
  WriteBytes("relative.film", CardText({"R"}));
  EXPECT_EQ(filter_.Open("relative.film", document.get(), nullptr), 0);
  fs::remove("relative.film");
  EXPECT_EQ(filter_.Open("", document.get(), nullptr), 0);
  // After a failed Open nothing runs.
  FakeItem item;
  int32_t kind = 5;
  EXPECT_EQ(filter_.ProcessItem(*item, kind), -1);
  EXPECT_EQ(kind, 0);
  EXPECT_EQ(filter_.GetCount(), 0);
}

TEST_F(ImportRun, NoMatchGivesCountZeroAndThenTheEnd) {
  // The chosen card disappears between Open and GetCount.
  WriteBytes(Cards() / "a.film", CardText({"A"}));
  FakeDocument document(Pictures().string());
  filter_.Settings().allFiles = 0;
  ASSERT_EQ(filter_.Open(CardPath("a.film").c_str(), document.get(), nullptr), 1);
  fs::remove(Cards() / "a.film");
  EXPECT_EQ(filter_.GetCount(), 0);
  FakeItem item;
  int32_t kind = 0;
  EXPECT_EQ(filter_.ProcessItem(*item, kind), -1);
  EXPECT_EQ(filter_.ProcessItem(*item, kind), -1);
  EXPECT_EQ(filter_.Close(), 1);
}

TEST_F(ImportRun, GetCountRewindsTheEnumeration) {
  WriteBytes(Cards() / "a.film", CardText({"A"}));
  WriteBytes(Cards() / "b.film", CardText({"B"}));
  FakeDocument document(Pictures().string());
  ASSERT_EQ(filter_.Open(CardPath("a.film").c_str(), document.get(), nullptr), 1);
  EXPECT_EQ(filter_.GetCount(), 2);
  FakeItem first;
  int32_t kind = 0;
  ASSERT_EQ(filter_.ProcessItem(*first, kind), 1);
  EXPECT_EQ(filter_.GetCount(), 2);
  FakeItem again;
  ASSERT_EQ(filter_.ProcessItem(*again, kind), 1);
  EXPECT_EQ(StringOf(again->title), "A");
  filter_.Close();
}

}  // namespace
}  // namespace orv::filmcard
