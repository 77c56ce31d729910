#include "platform/posix/terminal/terminal_dialog.h"

#include <algorithm>
#include <cstdio>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "platform/files.h"
#include "platform/posix/terminal/answers_file.h"
#include "platform/posix/terminal/dialog_actions.h"
#include "text/ascii.h"
#include "text/codepage.h"

namespace orv::ui {
namespace {

constexpr const char* kHelp =
    "Commands (several may share a line):\n"
    "  set CID=VALUE    edit text, combo entry (text or index; typed into an editable one),\n"
    "                   time HH:MM:SS\n"
    "  check CID=0|1    check box or radio button\n"
    "  select CID=N     combo box entry; select N,M,... list view rows (0-based)\n"
    "  press CID        push button; a drop-down list opens its entries\n"
    "  dblclick CID=N   double-click row N of a list view (dblclick N: the dialog's list)\n"
    "  ok | cancel      close the dialog\n"
    "  help             this text\n"
    "Quote values holding blanks: set 201=\"le grand bleu\"\n";

// Texts reach the terminal as they are shown, and some come from outside (names of web pages,
// of files): a control character in them would be obeyed by the terminal. Line breaks and tabs
// stay; every other C0 or C1 control and DEL becomes "?".
std::string Printable(std::string_view text) {
  const std::string utf8 = text::UserToUtf8(text);
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const bool c1 = c == 0xC2 && i + 1 < utf8.size() &&
                    static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                    static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
    if (c1) {
      out += '?';
      ++i;
    } else if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') {
      continue;  // CR LF is a line break like LF
    } else if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7F) {
      out += '?';
    } else {
      out += utf8[i];
    }
  }
  return text::Utf8ToUser(out);
}

// A disabled OK or Cancel button cannot be pressed, as in the dialog on the screen: the name of
// the button, or nothing when the action may go on.
const char* DisabledButton(const DialogAction& action, const DialogModel& model) {
  using Kind = DialogAction::Kind;
  int id = 0;
  if (action.kind == Kind::kOk || action.kind == Kind::kCancel) {
    id = action.kind == Kind::kOk ? kIdOk : kIdCancel;
  } else if (action.kind == Kind::kPress) {
    id = action.controlId;
  }
  if (id != kIdOk && id != kIdCancel) return nullptr;
  const Control* button = model.Find(id);
  if (!button || button->kind != ControlKind::kButton || button->enabled) return nullptr;
  return id == kIdOk ? "OK" : "Cancel";
}

// Ids of static controls (IDC_STATIC) are not worth showing.
bool ShowsId(int id) { return id != -1 && id != 0xFFFF; }

std::string IdColumn(int id) {
  std::string column = ShowsId(id) ? std::to_string(id) : std::string();
  column.resize(std::max<size_t>(column.size(), 6), ' ');
  return "  " + column;
}

std::string TimeText(const Control& control) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", control.hour % 100, control.minute % 100,
                control.second % 100);
  return buffer;
}

std::string Joined(const std::vector<std::string>& cells) {
  std::string line;
  for (size_t i = 0; i < cells.size(); ++i) line += (i ? " | " : "") + cells[i];
  return line;
}

void DrawControl(const Control& control, std::ostream& out) {
  // A button showing an icon is known by its tooltip.
  const bool byTooltip = !control.tooltip.empty() && (control.icon != 0 || control.text.empty());
  const std::string label = byTooltip ? control.tooltip : WithoutAccelerators(control.text);
  const std::string id = IdColumn(control.id);
  const char* disabled = control.enabled ? "" : "  (disabled)";
  switch (control.kind) {
    case ControlKind::kLabel:
      if (!label.empty()) out << id << label << disabled << "\n";
      return;
    case ControlKind::kGroupBox:
      out << id << "--- " << label << " ---" << disabled << "\n";
      return;
    case ControlKind::kEdit:
      out << id << "edit  \"" << control.text << "\"" << disabled << "\n";
      return;
    case ControlKind::kCheckBox:
      out << id << (control.checked ? "[x] " : "[ ] ") << label << disabled << "\n";
      return;
    case ControlKind::kRadioButton:
      out << id << (control.checked ? "(o) " : "( ) ") << label << disabled << "\n";
      return;
    case ControlKind::kButton:
      out << id << "<" << label << ">" << disabled << "\n";
      return;
    case ControlKind::kTimePicker:
      out << id << "time  " << TimeText(control) << disabled << "\n";
      return;
    case ControlKind::kComboBox: {
      const int at = control.selection;
      const bool valid = at >= 0 && static_cast<size_t>(at) < control.items.size();
      if (control.editable) {
        out << id << "combo \"" << control.text << "\"" << disabled << "\n";
      } else {
        out << id << "combo " << (valid ? std::to_string(at) + ": " + control.items[at] : "(none)")
            << disabled << "\n";
      }
      for (size_t i = 0; i < control.items.size(); ++i) {
        out << "          " << (static_cast<int>(i) == at ? "* " : "  ") << i << ": "
            << control.items[i] << "\n";
      }
      return;
    }
    case ControlKind::kListView: {
      std::vector<std::string> titles;
      for (const ListColumn& column : control.columns) titles.push_back(column.title);
      out << id << "list  " << Joined(titles) << disabled << "\n";
      for (size_t i = 0; i < control.rows.size(); ++i) {
        bool selected = false;
        for (int row : control.selectedRows) selected = selected || row == static_cast<int>(i);
        out << "          " << (selected ? "* " : "  ") << i << ": " << Joined(control.rows[i])
            << "\n";
      }
      return;
    }
  }
}

}  // namespace

