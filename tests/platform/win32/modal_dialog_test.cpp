// The shared dialog logic bound to a real modal dialog (dialog 200 of win32_test.rc), driven
// from a second thread the way a user would. Needs a display.
#include <gtest/gtest.h>

// windows.h must come before the other Windows headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <atomic>
#include <stdexcept>

#include "platform/ui.h"
#include "tests/platform/win32/dialog_driver.h"

namespace orv::ui {
namespace {

using orv::testing::DialogDriver;
using orv::testing::DriveDialogs;

class SampleLogic : public DialogLogic {
 public:
  int okCalls = 0;
  int refuseOk = 0;  // OK presses to refuse before accepting
  bool throwOnCommand = false;
  DialogModel atCommand, atOk;

  void OnInit(DialogModel& model) override {
    model.SetChecked(1001, 1);
    model.SetRadioPosition(1002, 3, 2);
    model.SetItems(1005, {"Un", "Deux \xE9t\xE9", "Trois"});
    model.Select(1005, 1);
    model.SetText(1006, "caf\xE9");
    Control* time = model.Find(1007);
    time->hour = 1;
    time->minute = 30;
    time->second = 5;
    Control* list = model.Find(1008);
    list->columns = {{"Balise", 90}, {"signification", 120}};
    list->rows = {{"<!--title-->", "titre"},
                  {"<!--year-->",
                   "ann\xE9"
                   "e"}};
    model.Find(1010)->enabled = true;
    model.caption = "Essai modifi\xE9";
  }
  bool OnOk(DialogModel& model) override {
    ++okCalls;
    atOk = model;
    if (refuseOk > 0) {
      --refuseOk;
      model.SetText(1006, "refus\xE9");
      return false;
    }
    return true;
  }
  void OnCommand(DialogModel& model, int controlId) override {
    if (throwOnCommand) throw std::runtime_error("broken logic");
    atCommand = model;
    if (controlId == 1009) {
      model.SetText(1006, model.Text(1005));
      model.Find(1001)->enabled = false;
    }
  }
};

int ComboCount(HWND dialog, int id) {
  return static_cast<int>(SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
}

TEST(ModalDialogTest, InitShowsTheModelAndOkReadsTheControlsBack) {
  SampleLogic logic;
  logic.refuseOk = 1;
  DialogResult result = DialogResult::kCancel;
  std::atomic<bool> stayedOpen{false};
  DriveDialogs(
      [&] { result = RunModalDialog(200, logic); },
      [&](DialogDriver& driver) {
        HWND dialog = driver.WaitForDialog();
        ASSERT_NE(dialog, nullptr);
        // What OnInit put into the model is on screen.
        EXPECT_EQ(DialogDriver::Text(dialog), "Essai modifi\xE9");
        EXPECT_EQ(IsDlgButtonChecked(dialog, 1001), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, 1004), BST_CHECKED);
        EXPECT_EQ(IsDlgButtonChecked(dialog, 1002), BST_UNCHECKED);
        EXPECT_EQ(ComboCount(dialog, 1005), 3);
        EXPECT_EQ(SendDlgItemMessageA(dialog, 1005, CB_GETCURSEL, 0, 0), 1);
        EXPECT_EQ(DialogDriver::ControlText(dialog, 1006), "caf\xE9");
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, 1010)));
        SYSTEMTIME shown{};
        SendDlgItemMessageA(dialog, 1007, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
        EXPECT_EQ(shown.wHour * 3600 + shown.wMinute * 60 + shown.wSecond, 5405);
        SYSTEMTIME today{};
        GetLocalTime(&today);
        EXPECT_EQ(shown.wYear, today.wYear);
        HWND list = GetDlgItem(dialog, 1008);
        EXPECT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 2);

