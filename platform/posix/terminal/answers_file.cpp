#include "platform/posix/terminal/answers_file.h"

#include <algorithm>

#include "text/ascii.h"
#include "text/number.h"

namespace orv::ui {
namespace {

// The line as an error message quotes it: trimmed and kept short.
std::string Excerpt(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) {
    line.remove_suffix(1);
  }
  constexpr size_t kMax = 80;
  std::string out(line.substr(0, kMax));
  if (line.size() > kMax) out += "...";
  return "\"" + out + "\"";
}

const char* KindWord(AnswerKind kind) {
  switch (kind) {
    case AnswerKind::kMessage:
      return "msgbox";
    case AnswerKind::kDialog:
      return "dialog";
    case AnswerKind::kFile:
      return "file";
    case AnswerKind::kFolder:
      return "folder";
  }
  return "";
}

std::optional<MessageAnswer> ButtonFromName(std::string_view name) {
  for (MessageAnswer answer :
       {MessageAnswer::kOk, MessageAnswer::kCancel, MessageAnswer::kYes, MessageAnswer::kNo,
        MessageAnswer::kAbort, MessageAnswer::kRetry, MessageAnswer::kIgnore}) {
    if (name == ButtonName(answer)) return answer;
  }
  return std::nullopt;
}

}  // namespace

std::vector<MessageAnswer> ButtonsOf(MessageButtons buttons) {
  using A = MessageAnswer;
  switch (buttons) {
    case MessageButtons::kOk:
      return {A::kOk};
    case MessageButtons::kOkCancel:
      return {A::kOk, A::kCancel};
    case MessageButtons::kYesNo:
      return {A::kYes, A::kNo};
    case MessageButtons::kYesNoCancel:
      return {A::kYes, A::kNo, A::kCancel};
    case MessageButtons::kRetryCancel:
      return {A::kRetry, A::kCancel};
    case MessageButtons::kAbortRetryIgnore:
      return {A::kAbort, A::kRetry, A::kIgnore};
  }
  return {A::kOk};
}

const char* ButtonName(MessageAnswer answer) {
  switch (answer) {
    case MessageAnswer::kOk:
      return "ok";
    case MessageAnswer::kCancel:
      return "cancel";
    case MessageAnswer::kYes:
      return "yes";
    case MessageAnswer::kNo:
      return "no";
    case MessageAnswer::kAbort:
      return "abort";
    case MessageAnswer::kRetry:
      return "retry";
    case MessageAnswer::kIgnore:
      return "ignore";
  }
  return "ok";
}

std::string Expected::Describe() const {
  switch (kind) {
    case AnswerKind::kMessage: {
      std::string text = "msgbox with ";
      const std::vector<MessageAnswer> names = ButtonsOf(buttons);
      for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
        text += ButtonName(names[i]);
      }
      return text;
    }
    case AnswerKind::kDialog:
      return "dialog " + std::to_string(dialogId);
    case AnswerKind::kFile:
      return "file PATH or file cancel";
    case AnswerKind::kFolder:
      return "folder PATH or folder cancel";
  }
  return "";
}

AnswersFile::AnswersFile(std::string name, std::string_view text) : name_(std::move(name)) {
  while (!text.empty()) {
    const size_t end = text.find('\n');
    lines_.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

AnswerStatus AnswersFile::ErrorAt(size_t line, const std::string& what) const {
  return AnswerStatus{false,
                      "answers file " + name_ + " line " + std::to_string(line) + ": " + what};
}

AnswerStatus AnswersFile::Take(const Expected& expected, std::optional<Answer>& answer) {
  answer.reset();
  std::vector<Word> words;
  std::string error;
  while (next_ < lines_.size()) {
    const size_t index = next_++;
    const std::string& line = lines_[index];
    const size_t number = index + 1;
    if (!SplitWords(line, words, error)) return ErrorAt(number, error);
    if (words.empty()) continue;

    const std::string mismatch = "expected " + expected.Describe() + ", found " + Excerpt(line);
    const std::string verb = text::ToLowerAscii(words[0].text);
    if (words[0].quoted || verb != KindWord(expected.kind)) return ErrorAt(number, mismatch);

    Answer taken;
    taken.kind = expected.kind;
    taken.line = number;
    switch (expected.kind) {
      case AnswerKind::kMessage: {
        if (words.size() != 2) return ErrorAt(number, mismatch);
        const std::optional<MessageAnswer> button =
            ButtonFromName(text::ToLowerAscii(words[1].text));
        const std::vector<MessageAnswer> allowed = ButtonsOf(expected.buttons);
        if (!button || std::find(allowed.begin(), allowed.end(), *button) == allowed.end()) {
          return ErrorAt(number, mismatch);
        }
        taken.button = *button;
        break;
      }
      case AnswerKind::kDialog: {
        const std::optional<int> id =
            words.size() > 1 ? text::ParseDigits(words[1].text) : std::nullopt;
        if (!id || *id != expected.dialogId) return ErrorAt(number, mismatch);
        taken.dialogId = *id;
        size_t at = 2;
        while (true) {
          DialogAction action;
          if (at >= words.size()) return ErrorAt(number, "dialog line must end with ok or cancel");
          if (!ParseAction(words, at, false, action, error)) return ErrorAt(number, error);
          taken.actions.push_back(std::move(action));
          const DialogAction::Kind kind = taken.actions.back().kind;
          if (kind == DialogAction::Kind::kOk || kind == DialogAction::Kind::kCancel) break;
        }
        if (at != words.size()) {
          return ErrorAt(number, "nothing may follow ok or cancel on a dialog line");
        }
        break;
      }
      case AnswerKind::kFile:
      case AnswerKind::kFolder:
        if (words.size() != 2) {
          return ErrorAt(number, std::string(KindWord(expected.kind)) +
                                     " takes one path (quote it when it holds blanks)");
        }
        // A quoted "cancel" is a path of that name.
        if (!(text::ToLowerAscii(words[1].text) == "cancel" && !words[1].quoted)) {
          if (words[1].text.empty()) return ErrorAt(number, "the path is empty");
          taken.path = words[1].text;
        }
        break;
    }
    answer = std::move(taken);
    return AnswerStatus{};
  }
  return AnswerStatus{};
}

}  // namespace orv::ui
