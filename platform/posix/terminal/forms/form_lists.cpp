// List views: the cursor, the rows selected, double clicks and scrolling.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/posix/terminal/forms/form_controller.h"
#include "platform/posix/terminal/forms/form_input.h"

namespace orv::ui::form {
namespace {

// The texts type-ahead looks at: a row's first column.
std::vector<std::string> FirstColumn(const Control& list) {
  std::vector<std::string> texts;
  for (const auto& row : list.rows) texts.push_back(row.empty() ? std::string() : row[0]);
  return texts;
}

}  // namespace

bool FormController::ListKey(const KeyEvent& event) {
  Control& control = ControlOf(focus_);
  ItemState& state = states_[focus_];
  const int rows = static_cast<int>(control.rows.size());
  const int page = ListRows(layout_.items[focus_]);
  const bool multi = layout_.items[focus_].info.multiSelect;
  const std::vector<int> before = control.selectedRows;
  int cursor = state.cursor;
  const std::optional<int> moved = input::Moved(event.key, cursor, rows, page);
  switch (moved ? Key::kNone : event.key) {
    case Key::kNone:
      cursor = moved.value_or(cursor);
      break;
    case Key::kChar:
      if (rows == 0) break;
      if (event.ch == ' ') {
        std::vector<int>& selected = control.selectedRows;
        if (!multi) {
          selected = {cursor};
        } else if (const auto at = std::find(selected.begin(), selected.end(), cursor);
                   at != selected.end()) {
          selected.erase(at);
        } else {
          selected.insert(std::upper_bound(selected.begin(), selected.end(), cursor), cursor);
        }
        SelectionChanged(focus_, before);
        return true;
      }
      if (const int found = input::TypeAhead(FirstColumn(control), cursor, event.ch); found >= 0) {
        cursor = found;
      } else {
        beep_ = true;
      }
      break;
    default:
      return false;
  }
  if (rows == 0) return true;
  state.cursor = std::clamp(cursor, 0, rows - 1);
  // In a list of one choice the selection goes with the cursor, as on Windows.
  if (!multi) control.selectedRows = {state.cursor};
  FitListTop(focus_);
  SelectionChanged(focus_, before);
  return true;
}

void FormController::SelectionChanged(int item, const std::vector<int>& before) {
  const Control& control = ControlOf(item);
  if (control.selectedRows != before) logic_.OnSelectionChange(model_, control.id);
}

bool FormController::DoubleClickRow(int item, int row, bool add, FormOutcome& outcome) {
  Control& control = ControlOf(item);
  if (row < 0 || row >= static_cast<int>(control.rows.size())) return false;
  const std::vector<int> before = control.selectedRows;
  std::vector<int>& selected = control.selectedRows;
  if (std::find(selected.begin(), selected.end(), row) == selected.end()) {
    if (!layout_.items[item].info.multiSelect || selected.empty()) {
      selected = {row};
    } else if (add) {
      selected.insert(std::upper_bound(selected.begin(), selected.end(), row), row);
    }
  }
  SelectionChanged(item, before);
  if (!logic_.OnDoubleClick(model_, ControlOf(item).id)) return false;
  // Windows sends the dialog IDOK then, whatever state the OK button is in.
  outcome = logic_.OnOk(model_) ? FormOutcome::kAccepted : FormOutcome::kContinue;
  return true;
}

void FormController::FitListTop(int item) {
  const FormItem& formItem = layout_.items[item];
  if (ControlOf(item).kind != ControlKind::kListView) return;
  ItemState& state = states_[item];
  const int page = ListRows(formItem);
  if (state.cursor < state.top) state.top = state.cursor;
  if (state.cursor >= state.top + page) state.top = state.cursor - page + 1;
}

}  // namespace orv::ui::form
