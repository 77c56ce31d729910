// A message box on a full-screen terminal: a centred box over what the screen showed, with its
// caption, its icon as a mark ("(!) "), the text wrapped (scrolled with the arrows when it is
// taller than the screen) and its buttons in a row, the first one focused as the default.
// Enter presses the focused button, a button's letter presses it, and Esc answers Cancel where
// there is a Cancel button (OK in a box with OK alone), as on Windows.
#ifndef ORV_PLATFORM_POSIX_FORM_MESSAGE_H
#define ORV_PLATFORM_POSIX_FORM_MESSAGE_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/terminal/forms/form_canvas.h"
#include "platform/posix/terminal/forms/form_controller.h"
#include "platform/posix/terminal/forms/form_layout.h"
#include "platform/ui.h"

namespace orv::ui::form {

// The French label of a message box button, with its mnemonic ("&Oui").
const char* ButtonLabel(MessageAnswer answer);

class MessageForm {
 public:
  MessageForm(std::string_view text, std::string_view caption, MessageButtons buttons,
              MessageIcon icon);

  // The answer once a button is pressed. Clicks come in screen cells.
  std::optional<MessageAnswer> Handle(const KeyEvent& event, int screenRows, int screenCols);
  // Draws the box onto the screen canvas, over what it holds.
  void Paint(Canvas& screen) const;
  bool TakeBeep();

 private:
  struct Geometry {
    CellRect box;
    std::vector<CellText> lines;  // the text, wrapped
    int textRows = 0;             // rows of text shown
    std::vector<CellRect> buttons;
  };
  Geometry Place(int screenRows, int screenCols) const;
  // What Esc answers: Cancel where there is one, OK in a box of OK alone, else nothing.
  std::optional<MessageAnswer> EscapeAnswer() const;

  CellText text_;
  std::string caption_;
  std::vector<MessageAnswer> answers_;
  int focus_ = 0;
  int top_ = 0;  // first text line shown
  bool beep_ = false;
};

}  // namespace orv::ui::form

#endif  // ORV_PLATFORM_POSIX_FORM_MESSAGE_H
