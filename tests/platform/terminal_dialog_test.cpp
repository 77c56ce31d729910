// The terminal renderer: what a person sees and how typed commands act on the dialog.
#include "platform/posix/terminal_dialog.h"

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
