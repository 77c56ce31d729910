// The dialogs of the filters as full-screen forms: orvhost runs in a terminal (a private tmux
// server), keys are sent as a person types them, and the stored options, the items imported,
// the screen and the terminal's state afterwards are checked. Standard output and error go to
// files, as with --trace > file, so the form must draw on the terminal itself. The CDDB server
// and the film site are loopback fakes run by the test.
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
#include "terminal_form_fixture.h"
#include "tests/discfetch/fake_cddb_server.h"
#include "tests/filmsearch/film_pages.h"
#include "tests/websearch/fake_site.h"

namespace orv::host::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

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

TEST_F(TerminalFormTest, FilescanRadiosEnableAndDisableTheirControlsAtOnce) {
  Start("configure filescan --dialog");
  WaitFor({"Filtre d'importation Fichiers & Dossiers", "(*) Déterminer automatiquement",
           "(*) Vidéos", "[x] Recréer l'arborescence", "<Voir…>", "<Séle…>"});
  EXPECT_TRUE(Dimmed("(*) Vidéos"));
  EXPECT_TRUE(Dimmed("Recréer l'arborescence"));
  EXPECT_TRUE(Dimmed(".exe;.mp3;.jpg"));
  terminal_->Keys({"Down"});  // "Forcer la catégorie des médias avec :"
  WaitFor({"(*) Forcer la catégorie"});
  EXPECT_FALSE(Dimmed("(*) Vidéos"));
  EXPECT_FALSE(Dimmed("Recréer l'arborescence"));
  // The categories and the folder tree are reached now.
  terminal_->Keys({"Tab", "Right", "Right", "Tab", "Space", "Tab", "Space"});
  WaitFor({"(*) Logiciels", "[ ] Recréer", "[ ] Traiter aussi les sous-dossiers"});
  // Back to automatic: both are disabled again, and Tab passes them by.
  terminal_->Keys({"BTab", "BTab", "BTab", "Up"});
  WaitFor({"(*) Déterminer automatiquement"});
  EXPECT_TRUE(Dimmed("(*) Logiciels"));
  terminal_->Keys({"Tab", "Space"});
  WaitFor({"[x] Traiter aussi les sous-dossiers"});
  terminal_->Keys({"BTab", "Down"});
  WaitFor({"(*) Forcer la catégorie"});
  // "Filtre :" enables the filter.
  terminal_->Keys({"Tab", "Tab", "Tab", "Tab", "Down", "Down"});
  WaitFor({"(*) Filtre"});
  EXPECT_FALSE(Dimmed(".exe;.mp3;.jpg"));
  terminal_->Keys({"Tab"});
  terminal_->Type(".avi;.mov");
  // The formats button is known by its tooltip, shown whole in the hints.
  terminal_->Keys({"Tab"});
  WaitFor({"[.avi;.mov ", "Voir la liste des fichiers reconnus  Tab suivant"});
  terminal_->Keys({"Enter"});
  WaitFor({"Liste des formats dont le contenu est reconnu", "Logiciels : dll / exe / ocx"});
  terminal_->Keys({"Enter"});
  ASSERT_TRUE(terminal_->WaitForGone("Liste des formats"));
  terminal_->Keys({"Tab", "Enter"});  // on the folder check box: Enter is OK
  EXPECT_EQ(Finished(), 0);
  EXPECT_EQ(Out(), "OK: options saved\n");
  ExpectTerminalGivenBack();
  const std::string stored = Stored("filescan");
  for (const char* value : {"ForceType=1", "DefaultType=2", "DoCreateTree=0", "DoSubFolder=1",
                            "FileMode=2", "Filter=.avi;.mov"}) {
    EXPECT_THAT(stored, HasSubstr(value));
  }
}

