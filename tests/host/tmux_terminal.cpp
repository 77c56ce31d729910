#include "tmux_terminal.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <random>
#include <thread>

extern char** environ;

namespace orv::host::testing {
namespace {

constexpr auto kPatience = std::chrono::seconds(30);
constexpr auto kPollEvery = std::chrono::milliseconds(50);

// The environment tmux is started with: ours, UTF-8 for the pane's texts, and nothing that
// would tie it to a tmux the tests themselves might run in.
std::vector<std::string> TmuxEnvironment() {
  std::vector<std::string> environment = {"LC_ALL=C.UTF-8"};
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    if (name == "LC_ALL" || name == "TMUX" || name == "TMUX_PANE" || name == "ORVHOST_ANSWERS") {
      continue;
    }
    environment.push_back(text);
  }
  return environment;
}

}  // namespace

TmuxTerminal::TmuxTerminal(int cols, int rows, const std::string& command) {
  socket_ = "orvtest-" + std::to_string(getpid()) + "-" + std::to_string(std::random_device{}());
  int status = -1;
  Tmux({"new-session", "-d", "-x", std::to_string(cols), "-y", std::to_string(rows), command},
       &status);
  started_ = status == 0;
}

TmuxTerminal::~TmuxTerminal() {
  if (started_) Tmux({"kill-server"});
}

std::string TmuxTerminal::Tmux(const std::vector<std::string>& args, int* status) {
  std::vector<std::string> all = {TMUX_PROGRAM, "-L", socket_, "-f", "/dev/null"};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : all) argv.push_back(arg.data());
  argv.push_back(nullptr);
  std::vector<std::string> environment = TmuxEnvironment();
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);

  int pipeFds[2];
  // Close-on-exec, so the tmux server that outlives this call does not keep our pipe open.
  if (pipe2(pipeFds, O_CLOEXEC) != 0) return "";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  std::string out;
  if (spawned == 0) {
    char buffer[4096];
    ssize_t got;
    while ((got = read(pipeFds[0], buffer, sizeof buffer)) > 0) out.append(buffer, got);
    int code = 0;
    while (waitpid(pid, &code, 0) < 0) {
    }
    if (status) *status = WIFEXITED(code) ? WEXITSTATUS(code) : -1;
  }
  close(pipeFds[0]);
  return out;
}

std::string TmuxTerminal::Screen() { return Tmux({"capture-pane", "-p"}); }

std::string TmuxTerminal::StyledScreen() { return Tmux({"capture-pane", "-p", "-e"}); }

bool TmuxTerminal::WaitFor(const std::vector<std::string>& texts) {
  const auto end = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < end) {
    const std::string screen = Screen();
    bool all = true;
    for (const std::string& text : texts) all = all && screen.find(text) != std::string::npos;
    if (all) return true;
    std::this_thread::sleep_for(kPollEvery);
  }
  return false;
}

bool TmuxTerminal::WaitForGone(const std::string& text) {
  const auto end = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < end) {
    if (Screen().find(text) == std::string::npos) return true;
    std::this_thread::sleep_for(kPollEvery);
  }
  return false;
}

void TmuxTerminal::Keys(const std::vector<std::string>& keys) {
  std::vector<std::string> args = {"send-keys", "-t", "0"};
  args.insert(args.end(), keys.begin(), keys.end());
  Tmux(args);
}

void TmuxTerminal::Type(const std::string& text) { Tmux({"send-keys", "-t", "0", "-l", text}); }

std::string TmuxTerminal::Query(const std::string& format) {
  std::string value = Tmux({"display-message", "-p", "-t", "0", format});
  while (!value.empty() && (value.back() == '\n' || value.back() == '\r')) value.pop_back();
  return value;
}

}  // namespace orv::host::testing