const char* IconMark(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kNone:
      return "";
    case MessageIcon::kInformation:
      return "(i) ";
    case MessageIcon::kExclamation:
      return "(!) ";
    case MessageIcon::kError:
      return "(x) ";
    case MessageIcon::kQuestion:
      return "(?) ";
  }
  return "";
}

std::string WithoutAccelerators(std::string_view label) {
  std::string out;
  for (size_t i = 0; i < label.size(); ++i) {
    if (label[i] != '&') {
      out += label[i];
    } else if (i + 1 < label.size() && label[i + 1] == '&') {
      out += '&';
      ++i;
    }
  }
  return out;
}

void DrawDialog(const DialogModel& model, std::ostream& out) {
  std::ostringstream drawn;
  drawn << "== " << model.caption << " (dialog " << model.id << ") ==\n";
  for (const Control& control : model.controls) DrawControl(control, drawn);
  out << Printable(drawn.str());
}

DialogResult RunTerminalDialog(DialogModel& model, DialogLogic& logic, std::istream& in,
                               std::ostream& out) {
  DrawDialog(model, out);
  out << "Type help for the commands.\n";
  std::string line;
  std::vector<Word> words;
  std::string error;
  while (true) {
    out << "dialog " << model.id << "> " << std::flush;
    if (!std::getline(in, line)) {
      out << "\n(end of input: dialog cancelled)\n";
      return DialogResult::kCancel;
    }
    if (!SplitWords(line, words, error)) {
      out << "error: " << error << "\n";
      continue;
    }
    bool changed = false;
    for (size_t at = 0; at < words.size();) {
      DialogAction action;
      if (!ParseAction(words, at, true, action, error)) {
        out << "error: " << error << "\n";
        break;
      }
      if (const char* button = DisabledButton(action, model)) {
        out << "error: " << button << " is disabled\n";
        break;
      }
      const ActionOutcome outcome = PerformAction(action, model, logic, error);
      if (outcome == ActionOutcome::kAccepted) return DialogResult::kOk;
      if (outcome == ActionOutcome::kCancelled) return DialogResult::kCancel;
      if (outcome == ActionOutcome::kHelp) out << kHelp;
      if (outcome == ActionOutcome::kRefused) out << "(OK refused: the dialog stays open)\n";
      if (outcome == ActionOutcome::kError) {
        out << "error: " << error << "\n";
        break;
      }
      changed = changed || outcome == ActionOutcome::kDone || outcome == ActionOutcome::kRefused;
    }
    if (changed) DrawDialog(model, out);
  }
}

MessageAnswer AskMessageInTerminal(std::string_view text, std::string_view caption,
                                   MessageButtons buttons, MessageIcon icon, std::istream& in,
                                   std::ostream& out) {
  const std::vector<MessageAnswer> choices = ButtonsOf(buttons);
  out << Printable("== " + std::string(caption) + " ==\n" + IconMark(icon) + std::string(text))
      << "\n";
  std::string line;
  while (true) {
    for (size_t i = 0; i < choices.size(); ++i)
      out << (i ? " " : "") << "[" << ButtonName(choices[i]) << "]";
    out << " (default " << ButtonName(choices[0]) << ")? " << std::flush;
    if (!std::getline(in, line)) {
      out << "\n";
      return choices[0];
    }
    const std::string choice = text::ToLowerAscii(text::TrimAsciiBlanks(line));
    if (choice.empty()) return choices[0];
    for (MessageAnswer answer : choices) {
      if (choice == ButtonName(answer)) return answer;
    }
  }
}

std::optional<std::string> AskPathInTerminal(std::string_view title, std::string_view filter,
                                             bool mustBeFolder, std::istream& in,
                                             std::ostream& out) {
  out << "== " << Printable(title) << " ==\n";
  // "Label|pattern|Label|pattern|": show each label with its patterns.
  std::string_view rest = filter;
  while (!rest.empty()) {
    const size_t bar = rest.find('|');
    const std::string_view label = rest.substr(0, bar);
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
    const size_t next = rest.find('|');
    const std::string_view patterns = rest.substr(0, next);
    rest = next == std::string_view::npos ? std::string_view() : rest.substr(next + 1);
    if (!label.empty()) out << "  " << Printable(label) << ": " << Printable(patterns) << "\n";
  }
  std::string line;
  while (true) {
    out << (mustBeFolder ? "folder" : "file") << " (empty line cancels): " << std::flush;
    if (!std::getline(in, line)) {
      out << "\n";
      return std::nullopt;
    }
    const std::string path = std::string(text::TrimAsciiBlanks(line));
    if (path.empty()) return std::nullopt;
    if (!mustBeFolder || platform::IsFolder(path)) return path;
    out << "not a folder: " << Printable(path) << "\n";
  }
}

}  // namespace orv::ui
