#include "platform/posix/terminal/forms/form_controller.h"

#include <algorithm>

#include "platform/posix/terminal/forms/form_input.h"
#include "platform/posix/terminal/forms/form_text.h"

namespace orv::ui::form {
namespace {

bool HasMnemonicText(ControlKind kind) {
  return kind == ControlKind::kLabel || kind == ControlKind::kGroupBox ||
         kind == ControlKind::kCheckBox || kind == ControlKind::kRadioButton ||
         kind == ControlKind::kButton;
}

}  // namespace

FormController::FormController(DialogModel& model, DialogLogic& logic, FormLayout layout)
    : model_(model), logic_(logic), layout_(std::move(layout)), states_(layout_.items.size()) {
  for (size_t i = 0; i < layout_.items.size(); ++i) {
    const Control& control = ControlOf(static_cast<int>(i));
    if (control.kind == ControlKind::kListView && !control.selectedRows.empty()) {
      states_[i].cursor = control.selectedRows.front();
    }
  }
  ClampStates();
  const std::vector<int> stops = TabStops();
  if (!stops.empty()) SetFocus(stops.front(), true);
  for (size_t i = 0; i < states_.size(); ++i) FitListTop(static_cast<int>(i));
}

bool FormController::TakeBeep() {
  const bool beep = beep_;
  beep_ = false;
  return beep;
}

int FormController::ListRows(const FormItem& item) { return std::max(1, item.rect.height - 3); }

int FormController::DefaultButton() const {
  int ok = -1;
  for (size_t i = 0; i < layout_.items.size(); ++i) {
    const Control& control = ControlOf(static_cast<int>(i));
    if (control.kind != ControlKind::kButton) continue;
    if (layout_.items[i].info.defaultButton) return static_cast<int>(i);
    if (control.id == kIdOk && ok < 0) ok = static_cast<int>(i);
  }
  return ok;
}

bool FormController::Focusable(int item) const {
  if (item < 0 || item >= static_cast<int>(layout_.items.size())) return false;
  const Control& control = ControlOf(item);
  return input::IsInteractive(control.kind) && control.enabled && !layout_.items[item].info.picture;
}

int FormController::GroupStart(int item) const {
  int at = layout_.items[item].control;
  while (at > 0 && !model_.controls[at].groupStart) --at;
  return at;
}

std::vector<int> FormController::TabStops() const {
  const int count = static_cast<int>(layout_.items.size());
  // A radio group is one stop, on its checked button, when one of its buttons is a tab stop.
  const auto groupStop = [&](int item, bool anyStop) {
    const int group = GroupStart(item);
    bool tabbed = anyStop;
    int first = -1, checked = -1;
    for (int i = 0; i < count; ++i) {
      if (ControlOf(i).kind != ControlKind::kRadioButton || GroupStart(i) != group) continue;
      tabbed = tabbed || layout_.items[i].info.tabStop;
      if (!Focusable(i)) continue;
      if (first < 0) first = i;
      if (checked < 0 && ControlOf(i).checked) checked = i;
    }
    if (!tabbed) return -1;
    return checked >= 0 ? checked : first;
  };
  const auto collect = [&](bool everyControl) {
    std::vector<int> stops;
    for (int i = 0; i < count; ++i) {
      if (!Focusable(i)) continue;
      if (ControlOf(i).kind == ControlKind::kRadioButton) {
        if (groupStop(i, everyControl) == i) stops.push_back(i);
      } else if (everyControl || layout_.items[i].info.tabStop) {
        stops.push_back(i);
      }
    }
    return stops;
  };
  std::vector<int> stops = collect(false);
  // A template without any tab stop would leave the keyboard nowhere to go.
  if (stops.empty()) stops = collect(true);
  return stops;
}

void FormController::SetFocus(int item, bool byKeyboard) {
  if (dropDown_.open()) CloseDropDown(false);
  focus_ = item;
  pendingDigit_ = -1;
  if (item < 0) return;
  const Control& control = ControlOf(item);
  if (HasField(item)) {
    states_[item].caret = CodePoints(control.text).size();
    states_[item].replace = byKeyboard && !layout_.items[item].info.readOnly;
    FitEditScroll(item);
  } else if (control.kind == ControlKind::kTimePicker) {
    timeField_ = 0;
  }
}

void FormController::MoveFocus(int step) {
  const std::vector<int> stops = TabStops();
  if (stops.empty()) {
    SetFocus(-1, true);
    return;
  }
  const auto at = std::find(stops.begin(), stops.end(), focus_);
  int next;
  if (at != stops.end()) {
    const int index = static_cast<int>(at - stops.begin());
    const int count = static_cast<int>(stops.size());
    next = stops[(index + step % count + count) % count];
  } else if (step > 0) {
    const auto after = std::upper_bound(stops.begin(), stops.end(), focus_);
    next = after != stops.end() ? *after : stops.front();
  } else {
    const auto before = std::lower_bound(stops.begin(), stops.end(), focus_);
    next = before != stops.begin() ? *(before - 1) : stops.back();
  }
  SetFocus(next, true);
}

void FormController::KeepFocusUsable() {
  if (focus_ >= 0 && Focusable(focus_)) return;
  MoveFocus(1);
}

void FormController::ClampStates() {
  for (size_t i = 0; i < states_.size(); ++i) {
    ItemState& state = states_[i];
    const Control& control = ControlOf(static_cast<int>(i));
    if (HasField(static_cast<int>(i))) {
      state.caret = std::min(state.caret, CodePoints(control.text).size());
      state.scroll = std::min<int>(state.scroll, static_cast<int>(state.caret));
    } else if (control.kind == ControlKind::kListView) {
      const int rows = static_cast<int>(control.rows.size());
      state.cursor = std::clamp(state.cursor, 0, std::max(rows - 1, 0));
      state.top = std::clamp(state.top, 0, std::max(rows - ListRows(layout_.items[i]), 0));
    }
  }
  if (dropDown_.open()) {
    const int entries = static_cast<int>(ControlOf(dropDown_.item).items.size());
    if (entries == 0 || !Focusable(dropDown_.item)) {
      dropDown_ = DropDown();
    } else {
      dropDown_.cursor = std::clamp(dropDown_.cursor, 0, entries - 1);
    }
  }
}

FormOutcome FormController::Handle(const KeyEvent& event) {
  FormOutcome outcome = FormOutcome::kContinue;
  ClampStates();
  if (dropDown_.open()) {
    HandleDropDown(event, outcome);
  } else {
    const ControlKind kind = focus_ >= 0 ? ControlOf(focus_).kind : ControlKind::kLabel;
    bool handled = false;
    if (focus_ >= 0) {
      switch (kind) {
        case ControlKind::kEdit:
          handled = FieldKey(event);
          break;
        case ControlKind::kListView:
          handled = ListKey(event);
          break;
        case ControlKind::kComboBox:
          handled = ComboKey(event);
          break;
        case ControlKind::kTimePicker:
          handled = TimeKey(event);
          break;
        default:
          break;
      }
    }
    if (!handled) {
      switch (event.key) {
        case Key::kTab:
          MoveFocus(1);
          break;
        case Key::kBackTab:
          MoveFocus(-1);
          break;
        case Key::kUp:
        case Key::kLeft:
        case Key::kDown:
        case Key::kRight: {
          const int step = event.key == Key::kDown || event.key == Key::kRight ? 1 : -1;
          if (kind == ControlKind::kRadioButton) {
            MoveInRadioGroup(step);
          } else {
            MoveFocus(step);
          }
          break;
        }
        case Key::kEnter: {
          // In a list Enter is first a double click on the row of the cursor.
          if (kind == ControlKind::kListView &&
              DoubleClickRow(focus_, states_[focus_].cursor, false, outcome)) {
            break;
          }
          const int target = kind == ControlKind::kButton ? focus_ : DefaultButton();
          if (target >= 0) {
            outcome = Press(target);
          } else if (logic_.OnOk(model_)) {  // as Windows sends IDOK without an OK button
            outcome = FormOutcome::kAccepted;
          }
          break;
        }
        case Key::kEscape: {
          const Control* cancel = model_.Find(kIdCancel);
          if (cancel && cancel->kind == ControlKind::kButton && !cancel->enabled) {
            beep_ = true;
          } else {
            outcome = FormOutcome::kCancelled;
          }
          break;
        }
        case Key::kChar:
          if (event.ch == ' ' &&
              (kind == ControlKind::kCheckBox || kind == ControlKind::kRadioButton)) {
            Click(focus_);
          } else if (event.ch == ' ' && kind == ControlKind::kButton) {
            outcome = Press(focus_);
          } else if (!Mnemonic(FoldCase(event.ch), outcome)) {
            beep_ = true;
          }
          break;
        case Key::kAlt:
          if (!Mnemonic(FoldCase(event.ch), outcome)) beep_ = true;
          break;
        case Key::kClick:
        case Key::kDoubleClick:
        case Key::kWheelUp:
        case Key::kWheelDown:
          outcome = ClickAt(event.row, event.col, event.key);
          break;
        default:
          break;
      }
    }
  }
  if (outcome == FormOutcome::kContinue) {
    // The logic may have enabled, disabled, refilled or retitled anything.
    ClampStates();
    KeepFocusUsable();
  }
  return outcome;
}

FormOutcome FormController::Press(int item) {
  if (!Focusable(item)) {
    beep_ = true;
    return FormOutcome::kContinue;
  }
  const int id = ControlOf(item).id;
  if (id == kIdCancel) return FormOutcome::kCancelled;
  if (id == kIdOk) return logic_.OnOk(model_) ? FormOutcome::kAccepted : FormOutcome::kContinue;
  logic_.OnCommand(model_, id);
  return FormOutcome::kContinue;
}

void FormController::Click(int item) {
  Control& control = ControlOf(item);
  const int id = control.id;
  if (control.kind == ControlKind::kCheckBox) {
    control.checked = control.checked ? 0 : 1;
  } else {
    model_.CheckRadio(id);
  }
  logic_.OnClick(model_, id);
}

void FormController::MoveInRadioGroup(int step) {
  const int group = GroupStart(focus_);
  std::vector<int> buttons;
  for (int i = 0; i < static_cast<int>(layout_.items.size()); ++i) {
    if (ControlOf(i).kind == ControlKind::kRadioButton && GroupStart(i) == group && Focusable(i)) {
      buttons.push_back(i);
    }
  }
  const auto at = std::find(buttons.begin(), buttons.end(), focus_);
  if (at == buttons.end()) return;
  const int count = static_cast<int>(buttons.size());
  const int next = buttons[((at - buttons.begin()) + step + count) % count];
  SetFocus(next, true);
  Click(next);
}

bool FormController::Mnemonic(char32_t ch, FormOutcome& outcome) {
  if (ch == 0 || ch == ' ') return false;
  const int count = static_cast<int>(layout_.items.size());
  std::vector<int> matches;
  for (int step = 1; step <= count; ++step) {
    const int i = (std::max(focus_, -1) + step + count) % count;
    const Control& control = ControlOf(i);
    if (!HasMnemonicText(control.kind) || !control.enabled || layout_.items[i].info.picture) {
      continue;
    }
    if (MnemonicOf(control.text) == ch) matches.push_back(i);
  }
  if (matches.empty()) return false;
  const int target = matches.front();
  const bool only = matches.size() == 1;
  const ControlKind kind = ControlOf(target).kind;
  if (kind == ControlKind::kLabel || kind == ControlKind::kGroupBox) {
    // A label's letter leads to the control that follows it.
    const std::vector<int> stops = TabStops();
    const auto next = std::upper_bound(stops.begin(), stops.end(), target);
    if (next != stops.end()) SetFocus(*next, true);
    return true;
  }
  SetFocus(target, true);
  if (!only) return true;  // several controls share the letter: it only moves among them
  if (kind == ControlKind::kButton) {
    outcome = Press(target);
  } else {
    Click(target);
  }
  return true;
}

}  // namespace orv::ui::form
