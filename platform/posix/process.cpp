#include "platform/process.h"

#include <spawn.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/posix/atomic_file.h"
#include "platform/posix/profile/profile_paths.h"
#include "platform/user_folder.h"

extern char** environ;

namespace orv::platform {

std::string ProgramFolder() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return "";
  return self.parent_path().string();
}

bool SetEnvironmentValue(const std::string& name, const std::string& value) {
  return setenv(name.c_str(), value.c_str(), 1) == 0;
}

std::optional<std::string> EnvironmentValue(const std::string& name) {
  const char* value = getenv(name.c_str());
  if (!value) return std::nullopt;
  return std::string(value);
}

bool RemoveEnvironmentValue(const std::string& name) { return unsetenv(name.c_str()) == 0; }

bool StandardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

bool StandardInputIsTerminal() { return isatty(STDIN_FILENO) == 1; }

int StandardOutputColumns() {
  struct winsize size {};
  if (isatty(STDOUT_FILENO) != 1 || ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0) return 0;
  return size.ws_col;
}

std::string UserConfigFolder(bool create) {
  const std::string root = posix::ProfileStoreRoot();
  if (root.empty() || (create && !posix::MakeFolders(root))) return "";
  return root;
}

bool OpenInTextEditor(const std::string& path) {
  const char* visual = std::getenv("VISUAL");
  const char* editor = std::getenv("EDITOR");
  const char* chosen = visual && *visual ? visual : editor && *editor ? editor : nullptr;
  // The editor variable may hold arguments ("code -w"): the shell splits it, and the path goes
  // as its own argument so that no character of it is ever read by the shell.
  std::string command =
      chosen ? std::string("exec ") + chosen + " \"$1\"" : std::string("exec xdg-open \"$1\"");
  std::string shell = "/bin/sh", flag = "-c", name = "editor", target = path;
  char* argv[] = {shell.data(), flag.data(), command.data(), name.data(), target.data(), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, shell.c_str(), nullptr, nullptr, argv, environ) != 0) return false;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return false;
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace orv::platform
