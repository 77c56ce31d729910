// discfetch's choice among matches in a real window: the row chosen is the match read, the
// last row is none of them, Cancel is neither. Needs a display. Also the entry cache in the
// user's application data.
#include <gtest/gtest.h>
#include <windows.h>

#include "discfetch/match_choice_dialog.h"
#include "discfetch/xmcd_cache.h"
#include "platform/data_folder.h"
#include "platform/files.h"
#include "tests/discfetch/entry_text.h"
#include "tests/platform/win32/dialog_driver.h"

namespace orv::discfetch {
namespace {

using orv::testing::DialogDriver;
using orv::testing::DriveDialogs;

std::vector<QueryMatch> ThreeMatches() {
  return {{"rock", 0x0501a302, "Un", "Premier"},
          {"jazz", 0x0501a3ff, "Deux", "Second"},
          {"blues", 0x0501a300, "", "Troisieme"}};
}

MatchChoice Choose(const std::function<void(HWND)>& act, std::string* prompt = nullptr) {
  const std::vector<QueryMatch> matches = ThreeMatches();
  MatchChoice choice;
  DriveDialogs([&] { choice = ChooseMatch(matches, 2); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 if (prompt) *prompt = DialogDriver::ControlText(dialog, 1001);
                 act(dialog);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  return choice;
}

TEST(DiscfetchMatchDialog, TheRowChosenIsTheMatchAndTheLastRowIsNone) {
  std::string prompt;
  MatchChoice choice = Choose(
      [](HWND dialog) {
        DialogDriver::SelectListRows(dialog, 1002, {1});
        DialogDriver::Press(dialog, IDOK);
      },
      &prompt);
  EXPECT_FALSE(choice.cancelled);
  ASSERT_TRUE(choice.match.has_value());
  EXPECT_EQ(*choice.match, 1u);
  EXPECT_NE(prompt.find("CD 2"), std::string::npos) << prompt;

  choice = Choose([](HWND dialog) { DialogDriver::Press(dialog, IDOK); });
  ASSERT_TRUE(choice.match.has_value()) << "the first match is selected at the start";
  EXPECT_EQ(*choice.match, 0u);

  choice = Choose([](HWND dialog) {
    DialogDriver::SelectListRows(dialog, 1002, {3});
    DialogDriver::Press(dialog, IDOK);
  });
  EXPECT_FALSE(choice.cancelled);
  EXPECT_FALSE(choice.match.has_value()) << "Aucun de ceux-ci";

  choice = Choose([](HWND dialog) { DialogDriver::Press(dialog, IDCANCEL); });
  EXPECT_TRUE(choice.cancelled);
}

TEST(DiscfetchCache, EntriesAreKeptInTheApplicationDataAndFoundAgain) {
  const std::string folder = platform::FilterDataFolder("discfetch_cache_test");
  ASSERT_FALSE(folder.empty());
  EXPECT_TRUE(platform::IsFolder(folder));
  EXPECT_EQ(folder.substr(folder.size() - 21), "\\discfetch_cache_test");
  const XmcdCache cache(folder);
  const std::string entry = testing::EntryText("0501a302", "Noir / Tostaky", {"Un", "Deux"});
  ASSERT_TRUE(platform::WriteWholeFile(folder + "\\blues-0501a302.xmcd", entry.substr(0, 90)));
  ASSERT_TRUE(cache.Keep("rock", 0x0501a302, entry));
  DiscEntry found;
  std::string category;
  ASSERT_TRUE(cache.Find(0x0501a302, found, category)) << "the truncated file is passed over";
  EXPECT_EQ(category, "rock");
  EXPECT_EQ(found.discTitle, "Tostaky");
  EXPECT_FALSE(cache.Find(0x0501a303, found, category));
  DeleteFileA((folder + "\\blues-0501a302.xmcd").c_str());
  DeleteFileA((folder + "\\rock-0501a302.xmcd").c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace orv::discfetch
