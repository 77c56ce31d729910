// The options dialogs of filmcard and pagebuilder as full-screen forms: orvhost runs in a
// terminal (a private tmux server), keys are sent as a person types them, and the stored
// options, the screen and the terminal's state afterwards are checked. Standard output and
// error go to files, as with --trace > file, so the form must draw on the terminal itself.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <thread>

#include "host_run.h"
#include "tmux_terminal.h"

namespace orv::host::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class TerminalFormTest : public HostRunTest {
 protected:
  // orvhost with `arguments` in a terminal of that size; `environment` adds variables.
  void Start(const std::string& arguments, int cols = 100, int rows = 40,
             const std::string& environment = "") {
    const std::string f = folder_;
    const std::string command =
        "trap : INT; cd '" + f + "'; stty -g > modes.before; env ORVHOST_CONFIG_DIR='" + f +
        "/config' XDG_CONFIG_HOME='" + f + "/xdgconfig' XDG_DATA_HOME='" + f + "/data' HOME='" + f +
        "/home' " + environment + " '" + ORVHOST_PROGRAM + "' " + arguments +
        " > out.txt 2> err.txt; echo $? > status.tmp; stty -g > modes.after; mv status.tmp "
        "status; sleep 600";
    terminal_ = std::make_unique<TmuxTerminal>(cols, rows, command);
    ASSERT_TRUE(terminal_->started()) << "tmux did not start (" << TMUX_PROGRAM << ")";
  }

  void WaitFor(const std::vector<std::string>& texts) {
    ASSERT_TRUE(terminal_->WaitFor(texts)) << "waiting for " << texts.front() << "\n"
                                           << terminal_->Screen();
  }

  // The exit status once orvhost has ended, -1 when it did not end in time.
  int Finished() {
    const std::string path = folder_ + "/status";
    for (int i = 0; i < 600 && !std::filesystem::exists(path); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!std::filesystem::exists(path)) {
      ADD_FAILURE() << "orvhost did not end\n" << terminal_->Screen();
      return -1;
    }
    const std::string err = ReadFile(folder_ + "/err.txt");
    for (const char* alarm : {"Sanitizer", "runtime error:"}) {
      EXPECT_THAT(err, Not(HasSubstr(alarm)));
    }
    return std::stoi(ReadFile(path));
  }

  // The terminal is as it was before orvhost: line modes, normal screen, no mouse reports.
  void ExpectTerminalGivenBack() {
    EXPECT_EQ(ReadFile(folder_ + "/modes.after"), ReadFile(folder_ + "/modes.before"));
    EXPECT_EQ(terminal_->Query("#{alternate_on} #{mouse_any_flag} #{cursor_flag}"), "0 0 1");
  }

  // "Key=value" lines of the options stored, from the table `configure --show` prints
  // (option, kind, default, stored; "-" when nothing is stored, texts in quotes).
  std::string Stored(const std::string& filter) {
    static const std::regex row(
        R"re(^(\S+)\s+(integer|text)\s+("(?:[^"\\]|\\.)*"|\S+)\s+("(?:[^"\\]|\\.)*"|\S+)$)re");
    std::istringstream table(Orvhost({"configure", filter, "--show"}).out);
    std::string stored;
    for (std::string line; std::getline(table, line);) {
      std::smatch match;
      if (!std::regex_match(line, match, row) || match[4] == "-") continue;
      std::string value = match[4];
      if (value.size() >= 2 && value.front() == '"') value = value.substr(1, value.size() - 2);
      stored += match[1].str() + "=" + value + "\n";
    }
    return stored;
  }
  std::string Out() { return ReadFile(folder_ + "/out.txt"); }

  std::unique_ptr<TmuxTerminal> terminal_;
};

TEST_F(TerminalFormTest, FilmcardOptionsAreChosenWithTheKeyboard) {
  Start("configure filmcard --dialog");
  WaitFor({"Filtre d'importation de fiches de films", "Format d'écran :", "Durée :",
           "Titre en Français", "Déterminer le Format Vidéo d'après le pays", "[DVD",
           "Copier l'image jpeg de l'affiche dans le répertoire de Orvella"});
  terminal_->Keys({"Space"});  // the support list opens
  WaitFor({"Carte Mémoire", "Laserdisc"});
  terminal_->Keys({"Down", "Down", "Enter"});
  WaitFor({"[DVCam"});
  terminal_->Keys({"Tab", "Tab", "Tab", "Tab"});  // sound, video format, screen, value
  terminal_->Type("12");
  terminal_->Keys({"Tab"});
  terminal_->Type("0215");
  terminal_->Keys({"Tab", "Down", "Tab", "Space", "M-y", "M-l"});
  WaitFor({"[12 ", "[02:15:00]", "(*) en Anglais", "[x] Convertir le titre en minuscules",
           "[x] Déterminer le Format", "(*) Traiter LE fichier"});
  terminal_->Keys({"Enter"});
  EXPECT_EQ(Finished(), 0);
  EXPECT_EQ(Out(), "OK: options saved\n");
  ExpectTerminalGivenBack();
  const std::string stored = Stored("filmcard");
  for (const char* value : {"DefSupport=5", "DefValue=12", "DefTime=02:15:00", "SetTitle=1",
                            "SetLower=1", "UseCountry=1", "AllFiles=0", "DefSound=7"}) {
    EXPECT_THAT(stored, HasSubstr(value));
  }
}

