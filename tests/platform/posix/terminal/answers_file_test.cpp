// The answers file: its syntax, how answers are matched to interactions, and dialogs run from it.
#include "platform/posix/terminal/answers_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>

#include "platform/ui.h"
#include "tests/platform/temp_folder.h"

namespace orv::ui {
namespace {

using Kind = DialogAction::Kind;

Expected Dialog(int id) {
  Expected expected;
  expected.kind = AnswerKind::kDialog;
  expected.dialogId = id;
  return expected;
}

Expected Message(MessageButtons buttons) {
  Expected expected;
  expected.kind = AnswerKind::kMessage;
  expected.buttons = buttons;
  return expected;
}

Expected Path(AnswerKind kind) {
  Expected expected;
  expected.kind = kind;
  return expected;
}

// The error Take gives for the first answer of `text`, or "" when it is taken.
std::string FirstError(const std::string& text, const Expected& expected) {
  AnswersFile file("answers.txt", text);
  std::optional<Answer> answer;
  const AnswerStatus status = file.Take(expected, answer);
  return status.ok ? std::string() : status.message;
}

TEST(AnswersFileTest, ReadsEveryKindOfAnswerInOrder) {
  AnswersFile file("answers.txt",
                   "# a run of the filter\n"
                   "\n"
                   "msgbox YES   # the first question\n"
                   "dialog 129 set 1001=\"le \\\"grand\\\" bleu # pas un commentaire\" check 1016=1"
                   " select 1005=2 select 1,3 select 1020=0 press 1010 ok\n"
                   "  file \"/tmp/mes films/a.film\"\n"
                   "file cancel\n"
                   "folder \"cancel\"\n"
                   "dialog 1002 cancel\n");
  std::optional<Answer> answer;
  ASSERT_TRUE(file.Take(Message(MessageButtons::kYesNo), answer).ok);
  ASSERT_TRUE(answer);
  EXPECT_EQ(answer->button, MessageAnswer::kYes);
  EXPECT_EQ(answer->line, 3u);

  ASSERT_TRUE(file.Take(Dialog(129), answer).ok);
  ASSERT_TRUE(answer);
  ASSERT_EQ(answer->actions.size(), 7u);
  EXPECT_EQ(answer->actions[0].kind, Kind::kSet);
  EXPECT_EQ(answer->actions[0].controlId, 1001);
  EXPECT_EQ(answer->actions[0].value, "le \"grand\" bleu # pas un commentaire");
  EXPECT_EQ(answer->actions[1].kind, Kind::kCheck);
  EXPECT_EQ(answer->actions[1].number, 1);
  EXPECT_EQ(answer->actions[2].kind, Kind::kSelect);
  EXPECT_EQ(answer->actions[2].number, 2);
  EXPECT_EQ(answer->actions[3].kind, Kind::kSelectRows);
  EXPECT_EQ(answer->actions[3].rows, (std::vector<int>{1, 3}));
  EXPECT_EQ(answer->actions[4].rows, std::vector<int>{0});
  EXPECT_EQ(answer->actions[5].kind, Kind::kPress);
  EXPECT_EQ(answer->actions[5].controlId, 1010);
  EXPECT_EQ(answer->actions[6].kind, Kind::kOk);

  ASSERT_TRUE(file.Take(Path(AnswerKind::kFile), answer).ok);
  EXPECT_EQ(answer->path, "/tmp/mes films/a.film");
  ASSERT_TRUE(file.Take(Path(AnswerKind::kFile), answer).ok);
  ASSERT_TRUE(answer);
  EXPECT_FALSE(answer->path);
  ASSERT_TRUE(file.Take(Path(AnswerKind::kFolder), answer).ok);
  EXPECT_EQ(answer->path, "cancel");  // quoted: a folder of that name
  ASSERT_TRUE(file.Take(Dialog(1002), answer).ok);
  EXPECT_EQ(answer->actions.back().kind, Kind::kCancel);

  // Then nothing is left, which is not an error.
  const AnswerStatus status = file.Take(Dialog(129), answer);
  EXPECT_TRUE(status.ok);
  EXPECT_FALSE(answer);
}

TEST(AnswersFileTest, AnAnswerForAnotherInteractionNamesFileLineAndBothSides) {
  EXPECT_EQ(FirstError("\n# comment\ndialog 1001 ok\n", Dialog(129)),
            "answers file answers.txt line 3: expected dialog 129, found \"dialog 1001 ok\"");
  EXPECT_EQ(FirstError("msgbox ok\n", Dialog(129)),
            "answers file answers.txt line 1: expected dialog 129, found \"msgbox ok\"");
  EXPECT_EQ(FirstError("msgbox yes\n", Message(MessageButtons::kOkCancel)),
            "answers file answers.txt line 1: expected msgbox with ok or cancel, found "
            "\"msgbox yes\"");
  EXPECT_EQ(FirstError("dialog 129 ok\n", Path(AnswerKind::kFolder)),
            "answers file answers.txt line 1: expected folder PATH or folder cancel, found "
            "\"dialog 129 ok\"");
  EXPECT_NE(FirstError("msgbox ok ok\n", Message(MessageButtons::kOk)), "");
}

TEST(AnswersFileTest, MalformedDialogLinesAreErrors) {
  const struct {
    const char* line;
    const char* error;
  } cases[] = {
      {"dialog 129 set 1001=\"open\n", "a quote is not closed"},
      {"dialog 129 set 1001=x\n", "dialog line must end with ok or cancel"},
      {"dialog 129 ok set 1001=x\n", "nothing may follow ok or cancel"},
      {"dialog 129 push 1001 ok\n", "unknown action \"push\""},
      {"dialog 129 check 1016=2 ok\n", "check needs CID=0 or CID=1"},
      {"dialog 129 set 1001 ok\n", "set needs CID=VALUE"},
      {"dialog 129 select x ok\n", "select needs CID=N or rows"},
      {"dialog 129 press\n", "press needs a control id"},
      {"dialog 129 dblclick 1001=x ok\n", "dblclick needs CID=N or a row N"},
  };
  for (const auto& c : cases) {
    const std::string error = FirstError(c.line, Dialog(129));
    EXPECT_NE(error.find("line 1: "), std::string::npos) << c.line << error;
    EXPECT_NE(error.find(c.error), std::string::npos) << c.line << " gave " << error;
  }
  EXPECT_NE(FirstError("file a b\n", Path(AnswerKind::kFile)).find("one path"), std::string::npos);
  EXPECT_NE(FirstError("file \"\"\n", Path(AnswerKind::kFile)).find("empty"), std::string::npos);
}

// A logic that fills dialog 200 of platform_test.rc and records what happens to it.
class SampleLogic : public DialogLogic {
 public:
  int refusals = 0;  // how many OKs to refuse first
  int okCalls = 0;
  DialogModel accepted;
  std::vector<std::string> events;

