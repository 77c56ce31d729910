// The answers file: the modal interactions of a run answered in advance, one line each.
//
//   msgbox BUTTON                    ok, cancel, yes, no, abort, retry or ignore
//   dialog ID ACTIONS... ok|cancel   actions as in dialog_actions.h
//   file PATH | file cancel          the file-open dialog
//   folder PATH | folder cancel      the folder browser
//
// Blank lines and "#" comments are skipped. Lines are taken in order; the interactions a
// pressed button starts take the lines that follow its dialog line. A line that does not fit
// the interaction asked for is an error naming the file, the line, what was expected and what
// was found. Nothing here prints or exits: the caller decides.
#ifndef ORV_PLATFORM_POSIX_ANSWERS_FILE_H
#define ORV_PLATFORM_POSIX_ANSWERS_FILE_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/posix/terminal/dialog_actions.h"
#include "platform/ui.h"

namespace orv::ui {

struct AnswerStatus {
  bool ok = true;
  std::string message;  // one line, for errors
};

enum class AnswerKind { kMessage, kDialog, kFile, kFolder };

// The interaction asking for an answer.
struct Expected {
  AnswerKind kind = AnswerKind::kDialog;
  int dialogId = 0;                              // kDialog
  MessageButtons buttons = MessageButtons::kOk;  // kMessage

  std::string Describe() const;
};

struct Answer {
  AnswerKind kind = AnswerKind::kDialog;
  size_t line = 0;  // 1-based
  MessageAnswer button = MessageAnswer::kOk;
  int dialogId = 0;
  std::vector<DialogAction> actions;  // the last one is ok or cancel
  std::optional<std::string> path;    // file and folder; nothing for cancel
};

// The buttons a message box shows, the default first.
std::vector<MessageAnswer> ButtonsOf(MessageButtons buttons);
const char* ButtonName(MessageAnswer answer);

class AnswersFile {
 public:
  // `name` is how messages call the file (its path).
  AnswersFile(std::string name, std::string_view text);

  // The next answer, which must be one for `expected`. An ok status without an answer means
  // none is left.
  AnswerStatus Take(const Expected& expected, std::optional<Answer>& answer);

  // An error about an answer already taken, in the same form as Take's.
  AnswerStatus ErrorAt(size_t line, const std::string& what) const;

  // Index of the next line to look at (0-based), so that a run can go on where it stopped.
  size_t Position() const { return next_; }
  void SetPosition(size_t position) { next_ = position; }
  const std::string& Name() const { return name_; }

 private:
  std::string name_;
  std::vector<std::string> lines_;
  size_t next_ = 0;
};

}  // namespace orv::ui

#endif  // ORV_PLATFORM_POSIX_ANSWERS_FILE_H
