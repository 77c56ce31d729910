// Message boxes and modal dialogs on Linux: answered from the answers file ($ORVHOST_ANSWERS),
// else asked at the terminal when stdin is one (as full-screen forms where the terminal can show
// them, else in line mode), else given their default (a message box its first button, anything
// else cancelled) with a note on stderr.
//
// Every module (orvhost and each filter library) carries its own copy of this code, yet they
// must walk one answers file together: the position reached is kept in the environment, which
// the whole process shares, together with the file's identity so that a new file starts over.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <map>

#include "platform/files.h"
#include "platform/posix/terminal/answers_file.h"
#include "platform/posix/terminal/dialog_actions.h"
#include "platform/posix/terminal/terminal_dialog.h"
#include "platform/posix/terminal/forms/terminal_form.h"
#include "platform/ui.h"

namespace orv::ui {
namespace {

constexpr const char* kAnswersVariable = "ORVHOST_ANSWERS";
constexpr const char* kPositionVariable = "ORVHOST_ANSWERS_POSITION";
constexpr size_t kMaxAnswersFile = 1u << 20;

[[noreturn]] void Fail(const AnswerStatus& status) {
  std::fflush(stdout);
  std::fprintf(stderr, "orvhost: %s\n", status.message.c_str());
  std::fflush(stderr);
  std::exit(2);
}

// One line on stderr, whatever the text holds.
std::string OneLine(std::string_view text, size_t limit = 120) {
  std::string line;
  for (char c : text) {
    if (line.size() >= limit) {
      line += "...";
      break;
    }
    line += (c == '\r' || c == '\n' || c == '\t') ? ' ' : c;
  }
  return line;
}

void Note(const std::string& what) {
  std::fprintf(stderr, "orvhost: %s\n", what.c_str());
  std::fflush(stderr);
}

std::string AnswersPath() {
  const char* path = std::getenv(kAnswersVariable);
  return path ? std::string(path) : std::string();
}

// The identity of the answers file: a rewritten or different file starts from its first line.
std::string Identity(const std::string& path, const struct stat& info) {
  return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino) + ":" +
         std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec) + ":" +
         std::to_string(info.st_size) + ":" + path;
}

// A pipe can be read only once: its text is kept for the rest of the run (in this module).
std::map<std::string, std::string>& PipeTexts() {
  static std::map<std::string, std::string> texts;
  return texts;
}

// The answers file at the position the run has reached, or nothing when there is none.
std::optional<AnswersFile> OpenAnswers(std::string& identity) {
  const std::string path = AnswersPath();
  if (path.empty()) return std::nullopt;
  struct stat info;
  if (stat(path.c_str(), &info) != 0) Fail({false, "cannot read the answers file " + path});
  std::string text;
  if (S_ISREG(info.st_mode)) {
    if (!platform::ReadWholeFile(path, text, kMaxAnswersFile)) {
      Fail({false, "cannot read the answers file " + path + " (at most 1 MiB)"});
    }
  } else {
    auto kept = PipeTexts().find(path);
    if (kept == PipeTexts().end()) {
      if (!platform::ReadWholeFile(path, text, kMaxAnswersFile)) {
        Fail({false, "cannot read the answers file " + path});
      }
      kept = PipeTexts().emplace(path, text).first;
    }
    text = kept->second;
  }
  identity = Identity(path, info);
  AnswersFile file(path, text);
  const char* saved = std::getenv(kPositionVariable);
  if (saved) {
    const std::string state(saved);
    const size_t space = state.find(' ');
    if (space != std::string::npos && state.substr(space + 1) == identity) {
      file.SetPosition(std::strtoul(state.c_str(), nullptr, 10));
    }
  }
  return file;
}

void SavePosition(const AnswersFile& file, const std::string& identity) {
  const std::string state = std::to_string(file.Position()) + " " + identity;
  setenv(kPositionVariable, state.c_str(), 1);
}

enum class Mode { kAnswers, kTerminal, kDefault };

// Takes the next answer for `expected`, exiting on a mismatch. Sets `mode` to how this
// interaction is answered.
std::optional<Answer> TakeAnswer(const Expected& expected, Mode& mode, std::string& fileName) {
  std::string identity;
  std::optional<AnswersFile> file = OpenAnswers(identity);
  if (!file) {
    mode = isatty(STDIN_FILENO) ? Mode::kTerminal : Mode::kDefault;
    return std::nullopt;
  }
  fileName = file->Name();
  std::optional<Answer> answer;
  const AnswerStatus status = file->Take(expected, answer);
  if (!status.ok) Fail(status);
  SavePosition(*file, identity);
  // An exhausted answers file never falls back to the terminal: runs stay repeatable.
  mode = answer ? Mode::kAnswers : Mode::kDefault;
  return answer;
}