  void OnInit(DialogModel& model) override {
    model.SetItems(206, {"Pal", "Sécam", "Ntsc"});
    model.Select(206, 0);
    Control* list = model.Find(209);
    list->columns = {{"Balise", 90}, {"signification", 120}};
    list->rows = {{"<!--title-->", "titre"}, {"<!--year-->", "année"}, {"<!--type-->", "genre"}};
  }
  bool OnOk(DialogModel& model) override {
    ++okCalls;
    if (refusals > 0) {
      --refusals;
      events.push_back("refused");
      return false;
    }
    accepted = model;
    return true;
  }
  void OnCommand(DialogModel& model, int controlId) override {
    events.push_back("press " + std::to_string(controlId));
    const std::optional<std::string> file = AskOpenFile("Sélection", "Films|*.film|");
    model.SetText(201, file.value_or("(cancelled)"));
    const MessageAnswer answer =
        ShowMessage("Remplacer ?", "Essai", MessageButtons::kYesNo, MessageIcon::kQuestion);
    events.push_back(answer == MessageAnswer::kYes ? "yes" : "no");
  }
  void OnClick(DialogModel& model, int controlId) override {
    events.push_back("click " + std::to_string(controlId) + "=" +
                     std::to_string(model.Checked(controlId)));
  }
  void OnDropDown(DialogModel& model, int controlId) override {
    events.push_back("drop " + std::to_string(controlId));
    model.SetItems(controlId, {"a", "b", "c", "d"});
  }
};

class RunFromAnswersTest : public ::testing::Test {
 protected:
  void TearDown() override { unsetenv("ORVHOST_ANSWERS"); }
  void Answers(const std::string& text) {
    setenv("ORVHOST_ANSWERS", folder_.Write("answers.txt", text).c_str(), 1);
  }
  orv::testing::TempFolder folder_;
  SampleLogic logic_;
};

TEST_F(RunFromAnswersTest, EveryKindOfControlIsSetFromTheFile) {
  Answers(
      "dialog 200 set 201=\"mon film\" check 202=1 check 204=1 check 205=1 set 206=Ntsc"
      " set 208=02:05:09 select 0,2 ok\n");
  ASSERT_EQ(RunModalDialog(200, logic_), DialogResult::kOk);
  const DialogModel& m = logic_.accepted;
  EXPECT_EQ(m.Text(201), "mon film");
  EXPECT_EQ(m.Checked(202), 1);
  EXPECT_EQ(m.RadioPosition(203, 3), 2);  // 205 cleared 204
  EXPECT_EQ(m.Checked(204), 0);
  EXPECT_EQ(m.Selection(206), 2);
  const Control* time = m.Find(208);
  EXPECT_EQ(time->hour * 10000 + time->minute * 100 + time->second, 20509);
  EXPECT_EQ(m.Find(209)->selectedRows, (std::vector<int>{0, 2}));

  // A combo value that is no entry's text is taken as an index.
  Answers("dialog 200 set 206=1 ok\n");
  ASSERT_EQ(RunModalDialog(200, logic_), DialogResult::kOk);
  EXPECT_EQ(logic_.accepted.Text(206), "Sécam");
}

TEST_F(RunFromAnswersTest, InteractionsOfAPressedButtonTakeTheFollowingLines) {
  Answers(
      "dialog 200 press 207 set 202=0 check 202=1 ok\n"
      "file /tmp/choisi.film\n"
      "msgbox yes\n");
  // set 202=0 is wrong (202 is a check box): the line is only checked when it gets there, so
  // the nested lines must already have been used by then.
  EXPECT_EXIT(RunModalDialog(200, logic_), ::testing::ExitedWithCode(2),
              "orvhost: answers file .*answers.txt line 1: control 202 is a check box");

  Answers(
      "dialog 200 press 207 check 202=1 ok\n"
      "file /tmp/choisi.film\n"
      "msgbox no\n");
  ASSERT_EQ(RunModalDialog(200, logic_), DialogResult::kOk);
  EXPECT_EQ(logic_.events, (std::vector<std::string>{"press 207", "no", "click 202=1"}));
  EXPECT_EQ(logic_.accepted.Text(201), "/tmp/choisi.film");
  EXPECT_EQ(logic_.accepted.Checked(202), 1);
}

TEST_F(RunFromAnswersTest, ClicksAndOpeningADropDownReachTheLogic) {
  // Entry 3 exists only once the drop-down was opened and filled by the logic.
  Answers("dialog 200 check 202=1 check 205=1 press 206 select 206=3 ok\n");
  ASSERT_EQ(RunModalDialog(200, logic_), DialogResult::kOk);
  EXPECT_EQ(logic_.events, (std::vector<std::string>{"click 202=1", "click 205=1", "drop 206"}));
  EXPECT_EQ(logic_.accepted.Text(206), "d");
}

TEST_F(RunFromAnswersTest, ARefusedOkKeepsTheDialogOpenForTheNextLine) {
  logic_.refusals = 1;
  Answers(
      "dialog 200 set 201=x ok\n"
      "dialog 200 cancel\n"
      "msgbox ok\n");
  EXPECT_EQ(RunModalDialog(200, logic_), DialogResult::kCancel);
  EXPECT_EQ(logic_.okCalls, 1);
  // The run goes on after the dialog's lines.
  EXPECT_EQ(ShowMessage("Fini", "Essai", MessageButtons::kOk, MessageIcon::kNone),
            MessageAnswer::kOk);
}

TEST_F(RunFromAnswersTest, AnswersForTheWrongDialogOrControlEndTheRunWithStatusTwo) {
  Answers("msgbox ok\n\ndialog 1001 ok\n");
  EXPECT_EQ(ShowMessage("a", "b", MessageButtons::kOk, MessageIcon::kNone), MessageAnswer::kOk);
  EXPECT_EXIT(RunModalDialog(200, logic_), ::testing::ExitedWithCode(2),
              "answers file .*answers.txt line 3: expected dialog 200, found \"dialog 1001 ok\"");
  Answers("dialog 200 set 299=x ok\n");
  EXPECT_EXIT(RunModalDialog(200, logic_), ::testing::ExitedWithCode(2),
              "line 1: dialog 200 has no control 299");
  Answers("dialog 200 set 206=Betamax ok\n");
  EXPECT_EXIT(RunModalDialog(200, logic_), ::testing::ExitedWithCode(2),
              "line 1: combo box 206 has no entry \"Betamax\"");
  Answers("dialog 200 set 208=24:00:00 ok\n");
  EXPECT_EXIT(RunModalDialog(200, logic_), ::testing::ExitedWithCode(2), "HH:MM:SS");
  Answers("dialog 200 select 5 ok\n");
  EXPECT_EXIT(RunModalDialog(200, logic_), ::testing::ExitedWithCode(2), "no row 5");
  Answers("folder " + (folder_ / "not-there") + "\n");
  EXPECT_EXIT(AskFolder("Icônes"), ::testing::ExitedWithCode(2), "line 1: not a folder");
}

TEST_F(RunFromAnswersTest, WithoutAnswersLeftEverythingTakesItsDefault) {
  Answers("# nothing but a comment\n");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(RunModalDialog(200, logic_), DialogResult::kCancel);
  EXPECT_EQ(ShowMessage("Continuer ?\nVraiment ?", "Essai", MessageButtons::kYesNo,
                        MessageIcon::kQuestion),
            MessageAnswer::kYes);
  EXPECT_EQ(ShowMessage("?", "Essai", MessageButtons::kRetryCancel, MessageIcon::kNone),
            MessageAnswer::kRetry);
  EXPECT_FALSE(AskOpenFile("Sélection", "Films|*.film|"));
  EXPECT_FALSE(AskFolder("Icônes"));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "orvhost: no answer left for dialog 200; cancelled\n"
            "orvhost: no answer left for message box \"Essai: Continuer ? Vraiment ?\"; yes\n"
            "orvhost: no answer left for message box \"Essai: ?\"; retry\n"
            "orvhost: no answer left for file dialog \"Sélection\"; cancelled\n"
            "orvhost: no answer left for folder dialog \"Icônes\"; cancelled\n");
  EXPECT_EQ(logic_.okCalls, 0);
}

TEST_F(RunFromAnswersTest, NoAnswersFileAndNoTerminalCancels) {
  unsetenv("ORVHOST_ANSWERS");
  // Make sure stdin is no terminal, even when the tests run from one.
  const int saved = dup(STDIN_FILENO);
  FILE* null = std::freopen("/dev/null", "r", stdin);
  ASSERT_NE(null, nullptr);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(RunModalDialog(200, logic_), DialogResult::kCancel);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "orvhost: no answer left for dialog 200; cancelled\n");
  dup2(saved, STDIN_FILENO);
  close(saved);
}

