#include "platform/posix/terminal/forms/form_painter.h"

#include <algorithm>
#include <cstdio>

namespace orv::ui::form {
namespace {

// List view columns are given in pixels; the template's font is about 6 pixels a character.
constexpr int kPixelsPerCell = 6;

// The text, or as much of it as fits in `width` cells followed by "…".
CellText Shortened(const CellText& text, int width) {
  if (text.Width() <= width || width < 2) return text;
  CellText cut = Slice(text, 0, width - 1);
  cut.glyphs.push_back({U'…', 1});
  cut.mnemonic = -1;
  return cut;
}

struct Painter {
  const FormController& form;
  Canvas& canvas;

  // Client cells sit inside the dialog's frame.
  int Row(const CellRect& rect) const { return rect.row + 1; }
  int Col(const CellRect& rect) const { return rect.col + 1; }

  void Paint(int item) {
    const FormItem& formItem = form.layout().items[item];
    const Control& control = form.model().controls[formItem.control];
    const bool focused = form.focus() == item;
    uint8_t attributes = control.enabled ? kPlain : kDim;
    if (focused) attributes |= kReverse;
    if (control.bold) attributes |= kBold;
    switch (control.kind) {
      case ControlKind::kLabel:
        if (!formItem.info.picture) Label(formItem, control, attributes);
        break;
      case ControlKind::kGroupBox:
        Group(formItem, control, attributes & ~kReverse);
        break;
      case ControlKind::kEdit:
        Edit(item, formItem, control, attributes);
        break;
      case ControlKind::kCheckBox:
      case ControlKind::kRadioButton:
        Choice(formItem, control, attributes);
        break;
      case ControlKind::kButton:
        Button(item, formItem, control, attributes);
        break;
      case ControlKind::kComboBox:
        Combo(item, formItem, control, attributes);
        break;
      case ControlKind::kTimePicker:
        Time(formItem, control, attributes & ~kReverse, focused);
        break;
      case ControlKind::kListView:
        List(item, formItem, control, attributes & ~kReverse, focused);
        break;
    }
  }

  void Aligned(int row, int col, int width, const CellText& text, Align align, uint8_t attributes) {
    const int used = std::min(text.Width(), width);
    int start = col;
    if (align == Align::kCenter) start += (width - used) / 2;
    if (align == Align::kRight) start += width - used;
    canvas.PutText(row, start, text, width - (start - col), attributes, true);
  }

  void Label(const FormItem& item, const Control& control, uint8_t attributes) {
    const CellText text = ToCells(control.text, true);
    if (item.rect.height == 1) {
      Aligned(Row(item.rect), Col(item.rect), item.textWidth, text, item.info.align, attributes);
      return;
    }
    const std::vector<CellText> lines = Wrap(text, item.rect.width);
    for (int i = 0; i < item.rect.height && i < static_cast<int>(lines.size()); ++i) {
      Aligned(Row(item.rect) + i, Col(item.rect), item.rect.width, lines[i], item.info.align,
              attributes);
    }
  }

  void Group(const FormItem& item, const Control& control, uint8_t attributes) {
    const CellRect& r = item.rect;
    canvas.Frame(Row(r), Col(r), r.height, r.width, attributes & kDim);
    const CellText title = ToCells(control.text, true);
    if (title.glyphs.empty() || r.width < 5) return;
    CellText padded;
    padded.glyphs.push_back({' ', 1});
    padded.glyphs.insert(padded.glyphs.end(), title.glyphs.begin(), title.glyphs.end());
    padded.glyphs.push_back({' ', 1});
    padded.mnemonic = title.mnemonic < 0 ? -1 : title.mnemonic + 1;
    canvas.PutText(Row(r), Col(r) + 1, padded, r.width - 2, attributes, true);
  }

  void Edit(int index, const FormItem& item, const Control& control, uint8_t attributes) {
    const CellRect& r = item.rect;
    const int inner = std::max(r.width - 2, 1);
    if (item.info.readOnly) attributes |= kDim;
    canvas.Put(Row(r), Col(r), '[', attributes & ~kReverse);
    Field(index, item, control, inner, attributes);
    canvas.Put(Row(r), Col(r) + 1 + inner, ']', attributes & ~kReverse);
  }

