#include "platform/posix/terminal/forms/form_controller.h"

#include <algorithm>
#include <optional>

#include "platform/posix/terminal/forms/form_text.h"

namespace orv::ui::form {
namespace {

bool IsInteractive(ControlKind kind) {
  return kind != ControlKind::kLabel && kind != ControlKind::kGroupBox;
}

bool HasMnemonicText(ControlKind kind) {
  return kind == ControlKind::kLabel || kind == ControlKind::kGroupBox ||
         kind == ControlKind::kCheckBox || kind == ControlKind::kRadioButton ||
         kind == ControlKind::kButton;
}

bool IsDigit(char32_t ch) { return ch >= '0' && ch <= '9'; }

// The index after `from` (cyclically) whose text starts with `ch`, or -1.
int TypeAhead(const std::vector<std::string>& texts, int from, char32_t ch) {
  const int count = static_cast<int>(texts.size());
  for (int step = 1; step <= count; ++step) {
    const int at = ((from < 0 ? -1 : from) + step) % count;
    const std::u32string points = CodePoints(texts[at]);
    if (!points.empty() && FoldCase(points[0]) == FoldCase(ch)) return at;
  }
  return -1;
}

// Where a cursor over `count` entries goes for the keys that move in lists; nothing for others.
std::optional<int> Moved(Key key, int cursor, int count, int page) {
  switch (key) {
    case Key::kUp:
      return cursor - 1;
    case Key::kDown:
      return cursor + 1;
    case Key::kPageUp:
      return cursor - page;
    case Key::kPageDown:
      return cursor + page;
    case Key::kHome:
      return 0;
    case Key::kEnd:
      return count - 1;
    default:
      return std::nullopt;
  }
}

std::vector<std::string> FirstColumn(const Control& list) {
  std::vector<std::string> texts;
  for (const auto& row : list.rows) texts.push_back(row.empty() ? std::string() : row[0]);
  return texts;
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
  return IsInteractive(control.kind) && control.enabled && !layout_.items[item].info.picture;
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

FormOutcome FormController::ClickAt(int row, int col, Key key) {
  int hit = -1;
  for (int i = 0; i < static_cast<int>(layout_.items.size()); ++i) {
    const FormItem& item = layout_.items[i];
    if (!IsInteractive(ControlOf(i).kind) || item.info.picture) continue;
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
  const std::optional<int> moved = Moved(event.key, cursor, entries, kDropDownRows);
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
      if (const int found = TypeAhead(control.items, cursor, event.ch); found >= 0) {
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

bool FormController::ListKey(const KeyEvent& event) {
  Control& control = ControlOf(focus_);
  ItemState& state = states_[focus_];
  const int rows = static_cast<int>(control.rows.size());
  const int page = ListRows(layout_.items[focus_]);
  const bool multi = layout_.items[focus_].info.multiSelect;
  const std::vector<int> before = control.selectedRows;
  int cursor = state.cursor;
  const std::optional<int> moved = Moved(event.key, cursor, rows, page);
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
      if (const int found = TypeAhead(FirstColumn(control), cursor, event.ch); found >= 0) {
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
  const std::optional<int> moved = Moved(key, std::max(selection, 0), entries, kDropDownRows);
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
      if (const int found = TypeAhead(control.items, selection, event.ch); found >= 0) {
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

void FormController::FitListTop(int item) {
  const FormItem& formItem = layout_.items[item];
  if (ControlOf(item).kind != ControlKind::kListView) return;
  ItemState& state = states_[item];
  const int page = ListRows(formItem);
  if (state.cursor < state.top) state.top = state.cursor;
  if (state.cursor >= state.top + page) state.top = state.cursor - page + 1;
}

}  // namespace orv::ui::form
