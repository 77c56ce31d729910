#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "host/collection/collection.h"
#include "host/commands/commands.h"
#include "platform/process.h"
#include "text/number.h"

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

int OpenCommandCollection(const Command& command, OpenMode mode, std::string& path,
                          std::unique_ptr<Collection>& collection) {
  namespace fs = std::filesystem;
  path = CollectionPathOf(command);
  const fs::path file = fs::u8path(path);
  std::error_code code;
  if (command.collection.empty() && mode == OpenMode::kCreateWhenMissing) {
    fs::create_directories(file.parent_path(), code);
  }
  // A reader of a collection not made yet finds no items, unless its path was mistyped.
  if (mode == OpenMode::kReadOnly && !fs::exists(file, code) &&
      (command.collection.empty() || fs::is_directory(file.parent_path(), code))) {
    return kExitOk;
  }
  std::string error;
  collection = OpenCollection(path, mode, error);
  return collection ? kExitOk : Fail(kExitUnavailable, error);
}

int OpenRunContext(const Command& command, OpenMode mode, RunContext& context) {
  std::string error;
  if (!context.library.Load(command.filter, error)) return Fail(kExitUnavailable, error);
  const int status = OpenCommandCollection(command, mode, context.databasePath, context.collection);
  if (status != kExitOk) return status;
  if (!ApplyAnswersFile(command)) return Fail(kExitUsage, "cannot pass on --answers");
  return kExitOk;
}

size_t OutputWidth() {
  if (const int columns = platform::StandardOutputColumns(); columns > 0) return columns;
  if (const char* columns = std::getenv("COLUMNS")) {
    if (const std::optional<int> n = text::ParseDigits(columns, 4); n && *n >= 20) return *n;
  }
  return 80;
}

std::string AbsolutePath(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::absolute(std::filesystem::u8path(path), ignored)
      .lexically_normal()
      .u8string();
}

}  // namespace orv::host