  // The text of an edit box or of a combo box's edit field, `inner` cells after its "[", with
  // the caret when it has the focus.
  void Field(int index, const FormItem& item, const Control& control, int inner,
             uint8_t attributes) {
    const CellRect& r = item.rect;
    const ItemState& state = form.state(index);
    canvas.Fill(Row(r), Col(r) + 1, 1, inner, ' ', attributes);
    std::u32string text = CodePoints(control.text);
    if (item.info.password) text.assign(text.size(), U'*');
    const int scroll = std::min<int>(state.scroll, static_cast<int>(text.size()));
    const CellText shown = ToCells(std::u32string_view(text).substr(scroll));
    canvas.PutText(Row(r), Col(r) + 1, shown, inner,
                   state.replace && form.focus() == index ? attributes | kBold : attributes);
    if (form.focus() == index) {
      const size_t before = std::max<size_t>(state.caret, scroll) - scroll;
      const int caret = ToCells(std::u32string_view(text).substr(scroll, before)).Width();
      canvas.cursorRow = Row(r);
      canvas.cursorCol = Col(r) + 1 + std::min(caret, inner - 1);
    }
  }

  void Choice(const FormItem& item, const Control& control, uint8_t attributes) {
    const bool radio = control.kind == ControlKind::kRadioButton;
    const char* mark =
        radio ? (control.checked ? "(*) " : "( ) ") : (control.checked ? "[x] " : "[ ] ");
    CellText text = ToCells(mark);
    const CellText label = ToCells(control.text, true);
    if (item.rect.height > 1) {
      // A text on several lines goes on under itself, beside the mark.
      canvas.PutText(Row(item.rect), Col(item.rect), text, 4, attributes);
      const std::vector<CellText> lines = Wrap(label, std::max(item.rect.width - 4, 1));
      for (int i = 0; i < item.rect.height && i < static_cast<int>(lines.size()); ++i) {
        canvas.PutText(Row(item.rect) + i, Col(item.rect) + 4, lines[i], item.rect.width - 4,
                       attributes, true);
      }
      return;
    }
    text.glyphs.insert(text.glyphs.end(), label.glyphs.begin(), label.glyphs.end());
    text.mnemonic = label.mnemonic < 0 ? -1 : label.mnemonic + 4;
    canvas.PutText(Row(item.rect), Col(item.rect), text, item.textWidth, attributes, true);
  }

  void Button(int index, const FormItem& item, const Control& control, uint8_t attributes) {
    const CellRect& r = item.rect;
    if (index == form.DefaultButton()) attributes |= kBold;
    canvas.Fill(Row(r), Col(r), 1, r.width, ' ', attributes);
    canvas.Put(Row(r), Col(r), '<', attributes);
    canvas.Put(Row(r), Col(r) + r.width - 1, '>', attributes);
    const int inner = std::max(r.width - 2, 0);
    // A button that shows an icon has a short name or none: its tooltip stands in for a missing
    // one, and either is cut to fit (the hints show the whole tooltip).
    CellText label = ToCells(control.text, true);
    if (control.icon != 0) {
      if (control.text.empty()) label = ToCells(control.tooltip);
      label = Shortened(label, inner);
    }
    Aligned(Row(r), Col(r) + 1, inner, label, Align::kCenter, attributes);
  }

  void Combo(int index, const FormItem& item, const Control& control, uint8_t attributes) {
    const CellRect& r = item.rect;
    const int inner = std::max(r.width - 3, 1);
    canvas.Put(Row(r), Col(r), '[', attributes & ~kReverse);
    canvas.Fill(Row(r), Col(r) + 1, 1, inner, ' ', attributes);
    const int at = control.selection;
    if (control.editable) {
      Field(index, item, control, inner, attributes);
    } else if (at >= 0 && at < static_cast<int>(control.items.size())) {
      canvas.PutText(Row(r), Col(r) + 1, ToCells(control.items[at]), inner, attributes);
    }
    canvas.Put(Row(r), Col(r) + 1 + inner, U'▼', attributes);
    canvas.Put(Row(r), Col(r) + 2 + inner, ']', attributes & ~kReverse);
  }

  void Time(const FormItem& item, const Control& control, uint8_t attributes, bool focused) {
    const CellRect& r = item.rect;
    char text[16];
    std::snprintf(text, sizeof text, "[%02d:%02d:%02d]", control.hour % 100, control.minute % 100,
                  control.second % 100);
    canvas.PutText(Row(r), Col(r), ToCells(text), std::max(r.width, 10), attributes);
    if (focused) {
      canvas.AddAttributes(Row(r), Col(r) + 1 + 3 * form.timeField(), 1, 2, kReverse);
      canvas.cursorRow = Row(r);
      canvas.cursorCol = Col(r) + 1 + 3 * form.timeField();
    }
  }