TEST_F(RunFromAnswersTest, FileAnswersAreFullPathsAndAMissingDialogIsCancelled) {
  const std::string icons = folder_ / "icônes";
  std::filesystem::create_directory(icons);
  Answers("dialog 200 ok\nfile relatif.film\nfolder \"" + icons + "\"\n");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(RunModalDialog(4242, logic_), DialogResult::kCancel);  // consumes no line
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("dialog 4242 does not exist"),
            std::string::npos);
  EXPECT_EQ(RunModalDialog(200, logic_), DialogResult::kOk);
  const std::string cwd = std::filesystem::current_path().string();
  EXPECT_EQ(AskOpenFile("t", ""), cwd + "/relatif.film");
  EXPECT_EQ(AskFolder("t"), icons);
}

// What choosing in lists tells the logic, as the Windows dialog does: dialog 201 of
// platform_test.rc, its server field editable, its list of several choices.
class ChoiceLogic : public DialogLogic {
 public:
  std::vector<std::string> events;
  void OnInit(DialogModel& model) override {
    if (Control* list = model.Find(304)) list->rows = {{"Alpha"}, {"Bravo"}, {"Charlie"}};
    if (Control* list = model.Find(209)) list->rows = {{"Alpha"}};
    model.SetItems(301, {"alpha.example", "beta.example"});
    model.SetItems(206, {"Pal", "Sécam", "Ntsc"});
  }
  void OnSelect(DialogModel& model, int id) override {
    events.push_back("select " + std::to_string(id) + "=" + model.Text(id));
  }
  void OnSelectionChange(DialogModel& model, int id) override {
    std::string rows;
    for (int row : model.Find(id)->selectedRows) rows += std::to_string(row);
    events.push_back("rows " + std::to_string(id) + "=" + rows);
  }
  bool OnDoubleClick(DialogModel&, int id) override {
    events.push_back("double " + std::to_string(id));
    return id == 304;
  }
};

