// Message boxes and modal dialogs.
//
// Every dialog is logic over a model of its controls (DialogModel). The Windows build creates the
// dialog from the module's resource template and binds the model to the real controls: the model
// is filled from the controls before each call into the logic and written back after it. The
// Linux build builds the model from the generated template and shows it in the terminal, or
// answers it from the answers file ($ORVHOST_ANSWERS). Tests drive the same logic on a model.
#ifndef ORV_PLATFORM_UI_H
#define ORV_PLATFORM_UI_H

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv::ui {

enum : int { kIdOk = 1, kIdCancel = 2 };

enum class ControlKind {
  kLabel,  // LTEXT, RTEXT, CTEXT
  kGroupBox,
  kEdit,
  kCheckBox,
  kRadioButton,
  kComboBox,    // drop-down list
  kButton,      // push buttons, OK and Cancel included
  kTimePicker,  // date-time picker showing a time
  kListView,    // report-style list view
};

struct ListColumn {
  std::string title;
  int width = 80;
};

struct Control {
  int id = 0;
  ControlKind kind = ControlKind::kLabel;
  std::string text;         // label, caption, or the edit box's text (user's code page)
  bool groupStart = false;  // WS_GROUP: a radio group starts here
  bool enabled = true;
  int checked = 0;                       // check box, radio button
  std::vector<std::string> items;        // combo box entries
  int selection = -1;                    // combo box selection, -1 none
  bool editable = false;                 // a drop-down combo box whose edit field holds `text`
  bool bold = false;                     // shown in a bold variant of the dialog's font
  int hour = 0, minute = 0, second = 0;  // time picker
  std::vector<ListColumn> columns;       // list view
  std::vector<std::vector<std::string>> rows;
  std::vector<int> selectedRows;  // list view selection, 0-based
  int icon = 0;                   // push button: the module's icon it shows instead of text
  std::string tooltip;            // shown when the pointer rests on the control
};

class DialogModel {
 public:
  int id = 0;
  std::string caption;
  std::vector<Control> controls;

  Control* Find(int controlId);
  const Control* Find(int controlId) const;

  // Helpers do nothing (or give the empty value) for an id the dialog does not have.
  std::string Text(int controlId) const;
  void SetText(int controlId, std::string_view text);
  int Checked(int controlId) const;
  void SetChecked(int controlId, int checked);
  void SetItems(int controlId, std::vector<std::string> items);
  int Selection(int controlId) const;
  void Select(int controlId, int index);
  // Radio group of `count` buttons with consecutive ids from firstId: the 0-based position of the
  // checked one (0 when none is checked), and checking one position (the others cleared).
  int RadioPosition(int firstId, int count) const;
  void SetRadioPosition(int firstId, int count, int position);
  // Checking a radio button clears the other buttons of its group (by groupStart).
  void CheckRadio(int controlId);
};

class DialogLogic {
 public:
  virtual ~DialogLogic() = default;
  // The model holds the template's controls; fill lists and set values here.
  virtual void OnInit(DialogModel& model) { (void)model; }
  // The model holds the controls as the user left them. Return false to refuse OK: the dialog
  // stays open.
  virtual bool OnOk(DialogModel& model) {
    (void)model;
    return true;
  }
  // A push button other than OK and Cancel was pressed.
  virtual void OnCommand(DialogModel& model, int controlId) {
    (void)model;
    (void)controlId;
  }
  // A check box or radio button was clicked; the model holds its new state (and the rest of
  // its radio group cleared). Logic that enables or disables controls from a choice acts here.
  virtual void OnClick(DialogModel& model, int controlId) {
    (void)model;
    (void)controlId;
  }
  // A drop-down list is about to show its entries: the logic may fill them now.
  virtual void OnDropDown(DialogModel& model, int controlId) {
    (void)model;
    (void)controlId;
  }
  // The user confirmed an entry of a combo box's list; the model holds the new selection.
  virtual void OnSelect(DialogModel& model, int controlId) {
    (void)model;
    (void)controlId;
  }
  // The rows selected in a list view changed; the model holds the new selection.
  virtual void OnSelectionChange(DialogModel& model, int controlId) {
    (void)model;
    (void)controlId;
  }
  // A row of a list view was double-clicked. True makes it act as OK.
  virtual bool OnDoubleClick(DialogModel& model, int controlId) {
    (void)model;
    (void)controlId;
    return false;
  }
};

enum class DialogResult { kOk, kCancel };

// Shows dialog `dialogId` of the module's resources, modal. Cancel when it cannot be shown.
DialogResult RunModalDialog(int dialogId, DialogLogic& logic);

// The model of dialog `dialogId` as the template makes it (controls with their labels and
// initial states), before any logic ran. Empty model (id 0) when there is no such dialog.
DialogModel LoadDialogModel(int dialogId);

enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel, kRetryCancel, kAbortRetryIgnore };
enum class MessageIcon { kNone, kInformation, kExclamation, kError, kQuestion };
enum class MessageAnswer { kOk, kCancel, kYes, kNo, kAbort, kRetry, kIgnore };

MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                          MessageIcon icon);

// Under orvhost's --trace ($ORVHOST_TRACE=1), one transcript line on standard output for a
// message box that matters to whoever reads the transcript (why a run ended early); nothing
// otherwise.
void TranscribeMessage(std::string_view caption, std::string_view text);

// The system's file-open dialog; `filter` is "Label|pattern|Label|pattern|" as resource
// strings write it. Nothing when the user cancels.
std::optional<std::string> AskOpenFile(std::string_view title, std::string_view filter);
// The shell folder browser (file-system folders only). Nothing when the user cancels.
std::optional<std::string> AskFolder(std::string_view title);

// What dialog and run logic asks of the system, as values that tests replace.
struct Services {
  std::function<MessageAnswer(std::string_view text, std::string_view caption, MessageButtons,
                              MessageIcon)>
      showMessage = ShowMessage;
  std::function<std::optional<std::string>(std::string_view title, std::string_view filter)>
      askOpenFile = AskOpenFile;
  std::function<std::optional<std::string>(std::string_view title)> askFolder = AskFolder;
};

}  // namespace orv::ui

#endif  // ORV_PLATFORM_UI_H
