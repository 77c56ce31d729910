#include "platform/posix/terminal/dialog_actions.h"

#include <algorithm>
#include <optional>

#include "text/ascii.h"
#include "text/number.h"

namespace orv::ui {
namespace {

bool ParseRows(std::string_view text, std::vector<int>& rows) {
  rows.clear();
  while (true) {
    const size_t comma = text.find(',');
    const std::optional<int> row = text::ParseDigits(text.substr(0, comma));
    if (!row) return false;
    rows.push_back(*row);
    if (comma == std::string_view::npos) return true;
    text.remove_prefix(comma + 1);
  }
}

// "CID=VALUE" split at its first "=".
bool SplitAssignment(const std::string& word, int& controlId, std::string& value) {
  const size_t equals = word.find('=');
  if (equals == std::string::npos) return false;
  const std::optional<int> id = text::ParseDigits(std::string_view(word).substr(0, equals));
  if (!id) return false;
  controlId = *id;
  value = word.substr(equals + 1);
  return true;
}

const char* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::kLabel:
      return "a label";
    case ControlKind::kGroupBox:
      return "a group box";
    case ControlKind::kEdit:
      return "an edit box";
    case ControlKind::kCheckBox:
      return "a check box";
    case ControlKind::kRadioButton:
      return "a radio button";
    case ControlKind::kComboBox:
      return "a combo box";
    case ControlKind::kButton:
      return "a push button";
    case ControlKind::kTimePicker:
      return "a time picker";
    case ControlKind::kListView:
      return "a list view";
  }
  return "a control";
}

bool ParseTime(std::string_view text, Control& control) {
  int fields[3];
  for (int i = 0; i < 3; ++i) {
    const size_t colon = i < 2 ? text.find(':') : std::string_view::npos;
    if (i < 2 && colon == std::string_view::npos) return false;
    const std::string_view part = text.substr(0, colon);
    const std::optional<int> value = part.size() <= 2 ? text::ParseDigits(part) : std::nullopt;
    if (!value) return false;
    fields[i] = *value;
    if (i < 2) text.remove_prefix(colon + 1);
  }
  if (fields[0] > 23 || fields[1] > 59 || fields[2] > 59) return false;
  control.hour = fields[0];
  control.minute = fields[1];
  control.second = fields[2];
  return true;
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

ActionOutcome Fail(std::string& error, std::string message) {
  error = std::move(message);
  return ActionOutcome::kError;
}

// An entry of a drop-down list chosen by its text or index, as the user confirms it in the list.
ActionOutcome Chosen(DialogModel& model, DialogLogic& logic, const Control& control) {
  logic.OnSelect(model, control.id);
  return ActionOutcome::kDone;
}

ActionOutcome SetValue(const DialogAction& action, DialogModel& model, DialogLogic& logic,
                       Control& control, std::string& error) {
  const std::string id = std::to_string(control.id);
  switch (control.kind) {
    case ControlKind::kEdit:
      control.text = action.value;
      return ActionOutcome::kDone;
    case ControlKind::kComboBox: {
      if (control.editable) {
        // Typed into the edit field: the list's selection is whatever entry matches.
        control.text = action.value;
        control.selection = -1;
        for (size_t i = 0; i < control.items.size(); ++i) {
          if (control.items[i] == action.value) control.selection = static_cast<int>(i);
        }
        return ActionOutcome::kDone;
      }
      for (size_t i = 0; i < control.items.size(); ++i) {
        if (control.items[i] == action.value) {
          control.selection = static_cast<int>(i);
          return Chosen(model, logic, control);
        }
      }
      const std::optional<int> index = text::ParseDigits(action.value);
      if (index && static_cast<size_t>(*index) < control.items.size()) {
        control.selection = *index;
        return Chosen(model, logic, control);
      }
      return Fail(error, "combo box " + id + " has no entry " + Quoted(action.value) + " (" +
                             std::to_string(control.items.size()) + " entries)");
    }
    case ControlKind::kTimePicker:
      if (ParseTime(action.value, control)) return ActionOutcome::kDone;
      return Fail(error, "time picker " + id + " takes HH:MM:SS, not " + Quoted(action.value));
    default:
      return Fail(error, "control " + id + " is " + KindName(control.kind) + "; set fits edit " +
                             "boxes, combo boxes and time pickers");
  }
}

ActionOutcome NoSuchRow(const Control& control, int row, std::string& error) {
  return Fail(error, "list view " + std::to_string(control.id) + " has " +
                         std::to_string(control.rows.size()) + " rows; there is no row " +
                         std::to_string(row));
}

ActionOutcome SelectRows(const std::vector<int>& rows, DialogModel& model, DialogLogic& logic,
                         Control& control, std::string& error) {
  for (int row : rows) {
    if (static_cast<size_t>(row) >= control.rows.size()) return NoSuchRow(control, row, error);
  }
  control.selectedRows = rows;
  logic.OnSelectionChange(model, control.id);
  return ActionOutcome::kDone;
}

// A double click: the first click selects the row (unless it is selected), the second may act
// as OK.
ActionOutcome DoubleClick(int row, DialogModel& model, DialogLogic& logic, Control& control,
                          std::string& error) {
  if (row < 0 || static_cast<size_t>(row) >= control.rows.size()) {
    return NoSuchRow(control, row, error);
  }
  const std::vector<int>& selected = control.selectedRows;
  if (std::find(selected.begin(), selected.end(), row) == selected.end()) {
    control.selectedRows = {row};
    logic.OnSelectionChange(model, control.id);
  }
  if (!logic.OnDoubleClick(model, control.id)) return ActionOutcome::kDone;
  return logic.OnOk(model) ? ActionOutcome::kAccepted : ActionOutcome::kRefused;
}

}  // namespace