        // The user changes everything, then presses OK: refused once.
        DialogDriver::SetCheck(dialog, 1001, false);
        DialogDriver::ClickRadio(dialog, 1003);
        DialogDriver::SelectComboItem(dialog, 1005, 2);
        DialogDriver::SetText(dialog, 1006, "th\xE9");
        DialogDriver::SetTime(dialog, 1007, 23, 59, 58);
        DialogDriver::Press(dialog, IDOK);
        Sleep(500);
        stayedOpen =
            IsWindowVisible(dialog) && DialogDriver::ControlText(dialog, 1006) == "refus\xE9";
        DialogDriver::Press(dialog, IDOK);
        EXPECT_TRUE(driver.WaitUntilClosed(dialog));
      });
  EXPECT_EQ(result, DialogResult::kOk);
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(logic.okCalls, 2);
  const DialogModel& model = logic.atOk;
  EXPECT_EQ(model.id, 200);
  EXPECT_EQ(model.Checked(1001), 0);
  EXPECT_EQ(model.RadioPosition(1002, 3), 1);
  EXPECT_EQ(model.Selection(1005), 2);
  EXPECT_EQ(model.Text(1006), "refus\xE9");  // what the refusal wrote stayed on screen
  ASSERT_NE(model.Find(1007), nullptr);
  EXPECT_EQ(model.Find(1007)->hour, 23);
  EXPECT_EQ(model.Find(1007)->minute, 59);
  EXPECT_EQ(model.Find(1007)->second, 58);
  ASSERT_EQ(model.Find(1008)->rows.size(), 2u);
  EXPECT_EQ(model.Find(1008)->rows[1][1],
            "ann\xE9"
            "e");
  EXPECT_EQ(model.Find(1008)->columns[0].title, "Balise");
}

TEST(ModalDialogTest, PushButtonsRunTheLogicAndShowWhatItChanged) {
  SampleLogic logic;
  DialogResult result = DialogResult::kOk;
  std::string shownAfterCommand;
  bool checkEnabled = true;
  DriveDialogs([&] { result = RunModalDialog(200, logic); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 DialogDriver::SelectComboItem(dialog, 1005, 0);
                 DialogDriver::Press(dialog, 1009);
                 Sleep(500);
                 shownAfterCommand = DialogDriver::ControlText(dialog, 1006);
                 checkEnabled = IsWindowEnabled(GetDlgItem(dialog, 1001));
                 DialogDriver::Press(dialog, IDCANCEL);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_EQ(result, DialogResult::kCancel);
  EXPECT_EQ(logic.okCalls, 0);
  EXPECT_EQ(logic.atCommand.Selection(1005), 0);
  EXPECT_EQ(logic.atCommand.Text(1005), "Un");
  EXPECT_EQ(shownAfterCommand, "Un");
  EXPECT_FALSE(checkEnabled);
}

TEST(ModalDialogTest, ALogicThatThrowsCancelsTheDialog) {
  SampleLogic logic;
  logic.throwOnCommand = true;
  DialogResult result = DialogResult::kOk;
  DriveDialogs([&] { result = RunModalDialog(200, logic); },
               [&](DialogDriver& driver) {
                 HWND dialog = driver.WaitForDialog();
                 ASSERT_NE(dialog, nullptr);
                 DialogDriver::Press(dialog, 1009);
                 EXPECT_TRUE(driver.WaitUntilClosed(dialog));
               });
  EXPECT_EQ(result, DialogResult::kCancel);
}

TEST(ModalDialogTest, AMissingTemplateCancelsAtOnce) {
  SampleLogic logic;
  EXPECT_EQ(RunModalDialog(201, logic), DialogResult::kCancel);
  EXPECT_EQ(RunModalDialog(0, logic), DialogResult::kCancel);
}

TEST(MessageBoxTest, TheButtonPressedIsTheAnswer) {
  MessageAnswer answer = MessageAnswer::kOk;
  std::string text;
  DriveDialogs(
      [&] {
        answer = ShowMessage("Continuer l'op\xE9ration ?", "Question", MessageButtons::kYesNo,
                             MessageIcon::kQuestion);
      },
      [&](DialogDriver& driver) {
        HWND box = driver.WaitForDialog();
        ASSERT_NE(box, nullptr);
        text = DialogDriver::Text(box);
        DialogDriver::Press(box, IDNO);
        EXPECT_TRUE(driver.WaitUntilClosed(box));
      });
  EXPECT_EQ(answer, MessageAnswer::kNo);
  EXPECT_EQ(text, "Question");
}

}  // namespace
}  // namespace orv::ui