  void List(int index, const FormItem& item, const Control& control, uint8_t attributes,
            bool focused) {
    const CellRect& r = item.rect;
    canvas.Frame(Row(r), Col(r), r.height, r.width,
                 focused ? static_cast<uint8_t>(kBold) : attributes);
    const int inner = r.width - 2;
    if (inner < 2) return;
    // Column starts inside the frame, after one cell for the selection mark.
    std::vector<int> starts, widths;
    int at = 1;
    const size_t columns = std::max<size_t>(control.columns.size(), 1);
    for (size_t c = 0; c < columns; ++c) {
      const int pixels = c < control.columns.size() ? control.columns[c].width : 0;
      const int width = c + 1 == columns ? inner - at : std::max(pixels / kPixelsPerCell, 3);
      starts.push_back(at);
      widths.push_back(std::max(std::min(width, inner - at), 0));
      at += widths.back();
    }
    const int top = Row(r) + 1, left = Col(r) + 1;
    for (size_t c = 0; c < control.columns.size(); ++c) {
      canvas.PutText(top, left + starts[c], ToCells(control.columns[c].title), widths[c] - 1,
                     attributes | kUnderline);
    }
    const ItemState& state = form.state(index);
    const int rows = FormController::ListRows(item);
    for (int line = 0; line < rows; ++line) {
      const int row = state.top + line;
      if (row >= static_cast<int>(control.rows.size())) break;
      const bool selected = std::find(control.selectedRows.begin(), control.selectedRows.end(),
                                      row) != control.selectedRows.end();
      uint8_t rowAttributes = attributes | (selected ? kBold : kPlain);
      if (focused && row == state.cursor) rowAttributes |= kReverse;
      const int y = top + 1 + line;
      canvas.Fill(y, left, 1, inner, ' ', rowAttributes);
      canvas.Put(y, left, selected ? '*' : ' ', rowAttributes);
      for (size_t c = 0; c < columns && c < control.rows[row].size(); ++c) {
        canvas.PutText(y, left + starts[c], ToCells(control.rows[row][c]), widths[c] - 1,
                       rowAttributes);
      }
      if (focused && row == state.cursor) {
        canvas.cursorRow = y;
        canvas.cursorCol = left;
      }
    }
    if (state.top > 0) canvas.Put(top + 1, Col(r) + r.width - 1, U'▲', attributes);
    if (state.top + rows < static_cast<int>(control.rows.size())) {
      canvas.Put(top + rows, Col(r) + r.width - 1, U'▼', attributes);
    }
  }
};

// The part of the dialog canvas that should be in sight: the focused control, its text, and a
// label just before it on its row.
CellRect FocusArea(const FormController& form) {
  const int focus = form.focus();
  if (focus < 0) return CellRect{0, 0, 0, 0};
  const FormItem& item = form.layout().items[focus];
  CellRect area = item.rect;
  area.width = std::max(area.width, item.textWidth);
  if (focus > 0) {
    const FormItem& before = form.layout().items[focus - 1];
    const Control& control = form.model().controls[before.control];
    if (control.kind == ControlKind::kLabel && before.rect.height == 1 &&
        before.rect.row == item.rect.row && before.rect.col < item.rect.col) {
      area.width += area.col - before.rect.col;
      area.col = before.rect.col;
    }
  }
  // In canvas cells, with a margin that brings in the frame when the control is near it.
  area.row += 1 - 1;
  area.col += 1 - 2;
  area.height += 2;
  area.width += 4;
  return area;
}

}  // namespace

Canvas PaintDialog(const FormController& form, std::string_view caption) {
  const FormLayout& layout = form.layout();
  Canvas canvas(layout.height + 2, layout.width + 2);
  canvas.Frame(0, 0, canvas.rows(), canvas.cols(), kBold);
  // A caption has no mnemonic: its "&" is shown as it is.
  CellText title = ToCells(caption);
  if (!title.glyphs.empty()) {
    title.glyphs.insert(title.glyphs.begin(), Glyph{' ', 1});
    title.glyphs.push_back({' ', 1});
    const int width = std::min(title.Width(), canvas.cols() - 4);
    canvas.PutText(0, std::max((canvas.cols() - width) / 2, 2), title, width, kBold);
  }
  Painter painter{form, canvas};
  // Frames first, so that what lies on them stays readable.
  for (int i = 0; i < static_cast<int>(layout.items.size()); ++i) {
    if (form.model().controls[layout.items[i].control].kind == ControlKind::kGroupBox) {
      painter.Paint(i);
    }
  }
  for (int i = 0; i < static_cast<int>(layout.items.size()); ++i) {
    if (form.model().controls[layout.items[i].control].kind != ControlKind::kGroupBox &&
        i != form.focus()) {
      painter.Paint(i);
    }
  }
  // The focused control last: a neighbour's long text never hides it.
  if (form.focus() >= 0) painter.Paint(form.focus());
  return canvas;
}

View PlaceDialog(const FormController& form, const Canvas& dialog, int screenRows, int screenCols,
                 const View& previous) {
  View view;
  const int areaRows = std::max(screenRows - 1, 1);
  const CellRect focus = FocusArea(form);
  const auto place = [&](int content, int area, int previousOrigin, int start, int length,
                         int& origin, int& screen, int& shown) {
    if (content <= area) {
      origin = 0;
      screen = (area - content) / 2;
      shown = content;
      return;
    }
    origin = length > 0 ? ScrollOrigin(previousOrigin, area, content, start, length)
                        : std::clamp(previousOrigin, 0, content - area);
    screen = 0;
    shown = area;
  };
  place(dialog.rows(), areaRows, previous.originRow, focus.row, focus.height, view.originRow,
        view.screenRow, view.rows);
  place(dialog.cols(), screenCols, previous.originCol, focus.col, focus.width, view.originCol,
        view.screenCol, view.cols);
  return view;
}

DropDownBox PlaceDropDown(const FormController& form, const View& view, int screenRows,
                          int screenCols) {
  DropDownBox box;
  const DropDown& open = form.dropDown();
  if (!open.open()) return box;
  const FormItem& item = form.layout().items[open.item];
  const Control& control = form.model().controls[item.control];
  const int areaRows = std::max(screenRows - 1, 1);
  box.entries = std::min<int>(control.items.size(), FormController::kDropDownRows);
  box.entries = std::max(std::min(box.entries, areaRows - 2), 1);
  int longest = 0;
  for (const std::string& entry : control.items) {
    longest = std::max(longest, ToCells(entry).Width());
  }
  box.frame.height = box.entries + 2;
  box.frame.width = std::min(std::max(item.rect.width, longest + 3), screenCols);
  const int comboRow = view.screenRow + item.rect.row + 1 - view.originRow;
  const int comboCol = view.screenCol + item.rect.col + 1 - view.originCol;
  box.frame.row = comboRow + 1;
  if (box.frame.Bottom() > areaRows) box.frame.row = comboRow - box.frame.height;
  if (box.frame.row < 0) box.frame.row = std::max(areaRows - box.frame.height, 0);
  box.frame.col = std::clamp(comboCol, 0, std::max(screenCols - box.frame.width, 0));
  return box;
}

Canvas PaintScreen(const FormController& form, const Canvas& dialog, const View& view,
                   int screenRows, int screenCols, const Canvas* under) {
  Canvas screen(screenRows, screenCols);
  if (under) {
    screen.Copy(*under, 0, 0, 0, 0, screenRows, screenCols);
    screen.AddAttributes(0, 0, screenRows, screenCols, kDim);
  }
  screen.Copy(dialog, view.originRow, view.originCol, view.screenRow, view.screenCol, view.rows,
              view.cols);
  if (dialog.cursorRow >= 0) {
    const int row = dialog.cursorRow - view.originRow, col = dialog.cursorCol - view.originCol;
    if (row >= 0 && row < view.rows && col >= 0 && col < view.cols) {
      screen.cursorRow = view.screenRow + row;
      screen.cursorCol = view.screenCol + col;
    }
  }
  // Marks on the edges of the view where the dialog goes on out of sight.
  const int bottom = view.screenRow + view.rows - 1, right = view.screenCol + view.cols - 1;
  if (view.originRow > 0) screen.Put(view.screenRow, right, U'▲', kReverse);
  if (view.originRow + view.rows < dialog.rows()) screen.Put(bottom, right, U'▼', kReverse);
  if (view.originCol > 0)
    screen.Put(view.screenRow + view.rows / 2, view.screenCol, U'◀', kReverse);
  if (view.originCol + view.cols < dialog.cols()) {
    screen.Put(view.screenRow + view.rows / 2, right, U'▶', kReverse);
  }

  const DropDown& open = form.dropDown();
  if (open.open()) {
    const DropDownBox box = PlaceDropDown(form, view, screenRows, screenCols);
    const Control& control = form.model().controls[form.layout().items[open.item].control];
    const CellRect& f = box.frame;
    screen.Fill(f.row, f.col, f.height, f.width, ' ');
    screen.Frame(f.row, f.col, f.height, f.width, kBold);
    for (int line = 0; line < box.entries; ++line) {
      const int entry = open.top + line;
      if (entry >= static_cast<int>(control.items.size())) break;
      const uint8_t attributes = entry == open.cursor ? kReverse : kPlain;
      screen.Fill(f.row + 1 + line, f.col + 1, 1, f.width - 2, ' ', attributes);
      screen.PutText(f.row + 1 + line, f.col + 1, ToCells(control.items[entry]), f.width - 3,
                     attributes);
    }
    if (open.top > 0) screen.Put(f.row + 1, f.Right() - 1, U'▲', kBold);
    if (open.top + box.entries < static_cast<int>(control.items.size())) {
      screen.Put(f.row + box.entries, f.Right() - 1, U'▼', kBold);
    }
    screen.cursorRow = f.row + 1 + (open.cursor - open.top);
    screen.cursorCol = f.col + 1;
  }
  PaintHints(screen, HintsFor(form, screenCols));
  return screen;
}

bool ScreenToClient(const View& view, int screenRow, int screenCol, int& row, int& col) {
  const int r = screenRow - view.screenRow, c = screenCol - view.screenCol;
  if (r < 0 || r >= view.rows || c < 0 || c >= view.cols) return false;
  row = r + view.originRow - 1;
  col = c + view.originCol - 1;
  return true;
}

void PaintHints(Canvas& screen, std::string_view hints) {
  const int row = screen.rows() - 1;
  if (row < 0) return;
  screen.Fill(row, 0, 1, screen.cols(), ' ', kReverse);
  screen.PutText(row, 1, ToCells(hints), screen.cols() - 2, kReverse);
}

// What Enter does where the focus is: a focused button is pressed, a list's row is opened,
// anything else presses the default button (named by its label), or validates without one.
std::string EnterHint(const FormController& form, const Control* focused) {
  if (focused && focused->kind == ControlKind::kButton) return "Entrée appuyer";
  if (focused && focused->kind == ControlKind::kListView) return "Entrée choisir la ligne";
  const int target = form.DefaultButton();
  if (target < 0) return "Entrée valider";
  const Control& button = form.model().controls[form.layout().items[target].control];
  CellText label = ToCells(button.text, true);
  std::u32string points;
  for (const Glyph& glyph : label.glyphs) points += glyph.ch;
  const std::string name = FromCodePoints(points);
  return name.empty() ? "Entrée valider" : "Entrée " + name;
}

std::string HintsFor(const FormController& form, int width) {
  if (form.dropDown().open()) return "↑↓ entrée  Entrée choisir  Échap fermer la liste";
  std::string own;
  const Control* focused = nullptr;
  if (form.focus() >= 0) {
    focused = &form.model().controls[form.layout().items[form.focus()].control];
    // What the pointer resting on it would tell.
    if (!focused->tooltip.empty()) own = focused->tooltip + "  ";
    switch (focused->kind) {
      case ControlKind::kCheckBox:
        own += "Espace cocher  ";
        break;
      case ControlKind::kRadioButton:
        own += "↑↓ choisir  ";
        break;
      case ControlKind::kComboBox:
        own += focused->editable ? "F4 ouvrir la liste  " : "Espace ouvrir la liste  ";
        break;
      case ControlKind::kListView:
        own += "↑↓ ligne  Espace sélectionner  ";
        break;
      case ControlKind::kTimePicker:
        own += "←→ champ  ↑↓ valeur  ";
        break;
      default:
        break;
    }
  }
  const std::string enter = EnterHint(form, focused);
  // The mnemonics' hint goes first when the line is short.
  const std::string full = own + "Tab suivant  Alt+lettre aller à  " + enter + "  Échap annuler";
  if (ToCells(full).Width() <= width - 2) return full;
  return own + "Tab suivant  " + enter + "  Échap annuler";
}

}  // namespace orv::ui::form
