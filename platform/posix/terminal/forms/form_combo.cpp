// Combo boxes: the keys of a closed one and its open drop-down list.
#include <algorithm>
#include <optional>

#include "platform/posix/terminal/forms/form_controller.h"
#include "platform/posix/terminal/forms/form_input.h"
#include "platform/posix/terminal/forms/form_text.h"

namespace orv::ui::form {

bool FormController::ComboKey(const KeyEvent& event) {
  Control& control = ControlOf(focus_);
  const int entries = static_cast<int>(control.items.size());
  if (control.editable) {
    if (event.key == Key::kOpenList) {
      OpenDropDown(focus_);
      return true;
    }
    if (event.key != Key::kUp && event.key != Key::kDown) return FieldKey(event);
    if (entries == 0) return true;
    // Up and down step through the entries from the one the field holds.
    int at = control.selection;
    if (at < 0) {
      const auto typed = std::find(control.items.begin(), control.items.end(), control.text);
      at = typed == control.items.end() ? -1 : static_cast<int>(typed - control.items.begin());
    }
    const int next = at < 0 ? 0 : std::clamp(at + (event.key == Key::kUp ? -1 : 1), 0, entries - 1);
    if (next != control.selection || control.text != control.items[next]) {
      Choose(focus_, next);
    }
    return true;
  }
  int selection = control.selection;
  // Left and right step like up and down, as in a closed drop-down list on Windows.
  const Key key = event.key == Key::kLeft    ? Key::kUp
                  : event.key == Key::kRight ? Key::kDown
                                             : event.key;
  const std::optional<int> moved =
      input::Moved(key, std::max(selection, 0), entries, kDropDownRows);
  switch (moved ? Key::kNone : key) {
    case Key::kNone:
      // With nothing chosen yet, down takes the first entry.
      selection = selection < 0 && key == Key::kDown ? 0 : *moved;
      break;
    case Key::kOpenList:
      OpenDropDown(focus_);
      return true;
    case Key::kChar:
      if (event.ch == ' ') {
        OpenDropDown(focus_);
        return true;
      }
      if (entries == 0) return false;
      if (const int found = input::TypeAhead(control.items, selection, event.ch); found >= 0) {
        selection = found;
      } else {
        return false;  // perhaps a mnemonic
      }
      break;
    default:
      return false;
  }
  if (entries > 0 && std::clamp(selection, 0, entries - 1) != control.selection) {
    Choose(focus_, std::clamp(selection, 0, entries - 1));
  }
  return true;
}

void FormController::OpenDropDown(int item) {
  logic_.OnDropDown(model_, ControlOf(item).id);
  const Control& control = ControlOf(item);
  if (control.items.empty() || !Focusable(item)) {
    beep_ = true;
    return;
  }
  dropDown_.item = item;
  const int entries = static_cast<int>(control.items.size());
  int cursor = control.selection;
  // An edit field that holds one of the entries opens the list on it.
  if ((cursor < 0 || cursor >= entries) && control.editable) {
    const auto typed = std::find(control.items.begin(), control.items.end(), control.text);
    cursor = static_cast<int>(typed - control.items.begin());
  }
  dropDown_.cursor = cursor >= 0 && cursor < entries ? cursor : 0;
  dropDown_.top =
      std::clamp(dropDown_.cursor - kDropDownRows / 2, 0, std::max(entries - kDropDownRows, 0));
}

void FormController::CloseDropDown(bool take) {
  const int item = dropDown_.item, entry = dropDown_.cursor;
  dropDown_ = DropDown();
  if (take) Choose(item, entry);
}

void FormController::Choose(int item, int entry) {
  Control& control = ControlOf(item);
  if (entry < 0 || entry >= static_cast<int>(control.items.size())) return;
  control.selection = entry;
  if (HasField(item)) {
    // The entry fills the edit field, selected as Windows leaves it: typing replaces it.
    control.text = control.items[entry];
    states_[item].caret = CodePoints(control.text).size();
    states_[item].replace = true;
    FitEditScroll(item);
  }
  logic_.OnSelect(model_, control.id);
}

void FormController::HandleDropDown(const KeyEvent& event, FormOutcome& outcome) {
  (void)outcome;
  const Control& control = ControlOf(dropDown_.item);
  const int entries = static_cast<int>(control.items.size());
  int cursor = dropDown_.cursor;
  const std::optional<int> moved = input::Moved(event.key, cursor, entries, kDropDownRows);
  switch (moved ? Key::kNone : event.key) {
    case Key::kNone:
      cursor = moved.value_or(cursor);
      break;
    case Key::kWheelUp:
      cursor -= 3;
      break;
    case Key::kWheelDown:
      cursor += 3;
      break;
    case Key::kEnter:
    case Key::kOpenList:
      CloseDropDown(true);
      return;
    case Key::kTab:
    case Key::kBackTab:
      CloseDropDown(true);
      MoveFocus(event.key == Key::kTab ? 1 : -1);
      return;
    case Key::kPopupClick:
      if (event.row >= 0 && event.row < entries) {
        dropDown_.cursor = event.row;
        CloseDropDown(true);
      }
      return;
    case Key::kChar:
      if (event.ch == ' ') {
        CloseDropDown(true);
        return;
      }
      if (const int found = input::TypeAhead(control.items, cursor, event.ch); found >= 0) {
        cursor = found;
      } else {
        beep_ = true;
      }
      break;
    default:  // Esc, a click beside the list, Alt+letter: closed, nothing chosen
      CloseDropDown(false);
      return;
  }
  dropDown_.cursor = std::clamp(cursor, 0, std::max(entries - 1, 0));
  if (dropDown_.cursor < dropDown_.top) dropDown_.top = dropDown_.cursor;
  if (dropDown_.cursor >= dropDown_.top + kDropDownRows) {
    dropDown_.top = dropDown_.cursor - kDropDownRows + 1;
  }
}

}  // namespace orv::ui::form