TEST_F(TerminalFormTest, DiscfetchServerChosenFromTheListOfTheCddbSettings) {
  discfetch::testing::FakeCddbServer server;
  server.Script("sites", {{"210 OK, site information follows (until terminating `.')\r\n"
                           "127.0.0.1 http " +
                           std::to_string(server.Port()) +
                           " /~cddb/cddb.cgi N000.00 W000.00 Le serveur local\r\n"
                           "miroir.example http 8880 /cgi-bin/cddb.cgi N048.51 E002.21 "
                           "Serveur miroir\r\n.\r\n"}});
  Start("configure discfetch --dialog", 100, 40,
        "ORVHOST_CDDB_DEFAULT=" + server.Address() + " ORVHOST_CDDB_TIMEOUT=5000");
  WaitFor({"Filtre d'importation FreeDB / Cddb", "Paramètres Cddb..."});
  terminal_->Keys({"M-p"});
  WaitFor({"Paramètres FreeDB / Cddb", "Serveur :", "[127.0.0.1 ", "F4 ouvrir la liste"});
  // The server field takes typing; its list comes from the default server as it opens.
  terminal_->Type("perso.example");
  WaitFor({"[perso.example "});
  terminal_->Keys({"F4"});
  WaitFor({"│miroir.example", "│127.0.0.1"});
  EXPECT_EQ(server.RequestCount("sites"), 1u);
  terminal_->Keys({"Down", "Enter"});
  // The chosen site's port, address and description fill their fields.
  WaitFor({"[miroir.example ", "[8880 ", "[/cgi-bin/cddb.cgi ", "[Serveur miroir "});
  terminal_->Keys({"Enter"});
  ASSERT_TRUE(terminal_->WaitForGone("Paramètres FreeDB / Cddb"));
  terminal_->Keys({"Tab", "Enter"});  // from the settings button to OK ("o" is also Support's)
  EXPECT_EQ(Finished(), 0);
  EXPECT_EQ(Out(), "OK: options saved\n");
  const std::string stored = Stored("discfetch");
  for (const char* value :
       {"cddbsite=miroir.example", "cddbport=8880", "cddbdesc=Serveur miroir"}) {
    EXPECT_THAT(stored, HasSubstr(value));
  }
}

TEST_F(TerminalFormTest, FilmsearchSiteAndHitsArePickedWithTheKeyboard) {
  orv::testing::FakeSite site;
  orv::testing::ServeFilmSite(site);
  const std::string library = FilmsearchWithSiteFile(site.Root());
  const std::string timeout = "ORV_WEB_TIMEOUT_MS=5000";

  // OK waits for a site to be chosen: Enter on the value field does nothing.
  Start("configure '" + library + "' --dialog", 100, 40, timeout);
  WaitFor({"Filtre d'importation Internet Vidéo", "Site web", "Description", "CINE", "Ciné test",
           "dans Orvella"});
  EXPECT_TRUE(Dimmed("    OK     "));
  terminal_->Keys({"M-u"});
  terminal_->Type("9");
  terminal_->Keys({"Enter"});
  WaitFor({"[9 "});
  EXPECT_TRUE(StillRunning());
  // Enter on the list is a double click on its row: chosen, and taken as OK.
  terminal_->Keys({"BTab", "BTab", "BTab", "BTab", "BTab", "BTab", "BTab"});
  WaitFor({"↑↓ ligne  Espace sélectionner"});
  terminal_->Keys({"Enter"});
  EXPECT_EQ(Finished(), 0);
  EXPECT_EQ(Out(), "OK: options saved\n");
  const std::string stored = Stored(library);
  EXPECT_THAT(stored, HasSubstr("SelFilter=CINE"));
  EXPECT_THAT(stored, HasSubstr("DefValue=9"));

  // The keywords, then two hits chosen with Space and taken with Enter.
  std::filesystem::remove(folder_ + "/status");
  Start("import '" + library + "' --collection '" + collection_ + "' --trace", 100, 40, timeout);
  WaitFor({"Titre du film :"});
  terminal_->Type("bleu");
  terminal_->Keys({"Enter"});
  WaitFor({"Sélectionner un article à importer", "Film 1", "Film 15"});
  terminal_->Keys({"Down", "Space", "Down", "Down", "Space", "Enter"});
  // Each confirmation is told apart by its title: both boxes have the same text otherwise, and a
  // slow poll may never see the screen between them.
  for (const char* title : {"Titre: Film 2", "Titre: Film 4"}) {
    WaitFor({"Les informations suivantes ont été trouvées", title});
    terminal_->Keys({"Enter"});  // Oui
  }
  WaitFor({"Titre du film :"});
  terminal_->Keys({"Escape"});  // Arrêter
  EXPECT_EQ(Finished(), 0);
  std::vector<std::string> titles;
  std::istringstream transcript(Out());
  for (std::string line; std::getline(transcript, line);) {
    if (JsonField(line, "itemKind") == "257")
      titles.push_back(JsonField(ItemObject(line), "title"));
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"\"Film 2\"", "\"Film 4\""})) << Out();
  EXPECT_EQ(site.Paths().front(), "/cherche?titre=bleu");
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
