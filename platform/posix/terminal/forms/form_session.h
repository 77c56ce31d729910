// The terminal in full-screen mode, through ncurses, for the dialogs of this module.
//
// The screen is the terminal of standard input, opened by its own name: standard output (which
// may carry orvhost's transcript) and standard error are never written. A session starts with
// the first dialog or message box and ends with it; boxes opened from a dialog's buttons reuse
// it. The terminal is given back as it was on every way out: the end of the dialog, an
// exception, exit(), and the signals that end the program (Ctrl-C, Ctrl-\, a closed terminal,
// kill) restore it before the program ends as those signals end it. Ctrl-Z suspends as usual.
#ifndef ORV_PLATFORM_POSIX_FORM_SESSION_H
#define ORV_PLATFORM_POSIX_FORM_SESSION_H

#include "platform/posix/terminal/forms/form_canvas.h"
#include "platform/posix/terminal/forms/form_controller.h"

namespace orv::ui::form {

// Smaller terminals get the line mode.
constexpr int kMinimumRows = 10;
constexpr int kMinimumCols = 40;

// Holds the session for its lifetime; `ok()` is false when the terminal cannot show forms (no
// terminal, a dumb or unknown TERM, no UTF-8 locale, too small), and nothing was changed.
class FormSession {
 public:
  FormSession();
  ~FormSession();
  FormSession(const FormSession&) = delete;
  FormSession& operator=(const FormSession&) = delete;

  bool ok() const { return ok_; }

  int Rows() const;
  int Cols() const;
  // Shows the canvas (sized Rows() x Cols()); `keep` makes it the backdrop of boxes opened next.
  void Show(const Canvas& screen, bool keep = true);
  // The last screen kept, for a message box to lie over.
  const Canvas& Backdrop() const;
  // The next key or mouse event; clicks and wheel turns in screen cells. kNone after a resize.
  KeyEvent ReadKey();
  void Beep();

 private:
  bool ok_ = false;
};

}  // namespace orv::ui::form

#endif  // ORV_PLATFORM_POSIX_FORM_SESSION_H
