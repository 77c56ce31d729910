#include "host_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

extern char** environ;

namespace orv::host::testing {

namespace fs = std::filesystem;

std::vector<std::string> RunResult::OutLines() const {
  std::vector<std::string> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

void HostRunTest::SetUp() {
  char pattern[] = "/tmp/orvhost_test_XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  folder_ = pattern;
  collection_ = folder_ + "/collection.db";
  fs::create_directories(folder_ + "/home");
}

void HostRunTest::TearDown() {
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

pid_t HostRunTest::Start(const std::vector<std::string>& args) {
  // Our settings replace the inherited ones; everything else (sanitizer options) passes through.
  std::vector<std::string> environment = {
      "ORVHOST_CONFIG_DIR=" + folder_ + "/config", "XDG_CONFIG_HOME=" + folder_ + "/xdgconfig",
      "XDG_DATA_HOME=" + folder_ + "/data", "HOME=" + folder_ + "/home"};
  for (char** entry = environ; *entry; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('='));
    if (name == "ORVHOST_CONFIG_DIR" || name == "XDG_CONFIG_HOME" || name == "XDG_DATA_HOME" ||
        name == "HOME" || name == "ORVHOST_ANSWERS" || name == "ORVHOST_OPTION_READS" ||
        name == "COLUMNS") {
      continue;
    }
    environment.push_back(text);
  }
  environment.insert(environment.end(), environment_.begin(), environment_.end());
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);

  std::vector<std::string> argStrings = {ORVHOST_PROGRAM};
  if (unprivileged_ && RunningAsRoot()) {
    argStrings.insert(argStrings.begin(),
                      {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"});
  }
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argStrings) argv.push_back(arg.data());
  argv.push_back(nullptr);

  const std::string outPath = folder_ + "/stdout.txt", errPath = folder_ + "/stderr.txt";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0600);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    ADD_FAILURE() << "cannot start " << argv[0] << ": " << std::strerror(spawned);
    return -1;
  }
  return pid;
}

RunResult HostRunTest::Wait(pid_t pid) {
  RunResult result;
  if (pid <= 0) return result;
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
  }
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.out = ReadFile(folder_ + "/stdout.txt");
  result.err = ReadFile(folder_ + "/stderr.txt");
  for (const char* alarm : {"Sanitizer", "runtime error:"}) {
    EXPECT_EQ(result.err.find(alarm), std::string::npos) << result.err;
  }
  return result;
}

bool RunningAsRoot() { return geteuid() == 0; }

RunResult HostRunTest::Orvhost(const std::vector<std::string>& args) { return Wait(Start(args)); }

void HostRunTest::SetOption(const std::string& key, const std::string& value) {
  const RunResult r = Orvhost({"configure", TESTFILTER_LIBRARY, "--set", key + "=" + value});
  ASSERT_EQ(r.status, 0) << r.err;
}

RunResult HostRunTest::Import(const std::vector<std::string>& extra) {
  std::vector<std::string> args = {"import", TESTFILTER_LIBRARY, "--collection", collection_};
  args.insert(args.end(), extra.begin(), extra.end());
  return Orvhost(args);
}

std::string JsonField(const std::string& line, const std::string& name) {
  const std::string key = "\"" + name + "\":";
  const size_t start = line.find(key);
  if (start == std::string::npos) return "";
  size_t end = start + key.size();
  bool quoted = false;
  for (; end < line.size(); ++end) {
    const char c = line[end];
    if (c == '\\' && quoted) {
      ++end;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && (c == ',' || c == '}')) {
      break;
    }
  }
  return line.substr(start + key.size(), end - start - key.size());
}

std::string ItemObject(const std::string& line) {
  const std::string key = "\"item\":";
  const size_t start = line.find(key);
  if (start == std::string::npos) return "";
  // The item is the last member: everything up to the line's closing brace.
  return line.substr(start + key.size(), line.size() - start - key.size() - 1);
}

}  // namespace orv::host::testing