TEST_F(RunFromAnswersTest, EntriesChosenRowsSelectedAndDoubleClicksReachTheLogic) {
  // An entry chosen by its text is chosen as by its index; text typed into an editable field
  // chooses nothing, though it reads as an entry.
  ChoiceLogic logic;
  Answers("dialog 200 set 206=Ntsc select 206=1 select 209=0 dblclick 209=0 ok\n");
  ASSERT_EQ(RunModalDialog(200, logic), DialogResult::kOk);
  EXPECT_EQ(logic.events, (std::vector<std::string>{"select 206=Ntsc", "select 206=Sécam",
                                                    "rows 209=0", "double 209"}));

  // A double click selects its row unless it is, then may act as OK: nothing after it runs.
  logic.events.clear();
  Answers("dialog 201 set 301=beta.example select 304=0,2 dblclick 2 dblclick 1 set 299=x ok\n");
  ASSERT_EQ(RunModalDialog(201, logic), DialogResult::kOk);
  EXPECT_EQ(logic.events, (std::vector<std::string>{"rows 304=02", "double 304"}));
  logic.events.clear();
  Answers("dialog 201 dblclick 304=1 ok\n");
  ASSERT_EQ(RunModalDialog(201, logic), DialogResult::kOk);
  EXPECT_EQ(logic.events, (std::vector<std::string>{"rows 304=1", "double 304"}));

  Answers("dialog 201 dblclick 304=3 ok\n");
  EXPECT_EXIT(RunModalDialog(201, logic), ::testing::ExitedWithCode(2),
              "line 1: list view 304 has 3 rows; there is no row 3");
  Answers("dialog 201 dblclick 301=0 ok\n");
  EXPECT_EXIT(RunModalDialog(201, logic), ::testing::ExitedWithCode(2),
              "line 1: control 301 is a combo box; dblclick fits list views");
}

TEST_F(RunFromAnswersTest, ANewAnswersFileStartsFromItsFirstLine) {
  Answers("msgbox ok\nmsgbox cancel\n");
  EXPECT_EQ(ShowMessage("a", "b", MessageButtons::kOkCancel, MessageIcon::kNone),
            MessageAnswer::kOk);
  const std::string other = folder_.Write("other.txt", "msgbox no\n");
  setenv("ORVHOST_ANSWERS", other.c_str(), 1);
  EXPECT_EQ(ShowMessage("a", "b", MessageButtons::kYesNo, MessageIcon::kNone), MessageAnswer::kNo);
}

}  // namespace
}  // namespace orv::ui
