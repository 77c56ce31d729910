// Message boxes and the path prompt of full-screen forms, without a terminal.
#include "platform/posix/terminal/forms/form_message.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/posix/terminal/forms/form_controller.h"
#include "platform/posix/terminal/forms/path_prompt_form.h"
#include "tests/platform/posix/terminal/forms/key_events.h"
#include "tests/platform/temp_folder.h"

namespace orv::ui::form {
namespace {

using testing::K;

TEST(MessageFormTest, TheBoxIsCentredWithItsWrappedTextAndFrenchButtons) {
  MessageForm box(
      "Le fichier modèle spécifié doit exister et être précisé avec son emplacement complet.",
      "Filtre d'exportation HTML", MessageButtons::kYesNoCancel, MessageIcon::kExclamation);
  Canvas screen(24, 60);
  box.Paint(screen);
  const std::string text = screen.Text();
  for (const char* expected : {"Filtre d'exportation HTML", "(!) Le fichier modèle", "< Oui >",
                               "< Non >", "< Annuler >"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  for (int row = 0; row < 23; ++row) {
    EXPECT_LE(static_cast<int>(CodePoints(screen.RowText(row)).size()), 60) << row;
  }
  // The box is in the middle of the rows above the hints.
  int first = -1, last = -1;
  for (int row = 0; row < 23; ++row) {
    if (screen.RowText(row).find("┌") != std::string::npos) first = row;
    if (screen.RowText(row).find("└") != std::string::npos) last = row;
  }
  ASSERT_GE(first, 0);
  EXPECT_LE(std::abs(first - (22 - last)), 1);
}

TEST(MessageFormTest, KeysAnswerAsOnWindows) {
  const auto answer = [](MessageButtons buttons, std::initializer_list<KeyEvent> keys) {
    MessageForm box("Texte", "Titre", buttons, MessageIcon::kQuestion);
    for (const KeyEvent& key : keys) {
      if (const auto got = box.Handle(key, 24, 80)) return static_cast<int>(*got);
    }
    return -1;
  };
  using A = MessageAnswer;
  EXPECT_EQ(answer(MessageButtons::kYesNo, {K(Key::kEnter)}), static_cast<int>(A::kYes));
  EXPECT_EQ(answer(MessageButtons::kYesNo, {K(Key::kRight), K(Key::kEnter)}),
            static_cast<int>(A::kNo));
  EXPECT_EQ(answer(MessageButtons::kYesNo, {K(Key::kChar, 'n')}), static_cast<int>(A::kNo));
  EXPECT_EQ(answer(MessageButtons::kRetryCancel, {K(Key::kAlt, 'R')}), static_cast<int>(A::kRetry));
  // Esc: Cancel where there is one, OK in a box of OK alone, nothing otherwise.
  EXPECT_EQ(answer(MessageButtons::kOkCancel, {K(Key::kEscape)}), static_cast<int>(A::kCancel));
  EXPECT_EQ(answer(MessageButtons::kOk, {K(Key::kEscape)}), static_cast<int>(A::kOk));
  EXPECT_EQ(answer(MessageButtons::kYesNo, {K(Key::kEscape)}), -1);
  EXPECT_EQ(answer(MessageButtons::kAbortRetryIgnore,
                   {K(Key::kEscape), K(Key::kBackTab), K(Key::kChar, ' ')}),
            static_cast<int>(A::kIgnore));
}

TEST(MessageFormTest, ATextTallerThanTheScreenScrollsAndAClickPressesAButton) {
  std::string text;
  for (int i = 1; i <= 40; ++i) text += "ligne " + std::to_string(i) + "\n";
  MessageForm box(text, "Débogage", MessageButtons::kOk, MessageIcon::kNone);
  Canvas screen(12, 50);
  box.Paint(screen);
  EXPECT_NE(screen.Text().find("ligne 1 "), std::string::npos);
  EXPECT_EQ(screen.Text().find("ligne 40"), std::string::npos);
  EXPECT_NE(screen.Text().find("▼"), std::string::npos);
  for (int i = 0; i < 50; ++i) box.Handle(K(Key::kDown), 12, 50);
  screen = Canvas(12, 50);
  box.Paint(screen);
  EXPECT_NE(screen.Text().find("ligne 40"), std::string::npos);
  EXPECT_EQ(screen.Text().find("ligne 1 "), std::string::npos);
  // The OK button: find it on the screen and click it.
  for (int row = 0; row < 12; ++row) {
    const size_t at = screen.RowText(row).find("< OK >");
    if (at == std::string::npos) continue;
    KeyEvent click = K(Key::kClick);
    click.row = row;
    click.col = static_cast<int>(CodePoints(screen.RowText(row).substr(0, at)).size()) + 2;
    EXPECT_EQ(box.Handle(click, 12, 50), MessageAnswer::kOk);
    return;
  }
  ADD_FAILURE() << screen.Text();
}

class PathPromptTest : public ::testing::Test {
 protected:
  // Types the path into the prompt's field and presses Enter.
  FormOutcome Enter(bool folder, const std::string& path) {
    prompt_ = MakePathPrompt("Veuillez sélectionner le répertoire", "Modèles|*.htm|", folder, 80);
    logic_.emplace(folder,
                   [this](std::string_view text, std::string_view, MessageButtons, MessageIcon) {
                     messages_.emplace_back(text);
                     return MessageAnswer::kOk;
                   });
    FormController form(prompt_.model, *logic_, LayOut(prompt_.model, prompt_.dialogTemplate));
    for (char32_t ch : CodePoints(path)) form.Handle(K(Key::kChar, ch));
    return form.Handle(K(Key::kEnter));
  }
  PathPrompt prompt_;
  std::optional<PathPromptLogic> logic_;
  std::vector<std::string> messages_;
  orv::testing::TempFolder folder_;
};

TEST_F(PathPromptTest, AFolderMustExistAndAFileNeedsOnlyAPath) {
  EXPECT_EQ(Enter(true, folder_ / "absent"), FormOutcome::kContinue);
  ASSERT_EQ(messages_.size(), 1u);
  EXPECT_NE(messages_[0].find("n'existe pas"), std::string::npos);
  EXPECT_EQ(Enter(true, "  " + folder_.Path().string() + "  "), FormOutcome::kAccepted);
  EXPECT_EQ(logic_->path(), folder_.Path().string());
  EXPECT_EQ(Enter(false, "nouveau modèle.htm"), FormOutcome::kAccepted);
  EXPECT_EQ(logic_->path(), "nouveau modèle.htm");
  EXPECT_EQ(Enter(false, "   "), FormOutcome::kContinue);
  EXPECT_EQ(messages_.size(), 1u);
  // The folder browser shows its title inside, the file dialog as its caption.
  EXPECT_EQ(prompt_.model.caption, "Veuillez sélectionner le répertoire");
  EXPECT_EQ(prompt_.model.controls[0].text, "Types : Modèles");
}

}  // namespace
}  // namespace orv::ui::form
