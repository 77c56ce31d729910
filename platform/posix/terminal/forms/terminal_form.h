// Dialogs, message boxes and path prompts as full-screen forms on a capable terminal.
//
// Each returns nothing when the terminal cannot show forms (see FormSession), and the caller
// then asks in line mode (terminal_dialog.h). A dialog is drawn from its template in the
// module's resources, so any dialog the logic drives shows without code of its own here.
#ifndef ORV_PLATFORM_POSIX_TERMINAL_FORM_H
#define ORV_PLATFORM_POSIX_TERMINAL_FORM_H

#include <optional>
#include <string>
#include <string_view>

#include "platform/posix/terminal/forms/form_layout.h"
#include "platform/ui.h"

namespace orv::ui {

std::optional<DialogResult> RunFormDialog(DialogModel& model, DialogLogic& logic);

// The same with a template given by the caller.
std::optional<DialogResult> RunFormDialog(DialogModel& model, DialogLogic& logic,
                                          const form::DialogTemplate& dialogTemplate);

std::optional<MessageAnswer> AskMessageInForm(std::string_view text, std::string_view caption,
                                              MessageButtons buttons, MessageIcon icon);

// The outer nothing: no form; the inner one: cancelled. `filter` is "Label|pattern|...".
std::optional<std::optional<std::string>> AskPathInForm(std::string_view title,
                                                        std::string_view filter, bool mustBeFolder);

}  // namespace orv::ui

#endif  // ORV_PLATFORM_POSIX_TERMINAL_FORM_H
