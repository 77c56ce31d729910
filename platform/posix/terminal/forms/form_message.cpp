#include "platform/posix/terminal/forms/form_message.h"

#include <algorithm>

#include "platform/posix/terminal/answers_file.h"
#include "platform/posix/terminal/forms/form_painter.h"
#include "platform/posix/terminal/terminal_dialog.h"

namespace orv::ui::form {
namespace {

constexpr int kWidestText = 72;
// Around the text: the frame and a blank line above and below it, the buttons and the frame.
constexpr int kRowsBesideText = 5;

}  // namespace

const char* ButtonLabel(MessageAnswer answer) {
  switch (answer) {
    case MessageAnswer::kOk:
      return "OK";
    case MessageAnswer::kCancel:
      return "&Annuler";
    case MessageAnswer::kYes:
      return "&Oui";
    case MessageAnswer::kNo:
      return "&Non";
    case MessageAnswer::kAbort:
      return "&Abandonner";
    case MessageAnswer::kRetry:
      return "&Recommencer";
    case MessageAnswer::kIgnore:
      return "&Ignorer";
  }
  return "OK";
}

MessageForm::MessageForm(std::string_view text, std::string_view caption, MessageButtons buttons,
                         MessageIcon icon)
    : text_(ToCells(std::string(IconMark(icon)) + std::string(text))),
      caption_(caption),
      answers_(ButtonsOf(buttons)) {}

bool MessageForm::TakeBeep() {
  const bool beep = beep_;
  beep_ = false;
  return beep;
}

MessageForm::Geometry MessageForm::Place(int screenRows, int screenCols) const {
  Geometry g;
  int buttonsWidth = 0;
  for (MessageAnswer answer : answers_) {
    buttonsWidth += ToCells(ButtonLabel(answer), true).Width() + 4 + 2;
  }
  // As wide as the longest line of the text wants, within the screen.
  int longest = 0, line = 0;
  for (const Glyph& glyph : text_.glyphs) {
    line = glyph.ch == '\n' ? 0 : line + glyph.width;
    longest = std::max(longest, line);
  }
  const int captionWidth = ToCells(caption_).Width() + 4;
  const int widest = std::max(std::min(screenCols - 6, kWidestText), 8);
  const int textWidth = std::clamp(std::max({longest, buttonsWidth, captionWidth}), 8, widest);
  g.lines = Wrap(text_, textWidth);
  const int areaRows = std::max(screenRows - 1, kRowsBesideText + 1);
  g.textRows = std::min<int>(g.lines.size(), areaRows - kRowsBesideText);
  g.box.width = std::min(textWidth + 4, screenCols);
  g.box.height = g.textRows + kRowsBesideText;
  g.box.row = std::max((areaRows - g.box.height) / 2, 0);
  g.box.col = std::max((screenCols - g.box.width) / 2, 0);
  int col = g.box.col + (g.box.width - buttonsWidth + 2) / 2;
  for (MessageAnswer answer : answers_) {
    CellRect button;
    button.row = g.box.Bottom() - 2;
    button.col = col;
    button.width = ToCells(ButtonLabel(answer), true).Width() + 4;
    g.buttons.push_back(button);
    col += button.width + 2;
  }
  return g;
}

std::optional<MessageAnswer> MessageForm::EscapeAnswer() const {
  for (MessageAnswer answer : answers_) {
    if (answer == MessageAnswer::kCancel) return answer;
  }
  if (answers_.size() == 1 && answers_[0] == MessageAnswer::kOk) return MessageAnswer::kOk;
  return std::nullopt;
}

std::optional<MessageAnswer> MessageForm::Handle(const KeyEvent& event, int screenRows,
                                                 int screenCols) {
  const Geometry g = Place(screenRows, screenCols);
  const int count = static_cast<int>(answers_.size());
  const int lastTop = std::max(static_cast<int>(g.lines.size()) - g.textRows, 0);
  switch (event.key) {
    case Key::kTab:
    case Key::kRight:
      focus_ = (focus_ + 1) % count;
      break;
    case Key::kBackTab:
    case Key::kLeft:
      focus_ = (focus_ + count - 1) % count;
      break;
    case Key::kUp:
    case Key::kWheelUp:
      top_ = std::max(top_ - 1, 0);
      break;
    case Key::kDown:
    case Key::kWheelDown:
      top_ = std::min(top_ + 1, lastTop);
      break;
    case Key::kPageUp:
      top_ = std::max(top_ - g.textRows, 0);
      break;
    case Key::kPageDown:
      top_ = std::min(top_ + g.textRows, lastTop);
      break;
    case Key::kEnter:
      return answers_[focus_];
    case Key::kEscape:
      if (const std::optional<MessageAnswer> answer = EscapeAnswer()) return answer;
      beep_ = true;
      break;
    case Key::kChar:
    case Key::kAlt:
      if (event.ch == ' ' && event.key == Key::kChar) return answers_[focus_];
      for (MessageAnswer answer : answers_) {
        if (MnemonicOf(ButtonLabel(answer)) == FoldCase(event.ch)) return answer;
      }
      beep_ = true;
      break;
    case Key::kClick:
    case Key::kDoubleClick:
      for (int i = 0; i < count; ++i) {
        if (g.buttons[i].Contains(event.row, event.col)) return answers_[i];
      }
      break;
    default:
      break;
  }
  return std::nullopt;
}

void MessageForm::Paint(Canvas& screen) const {
  const Geometry g = Place(screen.rows(), screen.cols());
  const CellRect& box = g.box;
  screen.Fill(box.row, box.col, box.height, box.width, ' ');
  screen.Frame(box.row, box.col, box.height, box.width, kBold);
  CellText caption = ToCells(" " + caption_ + " ");
  screen.PutText(box.row, box.col + 2, caption, box.width - 4, kBold);
  const int top = std::min(top_, std::max(static_cast<int>(g.lines.size()) - g.textRows, 0));
  for (int i = 0; i < g.textRows; ++i) {
    screen.PutText(box.row + 2 + i, box.col + 2, g.lines[top + i], box.width - 4);
  }
  if (top > 0) screen.Put(box.row + 2, box.Right() - 1, U'▲', kBold);
  if (top + g.textRows < static_cast<int>(g.lines.size())) {
    screen.Put(box.row + 1 + g.textRows, box.Right() - 1, U'▼', kBold);
  }
  for (size_t i = 0; i < answers_.size(); ++i) {
    const CellRect& b = g.buttons[i];
    const uint8_t attributes = static_cast<int>(i) == focus_ ? kReverse | kBold : kPlain;
    screen.Fill(b.row, b.col, 1, b.width, ' ', attributes);
    screen.Put(b.row, b.col, '<', attributes);
    screen.PutText(b.row, b.col + 2, ToCells(ButtonLabel(answers_[i]), true), b.width - 4,
                   attributes, true);
    screen.Put(b.row, b.Right() - 1, '>', attributes);
    if (static_cast<int>(i) == focus_) screen.cursorRow = b.row, screen.cursorCol = b.col + 2;
  }
  std::string hints = "←→ bouton  ";
  if (g.lines.size() > static_cast<size_t>(g.textRows)) hints += "↑↓ faire défiler  ";
  hints += "Entrée appuyer";
  if (EscapeAnswer()) hints += "  Échap fermer";
  PaintHints(screen, hints);
}

}  // namespace orv::ui::form
