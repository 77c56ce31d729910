#include <cstdio>
#include <filesystem>
#include <system_error>

#include "host/collection.h"
#include "host/commands.h"
#include "platform/process.h"

namespace orv::host {

int Fail(int status, const std::string& message) {
  std::fprintf(stderr, "orvhost: %s\n", message.c_str());
  return status;
}

std::string CollectionPathOf(const Command& command) {
  return command.collection.empty() ? DefaultCollectionPath() : AbsolutePath(command.collection);
}

bool ApplyAnswersFile(const Command& command) {
  if (command.answers.empty()) return true;
  return platform::SetEnvironmentValue("ORVHOST_ANSWERS", AbsolutePath(command.answers));
}

std::string AbsolutePath(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::absolute(std::filesystem::u8path(path), ignored)
      .lexically_normal()
      .u8string();
}

}  // namespace orv::host
