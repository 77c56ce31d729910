// The terminal renderer: what a person sees and how typed commands act on the dialog.
#include "platform/posix/terminal/terminal_dialog.h"

#include <gtest/gtest.h>

#include <sstream>

namespace orv::ui {
namespace {

class Logic : public DialogLogic {
 public:
  bool refuseFirst = false;
  void OnInit(DialogModel& model) override {
    model.SetItems(206, {"Pal", "Sécam"});
    model.Select(206, 1);
    model.SetText(201, "Alien");
    Control* list = model.Find(209);
    list->columns = {{"Balise", 90}, {"signification", 120}};
    list->rows = {{"<!--title-->", "titre"}};
  }
  bool OnOk(DialogModel&) override {
    if (!refuseFirst) return true;
    refuseFirst = false;
    return false;
  }
};

TEST(TerminalDialogTest, AcceleratorsAreRemovedFromLabels) {
  EXPECT_EQ(WithoutAccelerators("&Son :"), "Son :");
  EXPECT_EQ(WithoutAccelerators("Films && séries&"), "Films & séries");
  EXPECT_EQ(WithoutAccelerators("Utiliser le &titre"), "Utiliser le titre");
}

TEST(TerminalDialogTest, DrawsEveryControlWithItsState) {
  DialogModel model = LoadDialogModel(200);
  Logic logic;
  logic.OnInit(model);
  model.SetChecked(202, 1);
  model.CheckRadio(204);
  std::ostringstream out;
  DrawDialog(model, out);
  const std::string text = out.str();
  for (const char* expected :
       {"== Essai des contrôles (dialog 200) ==", "Nom :", "201   edit  \"Alien\"", "--- Choix ---",
        "202   [x] Activer l'option", "203   ( ) Premier", "204   (o) Deuxième",
        "206   combo 1: Sécam", "* 1: Sécam", "207   <Parcourir>", "208   time  00:00:00",
        "209   list  Balise | signification", "0: <!--title--> | titre", "  1     <OK>",
        "  2     <Annuler>"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  EXPECT_EQ(text.find('&'), std::string::npos);
}

TEST(TerminalDialogTest, CommandsChangeTheDialogUntilOkIsAccepted) {
  DialogModel model = LoadDialogModel(200);
  Logic logic;
  logic.refuseFirst = true;
  logic.OnInit(model);
  std::istringstream in(
      "set 201=\"Le grand bleu\" check 205=1\n"
      "frobnicate\n"
      "set 299=x\n"
      "help\n"
      "ok\n"
      "select 206=0 ok\n");
  std::ostringstream out;
  EXPECT_EQ(RunTerminalDialog(model, logic, in, out), DialogResult::kOk);
  EXPECT_EQ(model.Text(201), "Le grand bleu");
  EXPECT_EQ(model.Checked(205), 1);
  EXPECT_EQ(model.Selection(206), 0);
  const std::string text = out.str();
  EXPECT_NE(text.find("error: unknown action \"frobnicate\""), std::string::npos);
  EXPECT_NE(text.find("error: dialog 200 has no control 299"), std::string::npos);
  EXPECT_NE(text.find("press CID"), std::string::npos);
  EXPECT_NE(text.find("(OK refused: the dialog stays open)"), std::string::npos);
}

// The OK button waits for a choice in the list, which a double click may also accept.
class WaitingLogic : public Logic {
 public:
  bool acceptDoubleClick = false;
  void OnInit(DialogModel& model) override {
    Logic::OnInit(model);
    model.Find(kIdOk)->enabled = false;
    model.Find(209)->rows.push_back({"<!--year-->", "année"});
  }
  void OnSelectionChange(DialogModel& model, int) override { model.Find(kIdOk)->enabled = true; }
  bool OnDoubleClick(DialogModel&, int id) override { return id == 209 && acceptDoubleClick; }
};

TEST(TerminalDialogTest, DisabledButtonsCannotBePressedUntilTheLogicEnablesThem) {
  DialogModel model = LoadDialogModel(200);
  WaitingLogic logic;
  logic.OnInit(model);
  model.Find(kIdCancel)->enabled = false;
  std::istringstream in("ok\npress 1\ncancel\nselect 1\nok\n");
  std::ostringstream out;
  EXPECT_EQ(RunTerminalDialog(model, logic, in, out), DialogResult::kOk);
  const std::string text = out.str();
  EXPECT_NE(text.find("  1     <OK>  (disabled)"), std::string::npos) << text;
  EXPECT_NE(text.find("error: OK is disabled\ndialog 200> error: OK is disabled\n"
                      "dialog 200> error: Cancel is disabled\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(model.Find(209)->selectedRows, (std::vector<int>{1}));
}

TEST(TerminalDialogTest, ADoubleClickOnARowMayActAsOk) {
  DialogModel model = LoadDialogModel(200);
  WaitingLogic logic;
  logic.OnInit(model);
  std::istringstream in("dblclick 7\ndblclick 209=1\nhelp\n");
  std::ostringstream out;
  // Not taken as OK: the row is chosen, OK enabled, and the end of input cancels.
  EXPECT_EQ(RunTerminalDialog(model, logic, in, out), DialogResult::kCancel);
  EXPECT_NE(out.str().find("error: list view 209 has 2 rows; there is no row 7"),
            std::string::npos);
  EXPECT_NE(out.str().find("dblclick CID=N"), std::string::npos) << "help names it";
  EXPECT_EQ(model.Find(209)->selectedRows, (std::vector<int>{1}));
  EXPECT_TRUE(model.Find(kIdOk)->enabled);
  logic.acceptDoubleClick = true;
  std::istringstream again("dblclick 0\n");
  EXPECT_EQ(RunTerminalDialog(model, logic, again, out), DialogResult::kOk);
  EXPECT_EQ(model.Find(209)->selectedRows, (std::vector<int>{0}));
}

TEST(TerminalDialogTest, CaptionsKeepTheirAmpersandAndIconsShowTheirTooltip) {
  DialogModel model = LoadDialogModel(201);
  model.Find(302)->icon = 152;
  model.Find(302)->tooltip = "Voir && éditer";
  model.SetText(301, "127.0.0.1");
  std::ostringstream out;
  DrawDialog(model, out);
  const std::string text = out.str();
  EXPECT_NE(text.find("== Sites & serveurs (dialog 201) =="), std::string::npos) << text;
  EXPECT_NE(text.find("302   <Voir && éditer>"), std::string::npos) << text;
  EXPECT_NE(text.find("301   combo \"127.0.0.1\""), std::string::npos) << text;
  EXPECT_EQ(text.find("#130"), std::string::npos) << "an icon has no text to show";
}

TEST(TerminalDialogTest, EndOfInputCancels) {
  DialogModel model = LoadDialogModel(200);
  Logic logic;
  std::istringstream in("check 202=1\n");
  std::ostringstream out;
  EXPECT_EQ(RunTerminalDialog(model, logic, in, out), DialogResult::kCancel);
}

TEST(TerminalDialogTest, MessageBoxesTakeANamedButtonOrTheDefault) {
  std::ostringstream out;
  std::istringstream answered("peut-être\n NO \n");
  EXPECT_EQ(AskMessageInTerminal("Remplacer ?", "Essai", MessageButtons::kYesNoCancel,
                                 MessageIcon::kQuestion, answered, out),
            MessageAnswer::kNo);
  EXPECT_NE(out.str().find("[yes] [no] [cancel]"), std::string::npos);
  std::istringstream empty("\n");
  EXPECT_EQ(AskMessageInTerminal("?", "Essai", MessageButtons::kRetryCancel, MessageIcon::kNone,
                                 empty, out),
            MessageAnswer::kRetry);
  std::istringstream ended("");
  EXPECT_EQ(AskMessageInTerminal("?", "Essai", MessageButtons::kAbortRetryIgnore,
                                 MessageIcon::kError, ended, out),
            MessageAnswer::kAbort);
}

TEST(TerminalDialogTest, PathPromptsCancelOnAnEmptyLineAndWantRealFolders) {
  std::ostringstream out;
  std::istringstream file("  /tmp/a b.htm  \n");
  EXPECT_EQ(AskPathInTerminal("Modèle", "Modèles Web|*.htm; *.html|", false, file, out),
            "/tmp/a b.htm");
  EXPECT_NE(out.str().find("Modèles Web: *.htm; *.html"), std::string::npos);
  std::istringstream cancel("\n/tmp\n");
  EXPECT_FALSE(AskPathInTerminal("Modèle", "", false, cancel, out));
  std::istringstream folder("/no/such/folder\n/tmp\n");
  EXPECT_EQ(AskPathInTerminal("Icônes", "", true, folder, out), "/tmp");
  EXPECT_NE(out.str().find("not a folder: /no/such/folder"), std::string::npos);
}

TEST(TerminalDialogTest, ControlCharactersFromOutsideTextsNeverReachTheTerminal) {
  // A page title that would clear the screen and retitle the window, a C1 CSI, a DEL.
  DialogModel model = LoadDialogModel(200);
  Control* list = model.Find(209);
  list->columns = {{"Titre", 370}};
  list->rows = {
      {"Alien\x1b[2J\x1b]0;pwned\x07 \xc2\x9b"
       "31m\x7f fin"}};
  model.SetText(201, "a\rb");
  std::ostringstream out;
  DrawDialog(model, out);
  const std::string drawn = out.str();
  EXPECT_EQ(drawn.find('\x1b'), std::string::npos);
  EXPECT_EQ(drawn.find('\x07'), std::string::npos);
  EXPECT_EQ(drawn.find('\x7f'), std::string::npos);
  EXPECT_EQ(drawn.find('\r'), std::string::npos);
  EXPECT_EQ(drawn.find("\xc2\x9b"), std::string::npos);
  EXPECT_NE(drawn.find("Alien?[2J?]0;pwned? ?31m? fin"), std::string::npos) << drawn;

  std::ostringstream asked;
  std::istringstream in("\n");
  AskMessageInTerminal("ligne 1\r\nligne 2\x1b[H", "Débogage", MessageButtons::kOk,
                       MessageIcon::kNone, in, asked);
  EXPECT_NE(asked.str().find("ligne 1\nligne 2?[H"), std::string::npos) << asked.str();
}

}  // namespace
}  // namespace orv::ui
