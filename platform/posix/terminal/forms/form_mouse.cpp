// A click, a double click or the wheel on a full-screen dialog.
#include <algorithm>
#include <string>

#include "platform/posix/terminal/forms/form_controller.h"
#include "platform/posix/terminal/forms/form_input.h"
#include "platform/posix/terminal/forms/form_text.h"

namespace orv::ui::form {

FormOutcome FormController::ClickAt(int row, int col, Key key) {
  int hit = -1;
  for (int i = 0; i < static_cast<int>(layout_.items.size()); ++i) {
    const FormItem& item = layout_.items[i];
    if (!input::IsInteractive(ControlOf(i).kind) || item.info.picture) continue;
    CellRect area = item.rect;
    area.width = std::max(area.width, item.textWidth);
    if (area.Contains(row, col)) {
      hit = i;
      break;
    }
  }
  if (hit < 0) return FormOutcome::kContinue;
  const FormItem& item = layout_.items[hit];
  Control& control = ControlOf(hit);
  if (key == Key::kWheelUp || key == Key::kWheelDown) {
    if (control.kind == ControlKind::kListView) {
      ItemState& state = states_[hit];
      const int last = std::max(static_cast<int>(control.rows.size()) - ListRows(item), 0);
      state.top = std::clamp(state.top + (key == Key::kWheelDown ? 3 : -3), 0, last);
    }
    return FormOutcome::kContinue;
  }
  if (!Focusable(hit)) {
    beep_ = true;
    return FormOutcome::kContinue;
  }
  SetFocus(hit, false);
  ItemState& state = states_[hit];
  // The caret goes where the click lands in an edit field.
  const auto placeCaret = [&]() {
    const CellText cells = ToCells(CodePoints(control.text).substr(state.scroll));
    int cell = item.rect.col + 1;
    size_t caret = state.scroll;
    for (const Glyph& glyph : cells.glyphs) {
      if (cell + glyph.width > col) break;
      cell += glyph.width;
      ++caret;
    }
    state.caret = caret;
    FitEditScroll(hit);
  };
  switch (control.kind) {
    case ControlKind::kEdit:
      placeCaret();
      break;
    case ControlKind::kCheckBox:
    case ControlKind::kRadioButton:
      Click(hit);
      break;
    case ControlKind::kButton:
      return Press(hit);
    case ControlKind::kComboBox:
      // An editable one opens from its arrow only.
      if (control.editable && col < item.rect.Right() - 2) {
        placeCaret();
      } else {
        OpenDropDown(hit);
      }
      break;
    case ControlKind::kListView: {
      const int line = row - item.rect.row - 2;  // below the border and the titles
      const int index = state.top + line;
      if (line < 0 || line >= ListRows(item) || index >= static_cast<int>(control.rows.size())) {
        break;
      }
      state.cursor = index;
      if (key == Key::kDoubleClick) {
        // The first click of the pair already chose the row.
        FormOutcome outcome = FormOutcome::kContinue;
        DoubleClickRow(hit, index, true, outcome);
        return outcome;
      }
      KeyEvent space;
      space.key = Key::kChar;
      space.ch = ' ';
      ListKey(space);
      break;
    }
    case ControlKind::kTimePicker:
      timeField_ = std::clamp((col - item.rect.col - 1) / 3, 0, 2);
      break;
    default:
      break;
  }
  return FormOutcome::kContinue;
}

}  // namespace orv::ui::form
