#include "pagebuilder/export_run.h"

#include <gtest/gtest.h>

#include <cstring>

#include "contract/path.h"
#include "tests/pagebuilder/export_fixture.h"

namespace orv::pagebuilder {
namespace {

using orv::testing::Document;
using orv::testing::Exists;
using orv::testing::Items;
using orv::testing::ReadFile;
using orv::testing::ScratchFolder;

class ExportRunTest : public ::testing::Test {
 protected:
  ExportSettings Settings(const std::string& templateText) {
    ExportSettings settings;
    settings.templatePath = folder_.Write("template.htm", templateText);
    settings.copyIcons = false;
    settings.copyImages = false;
    settings.namesFromTitles = false;
    return settings;
  }
  // Runs a whole export as the host does; gives the results of every WriteNext.
  std::vector<int32_t> Export(const std::string& output, const ExportSettings& settings,
                              std::vector<int32_t>* kinds = nullptr) {
    ExportRun run;
    std::vector<int32_t> results;
    if (!run.Open(output, document_.get(), items_.list(), settings)) return {0};
    for (int guard = 0; guard < 1000; ++guard) {
      int32_t kind = 0;
      results.push_back(run.WriteNext(kind));
      if (kinds) kinds->push_back(kind);
      if (results.back() == -1) break;
    }
    run.Close();
    return results;
  }

