// Every text of a filter's dialog template shows whole in its full-screen form at 120 x 45:
// the screen is compared with the texts of the resource script the filter is built from.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tools/rcgen/rc_script.h"
#include "terminal_form_fixture.h"
#include "tests/filmsearch/film_pages.h"
#include "tests/websearch/fake_site.h"

namespace orv::host::testing {
namespace {

constexpr int kCols = 120, kRows = 45;

struct TemplateText {
  std::string text;
  bool wraps = false;  // a text of several lines: its words may go on to the next line
};

// "&" marks gone, "&&" one "&", as a label reads.
std::string Readable(const std::string& text) {
  std::string out;
  for (size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '&' && at + 1 < text.size()) ++at;
    out += text[at];
  }
  return out;
}

// The caption and every text a person reads in dialog `id` of resources/<script>.rc: labels,
// frames' titles, check boxes, radio buttons and named buttons (not pictures, not icon buttons).
std::vector<TemplateText> TemplateTexts(const std::string& script, int id) {
  const std::string path = std::string(RESOURCES_DIR) + "/" + script + ".rc";
  platform::ResourceScript parsed;
  platform::ScriptError error;
  EXPECT_TRUE(platform::ParseResourceScript(ReadFile(path), parsed, error)) << error.message;
  const auto dialog = parsed.dialogs.find(id);
  if (dialog == parsed.dialogs.end()) {
    ADD_FAILURE() << "no dialog " << id << " in " << path;
    return {};
  }
  std::vector<TemplateText> texts = {{dialog->second.caption, false}};
  for (const platform::ScriptControl& control : dialog->second.controls) {
    using K = ui::ControlKind;
    const bool shown = control.kind == K::kLabel || control.kind == K::kGroupBox ||
                       control.kind == K::kCheckBox || control.kind == K::kRadioButton ||
                       control.kind == K::kButton;
    if (!shown || control.text.empty() || control.HasStyle("SS_ICON") ||
        control.HasStyle("BS_ICON")) {
      continue;
    }
    // Labels of several lines, and check boxes or radio buttons made to wrap, as the template
    // gives them.
    const bool choice = control.kind == K::kCheckBox || control.kind == K::kRadioButton;
    const bool wraps = (control.kind == K::kLabel &&
                        (control.h >= 16 || control.text.find('\n') != std::string::npos)) ||
                       (choice && control.HasStyle("BS_MULTILINE") && control.h >= 16);
    texts.push_back({Readable(control.text), wraps});
  }
  return texts;
}

// Whether `word` stands on the screen with no letter glued to either side.
bool HasWord(const std::string& screen, const std::string& word) {
  const auto letter = [](unsigned char c) { return std::isalnum(c) || c >= 0x80; };
  for (size_t at = screen.find(word); at != std::string::npos; at = screen.find(word, at + 1)) {
    const bool before = at > 0 && letter(static_cast<unsigned char>(screen[at - 1]));
    const size_t end = at + word.size();
    const bool after = end < screen.size() && letter(static_cast<unsigned char>(screen[end]));
    if (!before && !after) return true;
  }
  return false;
}

class FormTextsTest : public TerminalFormTest {
 protected:
  // Waits for the dialog's caption and last text, then checks every text of its template.
  void ExpectEveryTextWhole(const std::string& script, int id) {
    const std::vector<TemplateText> texts = TemplateTexts(script, id);
    ASSERT_GE(texts.size(), 2u);
    WaitFor({texts.front().text, texts.back().text});
    const std::string screen = terminal_->Screen();
    for (const TemplateText& text : texts) {
      if (!text.wraps) {
        EXPECT_THAT(screen, ::testing::HasSubstr(text.text))
            << script << " dialog " << id << " cuts a text\n"
            << screen;
        continue;
      }
      std::istringstream words(text.text);
      for (std::string word; words >> word;) {
        EXPECT_TRUE(HasWord(screen, word))
            << script << " dialog " << id << " cuts \"" << word << "\" of \"" << text.text << "\"\n"
            << screen;
      }
    }
  }
};

TEST_F(FormTextsTest, OptionsDialogsOfTheFiltersShowEveryTextWhole) {
  for (const char* filter : {"filmcard", "filescan", "pagebuilder", "auctionsearch"}) {
    std::filesystem::remove(folder_ + "/status");
    Start(std::string("configure ") + filter + " --dialog", kCols, kRows);
    ExpectEveryTextWhole(filter, 129);
    terminal_->Keys({"Escape"});
    EXPECT_EQ(Finished(), 0) << filter;
  }

  // The film search's site list comes from its site file, beside the library.
  orv::testing::FakeSite site;
  orv::testing::ServeFilmSite(site);
  const std::string library = FilmsearchWithSiteFile(site.Root());
  std::filesystem::remove(folder_ + "/status");
  Start("configure '" + library + "' --dialog", kCols, kRows, "ORV_WEB_TIMEOUT_MS=5000");
  ExpectEveryTextWhole("filmsearch", 129);
  terminal_->Keys({"Escape"});
  EXPECT_EQ(Finished(), 0);
}

TEST_F(FormTextsTest, DiscfetchOptionsCddbAndAcquisitionDialogsShowEveryTextWhole) {
  // No server is asked anything: the server list is fetched only when it is opened.
  Start("configure discfetch --dialog", kCols, kRows, "ORVHOST_CDDB_DEFAULT=127.0.0.1:9");
  ExpectEveryTextWhole("discfetch", 129);
  terminal_->Keys({"M-p"});
  ExpectEveryTextWhole("discfetch", 131);
  terminal_->Keys({"Escape"});
  ASSERT_TRUE(terminal_->WaitForGone("Paramètres FreeDB / Cddb"));
  terminal_->Keys({"Escape"});
  EXPECT_EQ(Finished(), 0);

  // The acquisition dialog opens before any disc is read.
  std::filesystem::remove(folder_ + "/status");
  Start("import discfetch --collection '" + collection_ + "'", kCols, kRows,
        "ORVHOST_CDROM='" + folder_ + "/none.cue'");
  ExpectEveryTextWhole("discfetch", 130);
  terminal_->Keys({"Escape"});
  EXPECT_EQ(Finished(), 1);  // Open gave 0: nothing acquired
}

TEST_F(FormTextsTest, TheHintsSayWhatEnterDoesWhereTheFocusIs) {
  Start("configure filmcard --dialog", kCols, kRows);
  // On a list, Enter presses the default button, named by its label.
  WaitFor({"Espace ouvrir la liste", "Entrée OK  Échap annuler"});
  // On a button, Enter presses that button.
  terminal_->Keys({"BTab"});
  WaitFor({"Entrée appuyer  Échap annuler"});
  terminal_->Keys({"Enter"});  // Annuler
  EXPECT_EQ(Finished(), 0);
  EXPECT_EQ(Out(), "Cancel: options unchanged\n");
}

}  // namespace
}  // namespace orv::host::testing
