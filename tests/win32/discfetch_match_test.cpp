// discfetch's choice among matches in a real window: the row chosen is the match read, the
// last row is none of them, Cancel is neither. Needs a display.
#include <gtest/gtest.h>
#include <windows.h>

#include "discfetch/match_choice_dialog.h"
#include "tests/win32/dialog_driver.h"

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

}  // namespace
}  // namespace orv::discfetch