bool SplitWords(std::string_view line, std::vector<Word>& words, std::string& error) {
  words.clear();
  Word word;
  bool inWord = false, inQuotes = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (inQuotes) {
      if (c == '"') {
        inQuotes = false;
      } else if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) {
        word.text += line[++i];
      } else {
        word.text += c;
      }
      continue;
    }
    if (c == '#') break;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      if (inWord) words.push_back(std::move(word));
      word = Word();
      inWord = false;
      continue;
    }
    inWord = true;
    if (c == '"') {
      inQuotes = true;
      word.quoted = true;
    } else {
      word.text += c;
    }
  }
  if (inQuotes) {
    error = "a quote is not closed";
    return false;
  }
  if (inWord) words.push_back(std::move(word));
  return true;
}

bool ParseAction(const std::vector<Word>& words, size_t& at, bool allowHelp, DialogAction& action,
                 std::string& error) {
  if (at >= words.size()) {
    error = "an action is missing";
    return false;
  }
  const std::string verb = words[at].quoted ? std::string() : text::ToLowerAscii(words[at].text);
  ++at;
  action = DialogAction();
  const auto argument = [&](const char* shape) -> const std::string* {
    if (at < words.size()) return &words[at++].text;
    error = verb + " needs " + shape;
    return nullptr;
  };
  if (verb == "ok" || verb == "cancel" || (allowHelp && verb == "help")) {
    action.kind = verb == "ok"       ? DialogAction::Kind::kOk
                  : verb == "cancel" ? DialogAction::Kind::kCancel
                                     : DialogAction::Kind::kHelp;
    return true;
  }
  if (verb == "set") {
    const std::string* word = argument("CID=VALUE");
    if (!word) return false;
    action.kind = DialogAction::Kind::kSet;
    if (SplitAssignment(*word, action.controlId, action.value)) return true;
    error = "set needs CID=VALUE, not " + Quoted(*word);
    return false;
  }
  if (verb == "check") {
    const std::string* word = argument("CID=0 or CID=1");
    if (!word) return false;
    action.kind = DialogAction::Kind::kCheck;
    std::string value;
    if (SplitAssignment(*word, action.controlId, value) && (value == "0" || value == "1")) {
      action.number = value == "1";
      return true;
    }
    error = "check needs CID=0 or CID=1, not " + Quoted(*word);
    return false;
  }
  if (verb == "select") {
    const std::string* word = argument("CID=N or rows N,M,...");
    if (!word) return false;
    // "1, 3" may come as two words.
    std::string text = *word;
    while (!text.empty() && text.back() == ',' && at < words.size()) text += words[at++].text;
    std::string value;
    if (SplitAssignment(text, action.controlId, value)) {
      action.kind = DialogAction::Kind::kSelect;
      if (ParseRows(value, action.rows)) {
        action.number = action.rows.front();
        return true;
      }
    } else if (ParseRows(text, action.rows)) {
      action.kind = DialogAction::Kind::kSelectRows;
      return true;
    }
    error = "select needs CID=N or rows N,M,..., not " + Quoted(text);
    return false;
  }
  if (verb == "dblclick") {
    const std::string* word = argument("CID=N or a row N");
    if (!word) return false;
    action.kind = DialogAction::Kind::kDoubleClick;
    std::string value = *word;
    if (word->find('=') != std::string::npos && !SplitAssignment(*word, action.controlId, value)) {
      value.clear();
    }
    if (const std::optional<int> row = text::ParseDigits(value)) {
      action.number = *row;
      return true;
    }
    error = "dblclick needs CID=N or a row N, not " + Quoted(*word);
    return false;
  }
  if (verb == "press") {
    const std::string* word = argument("a control id");
    if (!word) return false;
    const std::optional<int> id = text::ParseDigits(*word);
    if (!id) {
      error = "press needs a control id, not " + Quoted(*word);
      return false;
    }
    action.kind = DialogAction::Kind::kPress;
    action.controlId = *id;
    return true;
  }
  error = "unknown action " + Quoted(words[at - 1].text);
  return false;
}

