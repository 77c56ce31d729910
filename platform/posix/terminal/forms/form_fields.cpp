// Edit boxes (the edit field of a combo box too) and time pickers: typing, the caret, the
// scrolling of the field.
#include <algorithm>
#include <string>

#include "platform/posix/terminal/forms/form_controller.h"
#include "platform/posix/terminal/forms/form_text.h"

namespace orv::ui::form {
namespace {

bool IsDigit(char32_t ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

bool FormController::HasField(int item) const {
  const Control& control = ControlOf(item);
  return control.kind == ControlKind::kEdit ||
         (control.kind == ControlKind::kComboBox && control.editable);
}

int FormController::FieldWidth(int item) const {
  const int frame = ControlOf(item).kind == ControlKind::kComboBox ? 3 : 2;  // [ ] and the arrow
  return std::max(layout_.items[item].rect.width - frame, 1);
}

bool FormController::FieldKey(const KeyEvent& event) {
  ItemState& state = states_[focus_];
  Control& control = ControlOf(focus_);
  const TemplateControl& info = layout_.items[focus_].info;
  std::u32string text = CodePoints(control.text);
  state.caret = std::min(state.caret, text.size());
  bool changed = false;
  switch (event.key) {
    case Key::kChar:
      if (info.readOnly || (info.digitsOnly && !IsDigit(event.ch)) || event.ch < ' ') {
        beep_ = true;
        break;
      }
      if (state.replace) text.clear(), state.caret = 0;
      if (text.size() >= kMaxEditLength) {
        beep_ = true;
        break;
      }
      text.insert(text.begin() + state.caret, event.ch);
      ++state.caret;
      changed = true;
      break;
    case Key::kBackspace:
    case Key::kDelete:
      if (info.readOnly) {
        beep_ = true;
      } else if (state.replace) {
        text.clear(), state.caret = 0, changed = true;
      } else if (event.key == Key::kBackspace && state.caret > 0) {
        text.erase(--state.caret, 1), changed = true;
      } else if (event.key == Key::kDelete && state.caret < text.size()) {
        text.erase(state.caret, 1), changed = true;
      }
      break;
    case Key::kLeft:
      if (state.caret > 0 && !state.replace) --state.caret;
      break;
    case Key::kRight:
      if (state.caret < text.size() && !state.replace) ++state.caret;
      break;
    case Key::kHome:
      state.caret = 0;
      break;
    case Key::kEnd:
      state.caret = text.size();
      break;
    default:
      return false;
  }
  state.replace = false;
  if (changed) {
    control.text = FromCodePoints(text);
    // Typed into a combo box: its list's selection is the entry that reads the same, if any.
    if (control.kind == ControlKind::kComboBox) {
      const auto same = std::find(control.items.begin(), control.items.end(), control.text);
      control.selection =
          same == control.items.end() ? -1 : static_cast<int>(same - control.items.begin());
    }
  }
  FitEditScroll(focus_);
  return true;
}

bool FormController::TimeKey(const KeyEvent& event) {
  Control& control = ControlOf(focus_);
  int* fields[3] = {&control.hour, &control.minute, &control.second};
  const int limit = timeField_ == 0 ? 24 : 60;
  int& value = *fields[timeField_];
  const bool digit = event.key == Key::kChar && IsDigit(event.ch);
  if (!digit) pendingDigit_ = -1;
  switch (event.key) {
    case Key::kLeft:
      timeField_ = std::max(timeField_ - 1, 0);
      return true;
    case Key::kRight:
      timeField_ = std::min(timeField_ + 1, 2);
      return true;
    case Key::kHome:
      timeField_ = 0;
      return true;
    case Key::kEnd:
      timeField_ = 2;
      return true;
    case Key::kUp:
      value = (value + 1) % limit;
      return true;
    case Key::kDown:
      value = (value + limit - 1) % limit;
      return true;
    case Key::kChar: {
      if (!digit) return false;
      const int d = static_cast<int>(event.ch - '0');
      // Two digits fill a field and move on; a first digit that cannot start two goes alone.
      if (pendingDigit_ >= 0 && pendingDigit_ * 10 + d < limit) {
        value = pendingDigit_ * 10 + d;
        pendingDigit_ = -1;
        timeField_ = std::min(timeField_ + 1, 2);
      } else {
        value = d;
        pendingDigit_ = d * 10 < limit ? d : -1;
        if (pendingDigit_ < 0) timeField_ = std::min(timeField_ + 1, 2);
      }
      return true;
    }
    default:
      return false;
  }
}

void FormController::FitEditScroll(int item) {
  ItemState& state = states_[item];
  const std::u32string text = CodePoints(ControlOf(item).text);
  const int inner = FieldWidth(item);
  state.scroll = std::clamp(state.scroll, 0, static_cast<int>(state.caret));
  // The caret's own cell must fit too.
  while (state.scroll < static_cast<int>(state.caret)) {
    const std::u32string_view shown =
        std::u32string_view(text).substr(state.scroll, state.caret - state.scroll);
    if (ToCells(shown).Width() + 1 <= inner) break;
    ++state.scroll;
  }
}

}  // namespace orv::ui::form
