// Dialogs, message boxes and path prompts as plain lines of text, for a person at a terminal.
//
// Everything is written to `out` (stderr in orvhost, whose stdout carries the transcript) and
// read line by line from `in`. Labels appear as the resource script writes them, without their
// "&" accelerator marks. The end of input cancels, or takes a message box's default button.
#ifndef ORV_PLATFORM_POSIX_TERMINAL_DIALOG_H
#define ORV_PLATFORM_POSIX_TERMINAL_DIALOG_H

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ui.h"

namespace orv::ui {

// "&Son :" -> "Son :", "A && B" -> "A & B".
std::string WithoutAccelerators(std::string_view label);

// The mark that stands for a message box icon: "(!) ", "(?) ", ...; empty for none.
const char* IconMark(MessageIcon icon);

void DrawDialog(const DialogModel& model, std::ostream& out);

// Reads commands (the answers-file actions, plus help) until OK is accepted or the dialog is
// cancelled; the model is drawn again after each change.
DialogResult RunTerminalDialog(DialogModel& model, DialogLogic& logic, std::istream& in,
                               std::ostream& out);

MessageAnswer AskMessageInTerminal(std::string_view text, std::string_view caption,
                                   MessageButtons buttons, MessageIcon icon, std::istream& in,
                                   std::ostream& out);

// A path typed by the user; an empty line cancels. With `mustBeFolder`, only an existing folder
// is taken (the prompt repeats otherwise). `filter` is "Label|pattern|..." or empty.
std::optional<std::string> AskPathInTerminal(std::string_view title, std::string_view filter,
                                             bool mustBeFolder, std::istream& in,
                                             std::ostream& out);

}  // namespace orv::ui

#endif  // ORV_PLATFORM_POSIX_TERMINAL_DIALOG_H
