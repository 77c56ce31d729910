#include "platform/posix/terminal/forms/terminal_form.h"

#include "platform/posix/terminal/answers_file.h"
#include "platform/posix/terminal/forms/form_controller.h"
#include "platform/posix/terminal/forms/form_message.h"
#include "platform/posix/terminal/forms/form_painter.h"
#include "platform/posix/terminal/forms/form_session.h"
#include "platform/posix/terminal/forms/path_prompt_form.h"
#include "platform/posix/resource_table.h"

namespace orv::ui {
namespace {

using form::Canvas;
using form::FormController;
using form::FormSession;
using form::Key;
using form::KeyEvent;

bool TooSmall(const FormSession& session) {
  return session.Rows() < form::kMinimumRows || session.Cols() < form::kMinimumCols;
}

// While the terminal is made too small, a notice instead of the dialog; Esc still cancels.
bool WaitForRoom(FormSession& session) {
  while (TooSmall(session)) {
    Canvas screen(session.Rows(), session.Cols());
    const std::vector<form::CellText> lines =
        form::Wrap(form::ToCells("Terminal trop petit. Échap : annuler"), screen.cols());
    for (size_t i = 0; i < lines.size(); ++i) {
      screen.PutText(static_cast<int>(i), 0, lines[i], screen.cols());
    }
    session.Show(screen, false);
    if (session.ReadKey().key == Key::kEscape) return false;
  }
  return true;
}

// Mouse events arrive in screen cells: the controller wants client cells or a list entry.
KeyEvent ToFormEvent(const FormController& dialog, const form::View& view, KeyEvent event, int rows,
                     int cols) {
  const bool click = event.key == Key::kClick || event.key == Key::kDoubleClick;
  if (!click && event.key != Key::kWheelUp && event.key != Key::kWheelDown) return event;
  if (dialog.dropDown().open()) {
    const form::DropDownBox box = form::PlaceDropDown(dialog, view, rows, cols);
    const int line = event.row - box.frame.row - 1;
    if (box.frame.Contains(event.row, event.col) && line >= 0 && line < box.entries) {
      if (click) {
        event.key = Key::kPopupClick;
        event.row = dialog.dropDown().top + line;
      }
      return event;
    }
  }
  int row = 0, col = 0;
  if (!form::ScreenToClient(view, event.row, event.col, row, col)) {
    // Beside the dialog: closes an open list, does nothing else.
    if (!dialog.dropDown().open() || !click) return KeyEvent();
    row = col = -1;
  }
  event.row = row;
  event.col = col;
  return event;
}

}  // namespace

std::optional<DialogResult> RunFormDialog(DialogModel& model, DialogLogic& logic,
                                          const form::DialogTemplate& dialogTemplate) {
  FormSession session;
  if (!session.ok()) return std::nullopt;
  FormController dialog(model, logic, form::LayOut(model, dialogTemplate));
  // A dialog opened from another lies over it.
  const Canvas under = session.Backdrop();
  form::View view;
  while (true) {
    if (!WaitForRoom(session)) return DialogResult::kCancel;
    const int rows = session.Rows(), cols = session.Cols();
    const Canvas drawn = form::PaintDialog(dialog, model.caption);
    view = form::PlaceDialog(dialog, drawn, rows, cols, view);
    session.Show(form::PaintScreen(dialog, drawn, view, rows, cols, &under));
    const KeyEvent event = ToFormEvent(dialog, view, session.ReadKey(), rows, cols);
    const form::FormOutcome outcome = dialog.Handle(event);
    if (dialog.TakeBeep()) session.Beep();
    if (outcome == form::FormOutcome::kAccepted) return DialogResult::kOk;
    if (outcome == form::FormOutcome::kCancelled) return DialogResult::kCancel;
  }
}

std::optional<DialogResult> RunFormDialog(DialogModel& model, DialogLogic& logic) {
  const platform::ResourceDialog* resource = platform::FindResourceDialog(model.id);
  if (!resource) return std::nullopt;
  return RunFormDialog(model, logic, form::TemplateOf(*resource));
}

std::optional<MessageAnswer> AskMessageInForm(std::string_view text, std::string_view caption,
                                              MessageButtons buttons, MessageIcon icon) {
  FormSession session;
  if (!session.ok()) return std::nullopt;
  form::MessageForm box(text, caption, buttons, icon);
  const Canvas under = session.Backdrop();
  while (true) {
    if (!WaitForRoom(session)) return ButtonsOf(buttons).front();
    const int rows = session.Rows(), cols = session.Cols();
    // Over the dialog it came from, when there is one.
    Canvas screen(rows, cols);
    screen.Copy(under, 0, 0, 0, 0, rows, cols);
    screen.AddAttributes(0, 0, rows, cols, form::kDim);
    box.Paint(screen);
    session.Show(screen, false);
    const std::optional<MessageAnswer> answer = box.Handle(session.ReadKey(), rows, cols);
    if (box.TakeBeep()) session.Beep();
    if (answer) return answer;
  }
}

std::optional<std::optional<std::string>> AskPathInForm(std::string_view title,
                                                        std::string_view filter,
                                                        bool mustBeFolder) {
  FormSession session;
  if (!session.ok()) return std::nullopt;
  form::PathPrompt prompt = form::MakePathPrompt(title, filter, mustBeFolder, session.Cols());
  form::PathPromptLogic logic(mustBeFolder, ShowMessage);
  const std::optional<DialogResult> result =
      RunFormDialog(prompt.model, logic, prompt.dialogTemplate);
  if (!result) return std::nullopt;
  if (*result != DialogResult::kOk) return std::optional<std::string>();
  return std::optional<std::string>(logic.path());
}

}  // namespace orv::ui
