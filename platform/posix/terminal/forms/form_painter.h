// Drawing a full-screen dialog onto canvases: the dialog with its frame and caption, the part
// of it the terminal shows (a dialog larger than the screen scrolls to keep the focus in
// sight), an open drop-down list over it, and the line of key hints at the bottom.
//
// Controls look like this: labels as text, "[x] " check boxes, "(*) " radio buttons,
// "[texte   ]" edit boxes, "[entrée   ▼]" drop-down lists, "[01:30:00]" time pickers,
// "<  OK  >" push buttons (the default one bold), group boxes and list views framed. The focused
// control is in reverse video, mnemonic letters are underlined, disabled controls dim.
#ifndef ORV_PLATFORM_POSIX_FORM_PAINTER_H
#define ORV_PLATFORM_POSIX_FORM_PAINTER_H

#include <string>
#include <string_view>

#include "platform/posix/terminal/forms/form_canvas.h"
#include "platform/posix/terminal/forms/form_controller.h"

namespace orv::ui::form {

// The dialog: a frame with the caption in its top line around the client area, so client cell
// (r, c) is canvas cell (r + 1, c + 1). Canvas::cursorRow is set for a focused edit box.
Canvas PaintDialog(const FormController& form, std::string_view caption);

// Which part of the dialog canvas the screen shows, and where.
struct View {
  int originRow = 0, originCol = 0;  // first dialog canvas cell shown
  int screenRow = 0, screenCol = 0;  // where it goes on the screen
  int rows = 0, cols = 0;            // how much of it is shown
};

// The screen's last row holds the key hints; the dialog has the rows above it. A dialog that
// fits is centred; one that does not is scrolled from `previous` just enough to show the focused
// control with the label before it.
View PlaceDialog(const FormController& form, const Canvas& dialog, int screenRows, int screenCols,
                 const View& previous);

// Where the open drop-down list is drawn on the screen: its frame, and its first entry row.
struct DropDownBox {
  CellRect frame;
  int entries = 0;  // rows of entries shown
};
DropDownBox PlaceDropDown(const FormController& form, const View& view, int screenRows,
                          int screenCols);

// The screen for the dialog: the visible part, the marks of what is scrolled away, the open
// drop-down list and the key hints; over `under`, dimmed, when the dialog was opened from another.
Canvas PaintScreen(const FormController& form, const Canvas& dialog, const View& view,
                   int screenRows, int screenCols, const Canvas* under = nullptr);

// The client cell under a screen cell; false when the screen cell shows no client cell.
bool ScreenToClient(const View& view, int screenRow, int screenCol, int& row, int& col);

// The bottom line of key hints, in reverse video across the screen.
void PaintHints(Canvas& screen, std::string_view hints);
// The hints for the focused control that fit in `width` cells, as far as they can.
std::string HintsFor(const FormController& form, int width);

}  // namespace orv::ui::form

#endif  // ORV_PLATFORM_POSIX_FORM_PAINTER_H
