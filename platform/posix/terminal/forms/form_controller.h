// What the keys and the mouse do to a full-screen dialog: the focus, the caret of edit boxes,
// the cursor of lists, the open drop-down list, and the calls into the dialog logic at the
// moments the Windows dialog manager makes them (a click on a check box or radio button, a
// drop-down list about to open, an entry of it chosen, the rows selected in a list changed, a
// row double-clicked, a push button, OK and Cancel).
//
// It knows nothing of the terminal: events come in as KeyEvent, and the painter reads the state
// back. Tab moves among the template's tab stops, a radio group being one stop (its checked
// button); arrows move inside radio groups and lists; Enter presses the focused push button or
// else the default one (never a disabled one); in a list Enter is a double click on the row of
// the cursor first, and presses the default button only when the logic does not take that as
// OK; Esc cancels.
#ifndef ORV_PLATFORM_POSIX_FORM_CONTROLLER_H
#define ORV_PLATFORM_POSIX_FORM_CONTROLLER_H

#include <cstddef>
#include <vector>

#include "platform/posix/terminal/forms/form_layout.h"
#include "platform/ui.h"

namespace orv::ui::form {

enum class Key {
  kNone,
  kChar,  // ch: a typed character
  kAlt,   // ch: Alt and a character
  kTab,
  kBackTab,
  kUp,
  kDown,
  kLeft,
  kRight,
  kHome,
  kEnd,
  kPageUp,
  kPageDown,
  kEnter,
  kEscape,
  kBackspace,
  kDelete,
  kOpenList,     // F4 or Alt+Down
  kClick,        // row, col: a cell of the client area
  kDoubleClick,  // row, col: the second click of a double click
  kPopupClick,   // row: an entry of the open drop-down list
  kWheelUp,      // row, col as for kClick
  kWheelDown,
};

struct KeyEvent {
  Key key = Key::kNone;
  char32_t ch = 0;
  int row = 0, col = 0;
};

enum class FormOutcome { kContinue, kAccepted, kCancelled };

// Per laid-out control. The edit field of an editable combo box keeps its caret as an edit box.
struct ItemState {
  size_t caret = 0;      // edit field: code points before the caret
  int scroll = 0;        // edit field: first code point shown
  bool replace = false;  // edit field: entered by the keyboard, typing replaces the whole text
  int cursor = 0;        // list view: the row the cursor is on
  int top = 0;           // list view: first row shown
};

struct DropDown {
  int item = -1;  // the layout item whose list is open, -1 when none
  int cursor = 0;
  int top = 0;
  bool open() const { return item >= 0; }
};

class FormController {
 public:
  static constexpr int kDropDownRows = 8;  // entries an open list shows at once
  static constexpr size_t kMaxEditLength = 30000;

  FormController(DialogModel& model, DialogLogic& logic, FormLayout layout);

  FormOutcome Handle(const KeyEvent& event);

  const FormLayout& layout() const { return layout_; }
  const DialogModel& model() const { return model_; }
  int focus() const { return focus_; }  // layout item, -1 when nothing can take the focus
  const ItemState& state(int item) const { return states_[item]; }
  const DropDown& dropDown() const { return dropDown_; }
  int timeField() const { return timeField_; }  // 0 hours, 1 minutes, 2 seconds
  // Whether the last event was refused (the terminal then beeps); reading clears it.
  bool TakeBeep();

  // Rows of a list view that fit between its titles and its bottom border.
  static int ListRows(const FormItem& item);
  // The default push button (BS_DEFPUSHBUTTON, else OK), -1 when the dialog has none.
  int DefaultButton() const;

 private:
  const Control& ControlOf(int item) const { return model_.controls[layout_.items[item].control]; }
  Control& ControlOf(int item) { return model_.controls[layout_.items[item].control]; }
  bool Focusable(int item) const;
  std::vector<int> TabStops() const;
  int GroupStart(int item) const;  // model index of the group the item's control is in
  void SetFocus(int item, bool byKeyboard);
  void MoveFocus(int step);
  void KeepFocusUsable();
  void ClampStates();

  FormOutcome Press(int item);
  void Click(int item);  // check box or radio button
  void MoveInRadioGroup(int step);
  // False when no control has that letter.
  bool Mnemonic(char32_t ch, FormOutcome& outcome);
  FormOutcome ClickAt(int row, int col, Key key);

  void OpenDropDown(int item);
  void CloseDropDown(bool take);
  void HandleDropDown(const KeyEvent& event, FormOutcome& outcome);
  // An entry of the combo box chosen: the model takes it, then the logic hears of it.
  void Choose(int item, int entry);

  bool HasField(int item) const;  // an edit box, or a combo box with an edit field
  int FieldWidth(int item) const;
  bool FieldKey(const KeyEvent& event);
  bool ListKey(const KeyEvent& event);
  bool ComboKey(const KeyEvent& event);
  bool TimeKey(const KeyEvent& event);
  void FitEditScroll(int item);
  void FitListTop(int item);
  // Tells the logic when the rows selected in the list differ from `before`.
  void SelectionChanged(int item, const std::vector<int>& before);
  // A double click on `row` of a list: the row is selected first unless it is (with `add`, also
  // beside rows chosen before; without, only when none is). True when the logic took it as OK,
  // with `outcome` set by OK.
  bool DoubleClickRow(int item, int row, bool add, FormOutcome& outcome);

  DialogModel& model_;
  DialogLogic& logic_;
  FormLayout layout_;
  std::vector<ItemState> states_;
  int focus_ = -1;
  DropDown dropDown_;
  int timeField_ = 0;
  int pendingDigit_ = -1;  // time picker: first digit of a two-digit field typed
  bool beep_ = false;
};

}  // namespace orv::ui::form

#endif  // ORV_PLATFORM_POSIX_FORM_CONTROLLER_H