  ScratchFolder folder_;
  Document document_;
  Items items_;
};

TEST_F(ExportRunTest, LoopModeWritesTheHeadEveryItemAndTheTail) {
  document_.Owner("Jeanne", "Mes films", "EUR");
  items_.Add("Alien");
  items_.Add("Brazil");
  const std::string out = folder_ / "liste.htm";
  const auto results = Export(
      out, Settings("<h1><!--doctitle--> (<!--header02-->)</h1>\n<!--repeat--><p><!--numb-->. "
                    "<!--title--> <!--doccurr--></p>\n<!--eor--><i><!--docowner--></i>\n"));
  EXPECT_EQ(results, (std::vector<int32_t>{1, 1, -1}));
  EXPECT_EQ(ReadFile(out),
            "<h1>Mes films (Titre)</h1>\n<p>1. Alien EUR</p>\n<p>2. Brazil EUR</p>\n"
            "<i>Jeanne</i>\n");
}

TEST_F(ExportRunTest, HeadAndTailGetOnlyTheDocumentTags) {
  document_.Owner("Jeanne", "T", "EUR");
  items_.Add("Alien");
  const std::string out = folder_ / "liste.htm";
  Export(out, Settings("<!--title--><!--docowner--><!--repeat-->[<!--title-->]<!--eor-->"
                       "<!--numb--><!--header24--><!--docowner-->"));
  EXPECT_EQ(ReadFile(out), "<!--title-->Jeanne[Alien]<!--numb-->CommentairesJeanne");
}

TEST_F(ExportRunTest, EorBeforeRepeatWritesHeadAndTailOnly) {
  items_.Add("Alien");
  items_.Add("Brazil");
  const std::string out = folder_ / "liste.htm";
  const auto results = Export(out, Settings("A<!--eor-->B<!--repeat-->C<!--title--><!--eor-->D"));
  EXPECT_EQ(results, (std::vector<int32_t>{1, 1, -1}));
  EXPECT_EQ(ReadFile(out), "A<!--eor-->BB<!--repeat-->C<!--title-->D");
}

TEST_F(ExportRunTest, FileModeWritesANumberedPagePerItemWithoutTheRepeatTag) {
  document_.Owner("Jeanne", "T", "EUR");
  items_.Add("Alien");
  items_.Add("Brazil");
  const auto results =
      Export(folder_ / "fiche.htm", Settings("<!--repeat--><b><!--title--></b> <!--docowner-->"));
  EXPECT_EQ(results, (std::vector<int32_t>{1, 1, -1}));
  EXPECT_EQ(folder_.List(),
            (std::vector<std::string>{"fiche01.htm", "fiche02.htm", "template.htm"}));
  EXPECT_EQ(ReadFile(folder_ / "fiche01.htm"), "<b>Alien</b> Jeanne");
  EXPECT_EQ(ReadFile(folder_ / "fiche02.htm"), "<b>Brazil</b> Jeanne");
}

TEST_F(ExportRunTest, NumberedNamesStayInAFolderWithADotAndRestartWithEveryRun) {
  const std::string site = folder_.MakeFolder("old.site");
  items_.Add("Alien");
  const ExportSettings settings = Settings("<!--title-->");
  Export(JoinPath(site, "liste"), settings);
  EXPECT_EQ(ReadFile(JoinPath(site, "liste1")), "Alien");
  Items::Text(items_.list()->items[0].title, "Brazil");
  Export(JoinPath(site, "liste"), settings);
  EXPECT_EQ(folder_.List("old.site"), (std::vector<std::string>{"liste1"}));
  EXPECT_EQ(ReadFile(JoinPath(site, "liste1")), "Brazil");
}

TEST_F(ExportRunTest, TitleNamesStayInTheOutputFolderAndNeverReplaceEachOther) {
  items_.Add("Alien");
  items_.Add("../../Alien");
  items_.Add("Alien");
  items_.Add("..");
  ExportSettings settings = Settings("<!--numb-->");
  settings.namesFromTitles = true;
  const std::string site = folder_.MakeFolder("site");
  EXPECT_EQ(Export(JoinPath(site, "page.html"), settings), (std::vector<int32_t>{1, 1, 1, 1, -1}));
  EXPECT_EQ(folder_.List("site"), (std::vector<std::string>{"      Alien.html", "Alien (2).html",
                                                            "Alien.html", "page01.html"}));
  EXPECT_EQ(ReadFile(JoinPath(site, "Alien.html")), "1");
  EXPECT_EQ(ReadFile(JoinPath(site, "Alien (2).html")), "3");
  EXPECT_EQ(ReadFile(JoinPath(site, "page01.html")), "4");
  EXPECT_EQ(folder_.List(), (std::vector<std::string>{"site", "template.htm"}));
}

TEST_F(ExportRunTest, PagesBesideTheTemplateNeverReplaceIt) {
  items_.Add("Template");
  items_.Add("");
  ExportSettings settings = Settings("<!--numb-->");
  settings.namesFromTitles = true;
  EXPECT_EQ(Export(folder_ / "template.htm", settings), (std::vector<int32_t>{1, 1, -1}));
  EXPECT_EQ(ReadFile(folder_ / "template.htm"), "<!--numb-->");
  EXPECT_EQ(ReadFile(folder_ / "Template (2).htm"), "1");
  EXPECT_EQ(ReadFile(folder_ / "template01.htm"), "2");
}

TEST_F(ExportRunTest, EveryTagTakesItsFieldInTheReplacementOrder) {
  document_.Owner("Jeanne", "Films", "EUR")
      .CodeList(ORV_CODE_FORMAT1, "Pal|Sécam|Ntsc")
      .CodeList(ORV_CODE_FORMAT2, "2:35|16/9");
  MediaItem& item = items_.Add("<!--lang--> <!--numb-->", 1);
  Items::Text(item.type, "Drame");
  Items::Text(item.editor, "Gaumont");
  Items::Text(item.author, "Besson");
  Items::Text(item.coauthor, "Reno");
  Items::Text(item.lang, "FR <!--year-->");
  Items::Text(item.custom1, "c1");
  Items::Text(item.custom2, "c2");
  Items::Text(item.custom3, "<!--header05-->");
  Items::Text(item.image, "bleu.jpg");
  Items::Text(item.lendname, "Paul");
  Items::Text(item.comment, "un\r\ndeux\\ntrois");
  std::strcpy(item.length, "02:48:00");
  std::strcpy(item.date, "2003/05/01");
  std::strcpy(item.lendat1, "2004/01/01");
  std::memcpy(item.lendat2, "2004/02/01xy", 11);  // no terminator
  item.year = 1988;
  item.rating = 9;
  item.chap = 12;
  item.price = 12.5f;
  item.medium = 19;
  item.format1 = 1;
  item.format2 = 7;
  item.sound = 2;

  const std::string out = folder_ / "fiche.htm";
  Export(out, Settings("<!--numb-->|<!--icon-->|<!--medium-->|<!--title-->|<!--type-->|"
                       "<!--editor-->|<!--author-->|<!--coauthor-->|<!--year-->|<!--lang-->|"
                       "<!--rating-->|<!--length-->|<!--format1-->|<!--format2-->|<!--sound-->|"
                       "<!--chap-->|<!--date-->|<!--price-->|<!--lendname-->|<!--lendat1-->|"
                       "<!--lendat2-->|<!--custom1-->|<!--custom2-->|<!--custom3-->|<!--image-->|"
                       "<!--comment-->|<!--docowner-->|<!--doctitle-->|<!--doccurr-->|"
                       "<!--header01-->|<!--header25-->|<!--Title-->"));
  EXPECT_EQ(ReadFile(folder_ / "fiche01.htm"),
            "1|icon20.gif|DVD|FR 1988 <!--numb-->|Drame|Gaumont|Besson|Reno|1988|FR 1988|9|"
            "02:48:00|Sécam|hors limite||12|2003/05/01|12,50|Paul|2004/01/01|2004/02/01x|c1|c2|"
            "Auteur|bleu.jpg|un<br>deux<br>trois|Jeanne|Films|EUR|Support|<!--header25-->|"
            "<!--Title-->");
  EXPECT_FALSE(Exists(out));
}

TEST_F(ExportRunTest, CodesBeyondTheirListsAreNamedAsSuch) {
  document_.CodeList(ORV_CODE_SOUND, "Mono|Stéréo");
  MediaItem& item = items_.Add("A");
  item.medium = 91;
  item.sound = -1;
  item.format1 = 3;  // empty list: nothing
  item.price = 0.0f;
  Export(folder_ / "p.htm", Settings("<!--medium-->/<!--sound-->/<!--format1-->/<!--price-->"));
  EXPECT_EQ(ReadFile(folder_ / "p01.htm"), "erreur/hors limite//0,00");
}

TEST_F(ExportRunTest, CommentsKeepTheirLineBreaksInXml) {
  Items::Text(items_.Add("A").comment, "un\r\ndeux");
  const ExportSettings settings = Settings("<!--repeat--><c><!--comment--></c><!--eor-->");
  Export(folder_ / "liste.xml", settings);
  EXPECT_EQ(ReadFile(folder_ / "liste.xml"), "<c>un\r\ndeux</c>");
  Export(folder_ / "liste.htm", settings);
  EXPECT_EQ(ReadFile(folder_ / "liste.htm"), "<c>un<br>deux</c>");
  // Anywhere in the path, in any case.
  const std::string xmlFolder = folder_.MakeFolder("data.Xml.d");
  Export(JoinPath(xmlFolder, "liste.htm"), settings);
  EXPECT_EQ(ReadFile(JoinPath(xmlFolder, "liste.htm")), "<c>un\r\ndeux</c>");
}

TEST_F(ExportRunTest, BytesPassThroughUnchanged) {
  items_.Add("A\xE9");
  const std::string withZero =
      std::string("<p>\r\n<!--repeat-->\xE9<!--title-->\r\n\n\r<!--eor-->") + std::string(1, '\0') +
      "\xFF</p>\r\n";
  Export(folder_ / "l.htm", Settings(withZero));
  EXPECT_EQ(ReadFile(folder_ / "l.htm"),
            std::string("<p>\r\n\xE9") + "A\xE9\r\n\n\r" + std::string(1, '\0') + "\xFF</p>\r\n");
}

TEST_F(ExportRunTest, ItemKindIsTheItemsCategoryAndCountIsTheListSize) {
  items_.Add("A", 4);
  items_.Add("B", 5);
  ExportRun run;
  ASSERT_TRUE(
      run.Open(folder_ / "l.htm", document_.get(), items_.list(), Settings("<!--title-->")));
  EXPECT_EQ(run.Count(), 2);
  int32_t kind = 77;
  EXPECT_EQ(run.WriteNext(kind), 1);
  EXPECT_EQ(kind, 4);
  EXPECT_EQ(run.WriteNext(kind), 1);
  EXPECT_EQ(kind, 5);
  EXPECT_EQ(run.WriteNext(kind), -1);
  EXPECT_EQ(kind, 0);
  EXPECT_EQ(run.WriteNext(kind), -1);
  run.Close();
  EXPECT_EQ(run.Count(), 0);
}

TEST_F(ExportRunTest, OpenFailsWithoutTouchingAnything) {
  items_.Add("A");
  ExportRun run;
  const ExportSettings settings = Settings("<!--repeat-->x<!--eor-->");
  EXPECT_FALSE(run.Open("", document_.get(), items_.list(), settings));
  EXPECT_FALSE(run.Open("liste.htm", document_.get(), items_.list(), settings));

  ExportSettings missing = settings;
  missing.templatePath = folder_ / "absent.htm";
  EXPECT_FALSE(run.Open(folder_ / "a.htm", document_.get(), items_.list(), missing));
  missing.templatePath = "";
  EXPECT_FALSE(run.Open(folder_ / "a.htm", document_.get(), items_.list(), missing));
  missing.templatePath = folder_.MakeFolder("a folder");
  EXPECT_FALSE(run.Open(folder_ / "a.htm", document_.get(), items_.list(), missing));
  EXPECT_FALSE(Exists(folder_ / "a.htm"));

  // Loop mode creates its file at Open.
  EXPECT_FALSE(
      run.Open(JoinPath(folder_ / "absent", "a.htm"), document_.get(), items_.list(), settings));
  EXPECT_FALSE(run.IsOpen());
  int32_t kind = 0;
  EXPECT_EQ(run.WriteNext(kind), -1);
}

TEST_F(ExportRunTest, TemplatesBeyondTheCapAreRefused) {
  ExportSettings settings = Settings("");
  settings.templatePath = folder_.Write("huge.htm", std::string(kMaxTemplateBytes + 1, 'x'));
  ExportRun run;
  EXPECT_FALSE(run.Open(folder_ / "a.htm", document_.get(), items_.list(), settings));
  settings.templatePath = folder_.Write("big.htm", std::string(kMaxTemplateBytes, 'x'));
  EXPECT_TRUE(run.Open(folder_ / "a.htm", document_.get(), items_.list(), settings));
}

TEST_F(ExportRunTest, APageThatCannotBeCreatedEndsTheRun) {
  items_.Add("A");
  items_.Add("B");
  EXPECT_EQ(Export(JoinPath(folder_ / "absent", "p.htm"), Settings("x")),
            (std::vector<int32_t>{-1}));
}

TEST_F(ExportRunTest, ALoopModeWriteThatFailsEndsTheRun) {
  if (!Exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  items_.Add("A");
  items_.Add("B");
  // Pages larger than any stdio buffer reach the device at once.
  const std::string big(64 * 1024, 'x');
  EXPECT_EQ(Export("/dev/full", Settings("<!--repeat-->" + big + "<!--eor-->")),
            (std::vector<int32_t>{-1}));
}

TEST_F(ExportRunTest, MissingListsAndDocumentsExportNothingOrEmptyValues) {
  const ExportSettings settings =
      Settings("<!--repeat-->[<!--title-->|<!--docowner-->|<!--format1-->]<!--eor-->");
  ExportRun run;
  int32_t kind = 0;
  ASSERT_TRUE(run.Open(folder_ / "a.htm", nullptr, nullptr, settings));
  EXPECT_EQ(run.Count(), 0);
  EXPECT_EQ(run.WriteNext(kind), -1);
  run.Close();

  ItemList broken{0, nullptr, 3};
  ASSERT_TRUE(run.Open(folder_ / "a.htm", nullptr, &broken, settings));
  EXPECT_EQ(run.Count(), 0);
  EXPECT_EQ(run.WriteNext(kind), -1);
  run.Close();

  items_.Add("A");
  items_.list()->count = -5;
  ASSERT_TRUE(run.Open(folder_ / "a.htm", nullptr, items_.list(), settings));
  EXPECT_EQ(run.Count(), 0);
  run.Close();
  items_.list()->count = 1;

  HostDocument bare;
  std::memset(&bare, 0, sizeof bare);
  ASSERT_TRUE(run.Open(folder_ / "a.htm", &bare, items_.list(), settings));
  EXPECT_EQ(run.WriteNext(kind), 1);
  run.Close();
  EXPECT_EQ(ReadFile(folder_ / "a.htm"), "[A||]");
}

class AssetCopyTest : public ExportRunTest {
 protected:
  void SetUp() override {
    icons_ = folder_.MakeFolder("icons");
    for (const char* name : {"icon01.gif", "ICON02.GIF", "other.gif", "icon03.png"}) {
      folder_.Write(JoinPath("icons", name), name);
    }
    folder_.MakeFolder(JoinPath("icons", "icon04.gif"));
    videos_ = folder_.MakeFolder("pictures1");
    collectibles_ = folder_.MakeFolder("pictures5");
    folder_.Write(JoinPath("pictures1", "bleu.jpg"), "video");
    folder_.Write(JoinPath("pictures5", "bleu.jpg"), "collectible");
    folder_.Write("secret.jpg", "secret");
    document_.PictureDir(1, videos_).PictureDir(5, collectibles_);
    site_ = folder_.MakeFolder("site");
  }
  ExportSettings WithCopies() {
    ExportSettings settings = Settings("<!--repeat--><img src=\"<!--image-->\"><!--eor-->");
    settings.copyIcons = true;
    settings.copyImages = true;
    settings.iconFolder = icons_;
    return settings;
  }
  std::string icons_, videos_, collectibles_, site_;
};

TEST_F(AssetCopyTest, IconsAreCopiedAtOpenAndPicturesWithEachItem) {
  Items::Text(items_.Add("A").image, "bleu.jpg");
  Items::Text(items_.Add("B").image, "absent.jpg");
  Items::Text(items_.Add("C").image, "");
  EXPECT_EQ(Export(JoinPath(site_, "l.htm"), WithCopies()), (std::vector<int32_t>{1, 1, 1, -1}));
  EXPECT_EQ(folder_.List("site"),
            (std::vector<std::string>{"ICON02.GIF", "bleu.jpg", "icon01.gif", "l.htm"}));
  EXPECT_EQ(ReadFile(JoinPath(site_, "bleu.jpg")), "video");
  EXPECT_EQ(ReadFile(JoinPath(site_, "icon01.gif")), "icon01.gif");
}

TEST_F(AssetCopyTest, PicturesComeFromTheExportedCategorysFolder) {
  Items::Text(items_.Add("A", 5).image, "bleu.jpg");
  ExportSettings settings = WithCopies();
  settings.category = 5;
  Export(JoinPath(site_, "l.htm"), settings);
  EXPECT_EQ(ReadFile(JoinPath(site_, "bleu.jpg")), "collectible");
}

TEST_F(AssetCopyTest, NothingIsCopiedWhenSwitchedOffOrUnsafe) {
  Items::Text(items_.Add("A").image, JoinPath("..", "secret.jpg"));
  Items::Text(items_.Add("B").image, "..");
  ExportSettings settings = WithCopies();
  Export(JoinPath(site_, "l.htm"), settings);
  EXPECT_EQ(folder_.List("site"), (std::vector<std::string>{"ICON02.GIF", "icon01.gif", "l.htm"}));

  const std::string other = folder_.MakeFolder("other");
  Items::Text(items_.list()->items[0].image, "bleu.jpg");
  settings.copyIcons = false;
  settings.copyImages = false;
  Export(JoinPath(other, "l.htm"), settings);
  EXPECT_EQ(folder_.List("other"), (std::vector<std::string>{"l.htm"}));

  // A category without a picture folder, or out of range, copies no picture.
  settings.copyImages = true;
  settings.category = 3;
  Export(JoinPath(other, "l.htm"), settings);
  settings.category = 9;
  Export(JoinPath(other, "l.htm"), settings);
  EXPECT_EQ(folder_.List("other"), (std::vector<std::string>{"l.htm"}));
}

TEST_F(AssetCopyTest, IconsAreLeftAloneWhenTheOutputIsTheirFolder) {
  items_.Add("A");
  Export(JoinPath(icons_, "l.htm"), WithCopies());
  EXPECT_EQ(ReadFile(JoinPath(icons_, "icon01.gif")), "icon01.gif");
  EXPECT_EQ(ReadFile(JoinPath(icons_, "ICON02.GIF")), "ICON02.GIF");
}

TEST_F(AssetCopyTest, AFailedOpenCopiesNoIcon) {
  items_.Add("A");
  ExportSettings settings = WithCopies();
  ExportRun run;
  EXPECT_FALSE(run.Open(JoinPath(JoinPath(site_, "absent"), "l.htm"), document_.get(),
                        items_.list(), settings));
  settings.templatePath = folder_ / "absent.htm";
  EXPECT_FALSE(run.Open(JoinPath(site_, "l.htm"), document_.get(), items_.list(), settings));
  EXPECT_TRUE(folder_.List("site").empty());
}

}  // namespace
}  // namespace orv::pagebuilder