[[noreturn]] void FailAt(const std::string& fileName, size_t line, const std::string& what) {
  Fail(AnswersFile(fileName, "").ErrorAt(line, what));
}

// The file dialogs hand back full paths.
std::string Absolute(const std::string& path) {
  if (path.empty() || path[0] == '/') return path;
  char* cwd = getcwd(nullptr, 0);
  if (!cwd) return path;
  std::string full(cwd);
  free(cwd);
  if (full.empty() || full.back() != '/') full += '/';
  return full + path;
}

std::optional<std::string> AskPath(AnswerKind kind, std::string_view title,
                                   std::string_view filter) {
  Expected expected;
  expected.kind = kind;
  Mode mode = Mode::kDefault;
  std::string fileName;
  const std::optional<Answer> answer = TakeAnswer(expected, mode, fileName);
  const bool folder = kind == AnswerKind::kFolder;
  if (mode == Mode::kTerminal) {
    std::optional<std::optional<std::string>> asked = AskPathInForm(title, filter, folder);
    if (!asked) asked = AskPathInTerminal(title, filter, folder, std::cin, std::cerr);
    const std::optional<std::string>& path = *asked;
    if (!path) return std::nullopt;
    return Absolute(*path);
  }
  if (!answer) {
    Note(std::string("no answer left for ") + (folder ? "folder" : "file") + " dialog \"" +
         OneLine(title) + "\"; cancelled");
    return std::nullopt;
  }
  if (!answer->path) return std::nullopt;
  // The folder browser offers existing folders only.
  if (folder && !platform::IsFolder(*answer->path)) {
    FailAt(fileName, answer->line, "not a folder: " + *answer->path);
  }
  return Absolute(*answer->path);
}

}  // namespace

DialogResult RunModalDialog(int dialogId, DialogLogic& logic) {
  DialogModel model = LoadDialogModel(dialogId);
  if (model.id == 0) {
    Note("dialog " + std::to_string(dialogId) + " does not exist; cancelled");
    return DialogResult::kCancel;
  }
  logic.OnInit(model);
  Expected expected;
  expected.kind = AnswerKind::kDialog;
  expected.dialogId = dialogId;
  // Each pass takes one dialog line; a refused OK asks for another. Every pass consumes a line,
  // so the loop ends with the file.
  while (true) {
    Mode mode = Mode::kDefault;
    std::string fileName;
    const std::optional<Answer> answer = TakeAnswer(expected, mode, fileName);
    if (mode == Mode::kTerminal) {
      if (const std::optional<DialogResult> result = RunFormDialog(model, logic)) return *result;
      return RunTerminalDialog(model, logic, std::cin, std::cerr);
    }
    if (!answer) {
      Note("no answer left for dialog " + std::to_string(dialogId) + "; cancelled");
      return DialogResult::kCancel;
    }
    for (const DialogAction& action : answer->actions) {
      std::string error;
      const ActionOutcome outcome = PerformAction(action, model, logic, error);
      if (outcome == ActionOutcome::kError) FailAt(fileName, answer->line, error);
      if (outcome == ActionOutcome::kAccepted) return DialogResult::kOk;
      if (outcome == ActionOutcome::kCancelled) return DialogResult::kCancel;
      if (outcome == ActionOutcome::kRefused) break;
    }
  }
}

MessageAnswer ShowMessage(std::string_view text, std::string_view caption, MessageButtons buttons,
                          MessageIcon icon) {
  Expected expected;
  expected.kind = AnswerKind::kMessage;
  expected.buttons = buttons;
  Mode mode = Mode::kDefault;
  std::string fileName;
  const std::optional<Answer> answer = TakeAnswer(expected, mode, fileName);
  if (mode == Mode::kTerminal) {
    if (const std::optional<MessageAnswer> answer =
            AskMessageInForm(text, caption, buttons, icon)) {
      return *answer;
    }
    return AskMessageInTerminal(text, caption, buttons, icon, std::cin, std::cerr);
  }
  if (answer) return answer->button;
  const MessageAnswer fallback = ButtonsOf(buttons).front();
  Note("no answer left for message box \"" + OneLine(caption, 60) + ": " + OneLine(text) + "\"; " +
       ButtonName(fallback));
  return fallback;
}

std::optional<std::string> AskOpenFile(std::string_view title, std::string_view filter) {
  return AskPath(AnswerKind::kFile, title, filter);
}

std::optional<std::string> AskFolder(std::string_view title) {
  return AskPath(AnswerKind::kFolder, title, std::string_view());
}

}  // namespace orv::ui
