#include "platform/process.h"

#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <windows.h>

#include "platform/user_folder.h"

namespace orv::platform {

std::string ProgramFolder() {
  char path[MAX_PATH + 1];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return "";
  std::string folder(path, n);
  const size_t cut = folder.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : folder.substr(0, cut);
}

bool SetEnvironmentValue(const std::string& name, const std::string& value) {
  // Both the C runtime's copy (getenv) and the process block (GetEnvironmentVariable).
  const bool runtime = _putenv_s(name.c_str(), value.c_str()) == 0;
  const bool process = SetEnvironmentVariableA(name.c_str(), value.c_str()) != 0;
  return runtime && process;
}

std::optional<std::string> EnvironmentValue(const std::string& name) {
  // The process block, which every module shares whatever C runtime it was linked with.
  const DWORD size = GetEnvironmentVariableA(name.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::string value(size, '\0');
  const DWORD length = GetEnvironmentVariableA(name.c_str(), value.data(), size);
  if (length >= size) return std::nullopt;  // changed in between
  value.resize(length);
  return value;
}

bool RemoveEnvironmentValue(const std::string& name) {
  const bool runtime = _putenv_s(name.c_str(), "") == 0;
  const bool process = SetEnvironmentVariableA(name.c_str(), nullptr) != 0;
  return runtime && process;
}

bool StandardErrorIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

// _isatty says yes for any character device, NUL included: only a console can answer.
bool StandardInputIsTerminal() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

int StandardOutputColumns() {
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (!GetConsoleScreenBufferInfo(GetStdHandle(STD_OUTPUT_HANDLE), &info)) return 0;
  return info.srWindow.Right - info.srWindow.Left + 1;
}

std::string UserConfigFolder(bool create) {
  (void)create;
  return "";
}

bool OpenInTextEditor(const std::string& path) {
  std::string command = "notepad \"" + path + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace orv::platform
