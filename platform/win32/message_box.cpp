#include <windows.h>

#include <string>

#include "platform/ui.h"

namespace orv::ui {

namespace {

UINT ButtonsFlag(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk:
      return MB_OK;
    case MessageButtons::kOkCancel:
      return MB_OKCANCEL;
    case MessageButtons::kYesNo:
      return MB_YESNO;
    case MessageButtons::kYesNoCancel:
      return MB_YESNOCANCEL;
    case MessageButtons::kRetryCancel:
      return MB_RETRYCANCEL;
    case MessageButtons::kAbortRetryIgnore:
      return MB_ABORTRETRYIGNORE;
  }
  return MB_OK;
}

UINT IconFlag(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kNone:
      return 0;
    case MessageIcon::kInformation:
      return MB_ICONINFORMATION;
    case MessageIcon::kExclamation:
      return MB_ICONEXCLAMATION;
    case MessageIcon::kError:
      return MB_ICONERROR;
    case MessageIcon::kQuestion:
      return MB_ICONQUESTION;
  }
  return 0;
}

// The first button is the default one: what a box that could not be shown answers.
MessageAnswer DefaultAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kYesNo:
    case MessageButtons::kYesNoCancel:
      return MessageAnswer::kYes;
    case MessageButtons::kRetryCancel:
      return MessageAnswer::kRetry;
    case MessageButtons::kAbortRetryIgnore:
      return MessageAnswer::kAbort;
    default:
      return MessageAnswer::kOk;
  }
}

}  // namespace

MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                          MessageIcon icon) {
  const std::string body(text);
  const std::string title(caption);
  // Owned by the active window (the host's, or the open options dialog) so it stays modal.
  switch (MessageBoxA(GetActiveWindow(), body.c_str(), title.c_str(),
                      ButtonsFlag(buttons) | IconFlag(icon))) {
    case IDOK:
      return MessageAnswer::kOk;
    case IDCANCEL:
      return MessageAnswer::kCancel;
    case IDYES:
      return MessageAnswer::kYes;
    case IDNO:
      return MessageAnswer::kNo;
    case IDABORT:
      return MessageAnswer::kAbort;
    case IDRETRY:
      return MessageAnswer::kRetry;
    case IDIGNORE:
      return MessageAnswer::kIgnore;
    default:
      return DefaultAnswer(buttons);
  }
}

}  // namespace orv::ui
