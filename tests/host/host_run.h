// Runs the built orvhost as a program in a private setting: a temporary folder holding the
// collection, the profile store and the data folder, so tests never touch the user's files.
#ifndef ORV_TESTS_HOST_HOST_RUN_H
#define ORV_TESTS_HOST_HOST_RUN_H

#include <gtest/gtest.h>
#include <sys/types.h>

#include <string>
#include <vector>

namespace orv::host::testing {

struct RunResult {
  int status = -1;  // exit status, or -1 when the program did not exit normally
  std::string out;
  std::string err;
  std::vector<std::string> OutLines() const;
};

class HostRunTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // orvhost with these arguments, stdin empty, stdout and stderr to files (no terminal, so no
  // progress line and 80 columns unless environment_ says otherwise). Fails the test when a
  // sanitizer spoke up.
  RunResult Orvhost(const std::vector<std::string>& args);
  // The same in two steps: started (its process id, -1 when it could not start), then waited
  // for. One program at a time: they share the output files.
  pid_t Start(const std::vector<std::string>& args);
  RunResult Wait(pid_t pid);
  // orvhost configure testfilter --set KEY=VALUE, checked.
  void SetOption(const std::string& key, const std::string& value);
  // orvhost import testfilter with the private collection, plus `extra` arguments.
  RunResult Import(const std::vector<std::string>& extra = {});

  std::string folder_;      // the private temporary folder
  std::string collection_;  // folder_/collection.db
  std::vector<std::string> environment_;  // more NAME=VALUE for the next runs
  // Run as the unprivileged user "nobody" when the tests run as root, so that file permissions
  // hold for orvhost as they do for a person.
  bool unprivileged_ = false;
};

// True when the tests run as root (file permissions do not hold for them).
bool RunningAsRoot();

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// The value of `"name":` in a JSON line, up to the next top-level comma (numbers and plain
// strings only; good enough for the transcript's own fields).
std::string JsonField(const std::string& line, const std::string& name);
// The text of `"item":{...}` in a transcript line ("" when there is none).
std::string ItemObject(const std::string& line);

}  // namespace orv::host::testing

#endif  // ORV_TESTS_HOST_HOST_RUN_H
