// The running program: where its file lives, its environment, whether a person watches stderr.
// Used by orvhost to find the filters beside itself, to hand --answers to the filters' dialogs,
// to decide whether to draw a progress line and to fit its tables to the terminal.
#ifndef ORV_PLATFORM_PROCESS_H
#define ORV_PLATFORM_PROCESS_H

#include <optional>
#include <string>

namespace orv::platform {

// The folder of the running executable, without a trailing separator; "" when unknown.
std::string ProgramFolder();

// Sets a variable of the process environment, seen by every module of the process afterwards.
bool SetEnvironmentValue(const std::string& name, const std::string& value);
// A variable of the process environment as every module sees it; nothing when it is not set.
std::optional<std::string> EnvironmentValue(const std::string& name);
bool RemoveEnvironmentValue(const std::string& name);

// True when standard error is a terminal (a console on Windows).
bool StandardErrorIsTerminal();
// True when standard input is one: a person can answer a question.
bool StandardInputIsTerminal();

// The width in columns of the terminal standard output goes to; 0 when it is not a terminal.
int StandardOutputColumns();

// Opens `path` in the user's text editor: notepad on Windows (not waited for); on Linux
// $VISUAL, else $EDITOR (waited for, as they usually share the terminal), else xdg-open.
// False when no editor could be started.
bool OpenInTextEditor(const std::string& path);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_PROCESS_H
