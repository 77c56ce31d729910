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

int OpenRunContext(const Command& command, RunContext& context) {
  std::string error;
  if (!context.library.Load(command.filter, error)) return Fail(kExitUnavailable, error);
  context.databasePath = CollectionPathOf(command);
  context.collection = OpenCollection(context.databasePath, OpenMode::kCreateWhenMissing, error);
  if (!context.collection) return Fail(kExitUnavailable, error);
  if (!ApplyAnswersFile(command)) return Fail(kExitUsage, "cannot pass on --answers");
  return kExitOk;
}

std::string AbsolutePath(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::absolute(std::filesystem::u8path(path), ignored)
      .lexically_normal()
      .u8string();
}

}  // namespace orv::host