TEST_F(TerminalFormTest, EscapeStoresNothing) {
  Start("configure filmcard --dialog");
  WaitFor({"Filtre d'importation de fiches de films"});
  terminal_->Keys({"Tab", "Tab", "Tab", "Tab"});
  terminal_->Type("99");
  terminal_->Keys({"M-y"});
  WaitFor({"[99 ", "[x] Déterminer"});
  terminal_->Keys({"Escape"});
  EXPECT_EQ(Finished(), 0);
  EXPECT_EQ(Out(), "Cancel: options unchanged\n");
  ExpectTerminalGivenBack();
  EXPECT_EQ(Stored("filmcard"), "");
}

TEST_F(TerminalFormTest, PagebuilderTagListMessagesAndBrowseButtons) {
  WriteFile(folder_ + "/modèle.htm", "<html><!--title--></html>");
  std::filesystem::create_directories(folder_ + "/icônes");
  Start("configure pagebuilder --dialog");
  WaitFor({"Filtre d'exportation HTML", "Catégorie à exporter", "(*) Vidéos", "Balises autorisées",
           "Balise", "signification", "<!--repeat-->", "début de boucle"});
  // OK without a template: the message, and the dialog stays.
  terminal_->Keys({"Enter"});
  WaitFor({"Le fichier modèle spécifié doit exister", "< OK >"});
  terminal_->Keys({"Enter"});
  ASSERT_TRUE(terminal_->WaitForGone("Le fichier modèle spécifié"));
  terminal_->Keys({"Right", "Right"});  // the category radio group
  WaitFor({"(*) Logiciels"});

  // The template through its browse button; Esc first leaves the file dialog alone.
  terminal_->Keys({"M-m", "Tab", "Enter"});
  WaitFor({"Sélection du fichier modèle", "Nom du fichier :", "Modèles Web"});
  terminal_->Keys({"Escape"});
  ASSERT_TRUE(terminal_->WaitForGone("Nom du fichier :"));
  terminal_->Keys({"Enter"});
  WaitFor({"Nom du fichier :"});
  terminal_->Type(folder_ + "/modèle.htm");
  terminal_->Keys({"Enter"});
  WaitFor({"[" + folder_ + "/modèle.htm"});

  // The icon folder: a path that is no folder is refused with a message.
  terminal_->Keys({"Tab", "Tab", "Enter"});
  WaitFor({"Rechercher un dossier", "Veuillez sélectionner le répertoire contenant les icônes"});
  terminal_->Type(folder_ + "/icônesXY");
  terminal_->Keys({"Enter"});
  WaitFor({"Ce dossier n'existe pas"});
  terminal_->Keys({"Enter"});
  ASSERT_TRUE(terminal_->WaitForGone("Ce dossier n'existe pas"));
  terminal_->Keys({"BSpace", "BSpace", "Enter"});
  WaitFor({"[" + folder_ + "/icônes "});

  // The tag list scrolls to its last rows; Enter there is OK.
  terminal_->Keys({"Tab", "End"});
  WaitFor({"<!--headerX-->", "Nom du champ X", "▲"});
  terminal_->Keys({"Enter"});
  EXPECT_EQ(Finished(), 0);
  EXPECT_EQ(Out(), "OK: options saved\n");
  ExpectTerminalGivenBack();
  const std::string stored = Stored("pagebuilder");
  EXPECT_THAT(stored, HasSubstr("MediaType=2"));
  EXPECT_THAT(stored, HasSubstr("Template=" + folder_ + "/modèle.htm"));
  EXPECT_THAT(stored, HasSubstr("IconDir=" + folder_ + "/icônes\n"));
}

TEST_F(TerminalFormTest, CtrlCEndsTheProgramAndGivesTheTerminalBack) {
  Start("configure filmcard --dialog");
  WaitFor({"Filtre d'importation de fiches de films"});
  terminal_->Keys({"M-y"});
  WaitFor({"[x] Déterminer"});
  terminal_->Keys({"C-c"});
  EXPECT_EQ(Finished(), 128 + 2);  // ended by SIGINT, as anywhere else
  ExpectTerminalGivenBack();
  EXPECT_EQ(Out(), "");
  EXPECT_EQ(Stored("filmcard"), "");
}

TEST_F(TerminalFormTest, DumbOrSmallTerminalsKeepTheLineMode) {
  Start("configure filmcard --dialog", 100, 40, "TERM=dumb");
  // The prompt goes to stderr, here a file; the terminal only echoes what is typed.
  terminal_->Type("check 1013=1 ok");
  terminal_->Keys({"Enter"});
  EXPECT_EQ(Finished(), 0);
  EXPECT_THAT(ReadFile(folder_ + "/err.txt"), HasSubstr("dialog 129> "));
  EXPECT_THAT(Stored("filmcard"), HasSubstr("UseCountry=1"));

  std::filesystem::remove(folder_ + "/status");
  Start("configure filmcard --dialog", 30, 8);
  terminal_->Type("cancel");
  terminal_->Keys({"Enter"});
  EXPECT_EQ(Finished(), 0);
  EXPECT_THAT(ReadFile(folder_ + "/err.txt"), HasSubstr("dialog 129> "));
  EXPECT_EQ(Out(), "Cancel: options unchanged\n");
}

}  // namespace
}  // namespace orv::host::testing