ActionOutcome PerformAction(const DialogAction& action, DialogModel& model, DialogLogic& logic,
                            std::string& error) {
  using Kind = DialogAction::Kind;
  if (action.kind == Kind::kHelp) return ActionOutcome::kHelp;
  if (action.kind == Kind::kCancel ||
      (action.kind == Kind::kPress && action.controlId == kIdCancel)) {
    return ActionOutcome::kCancelled;
  }
  if (action.kind == Kind::kOk || (action.kind == Kind::kPress && action.controlId == kIdOk)) {
    return logic.OnOk(model) ? ActionOutcome::kAccepted : ActionOutcome::kRefused;
  }

  Control* control = nullptr;
  if ((action.kind == Kind::kSelectRows || action.kind == Kind::kDoubleClick) &&
      action.controlId == 0) {
    for (Control& candidate : model.controls) {
      if (candidate.kind == ControlKind::kListView) {
        control = &candidate;
        break;
      }
    }
    if (!control) return Fail(error, "dialog " + std::to_string(model.id) + " has no list view");
  } else {
    control = model.Find(action.controlId);
    if (!control) {
      return Fail(error, "dialog " + std::to_string(model.id) + " has no control " +
                             std::to_string(action.controlId));
    }
  }
  const std::string id = std::to_string(control->id);
  if (!control->enabled) return Fail(error, "control " + id + " is disabled");

  switch (action.kind) {
    case Kind::kSet:
      return SetValue(action, model, logic, *control, error);
    case Kind::kCheck:
      if (control->kind == ControlKind::kCheckBox) {
        control->checked = action.number;
      } else if (control->kind == ControlKind::kRadioButton) {
        if (action.number) {
          model.CheckRadio(control->id);
        } else {
          control->checked = 0;
        }
      } else {
        return Fail(error, "control " + id + " is " + KindName(control->kind) +
                               "; check fits check boxes and radio buttons");
      }
      logic.OnClick(model, control->id);
      return ActionOutcome::kDone;
    case Kind::kSelect:
      if (control->kind == ControlKind::kListView) {
        return SelectRows(action.rows, model, logic, *control, error);
      }
      if (control->kind != ControlKind::kComboBox || action.rows.size() != 1) {
        return Fail(error, "control " + id + " is " + KindName(control->kind) +
                               "; select CID=N fits combo boxes and list views");
      }
      if (static_cast<size_t>(action.number) >= control->items.size()) {
        return Fail(error, "combo box " + id + " has " + std::to_string(control->items.size()) +
                               " entries; there is no entry " + std::to_string(action.number));
      }
      model.Select(control->id, action.number);
      logic.OnSelect(model, control->id);
      return ActionOutcome::kDone;
    case Kind::kSelectRows:
      return SelectRows(action.rows, model, logic, *control, error);
    case Kind::kDoubleClick:
      if (control->kind != ControlKind::kListView) {
        return Fail(error, "control " + id + " is " + KindName(control->kind) +
                               "; dblclick fits list views");
      }
      return DoubleClick(action.number, model, logic, *control, error);
    case Kind::kPress:
      // Pressing a drop-down list opens it, as a click on its arrow does.
      if (control->kind == ControlKind::kComboBox) {
        logic.OnDropDown(model, control->id);
        return ActionOutcome::kDone;
      }
      if (control->kind != ControlKind::kButton) {
        return Fail(error, "control " + id + " is " + KindName(control->kind) + ", not a button");
      }
      logic.OnCommand(model, control->id);
      return ActionOutcome::kDone;
    default:
      return Fail(error, "unexpected action");
  }
}

}  // namespace orv::ui
