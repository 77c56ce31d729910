// What a person does to a dialog, written as words: the steps of an answers-file line and the
// commands typed at the terminal share this syntax.
//
//   set CID=VALUE    edit text; combo box entry (its text, else a 0-based index); time HH:MM:SS
//   check CID=0|1    check box; for a radio button 1 checks it and clears its group
//   select CID=N     combo box index, or list view rows for a list view (N,M,...)
//   select N,M,...   rows of the dialog's list view, 0-based
//   press CID        push button (1 is OK, 2 is Cancel); on a drop-down list, opens it
//   dblclick CID=N   double-clicks row N of a list view (N alone: the dialog's list view); the
//                    row is selected first unless it is, and the logic may take it as OK
//   ok | cancel
//
// Words are separated by blanks; double quotes keep blanks inside a word (with \" and \\), and
// a "#" outside quotes starts a comment.
#ifndef ORV_PLATFORM_POSIX_DIALOG_ACTIONS_H
#define ORV_PLATFORM_POSIX_DIALOG_ACTIONS_H

#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace orv::ui {

struct Word {
  std::string text;
  bool quoted = false;  // some part of it was in quotes
};

// False with a reason in `error` on an unterminated quote.
bool SplitWords(std::string_view line, std::vector<Word>& words, std::string& error);

struct DialogAction {
  enum class Kind { kSet, kCheck, kSelect, kSelectRows, kDoubleClick, kPress, kOk, kCancel, kHelp };
  Kind kind = Kind::kOk;
  int controlId = 0;  // 0 for kSelectRows and kDoubleClick without an id: the dialog's list view
  std::string value;  // kSet
  int number = 0;     // kCheck, kSelect, kDoubleClick (the row)
  std::vector<int> rows;
};

// Reads one action from words[at], advancing `at`. `allowHelp` for the terminal only.
bool ParseAction(const std::vector<Word>& words, size_t& at, bool allowHelp, DialogAction& action,
                 std::string& error);

enum class ActionOutcome {
  kDone,      // the model changed or a button did its work; the dialog goes on
  kAccepted,  // OK, and the logic took it
  kRefused,   // OK, but the logic refused: the dialog stays open
  kCancelled,
  kHelp,
  kError,  // the action does not fit this dialog; `error` says why
};

// Applies the action to the model, calling the logic as the Windows dialog would: buttons, clicks,
// a drop-down list opened, an entry chosen, the rows selected changed, a row double-clicked.
ActionOutcome PerformAction(const DialogAction& action, DialogModel& model, DialogLogic& logic,
                            std::string& error);

}  // namespace orv::ui

#endif  // ORV_PLATFORM_POSIX_DIALOG_ACTIONS_H
