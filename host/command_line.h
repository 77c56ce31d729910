// orvhost's command line: the command, its operands and options.
#ifndef ORV_HOST_COMMAND_LINE_H
#define ORV_HOST_COMMAND_LINE_H

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/collection_settings.h"

namespace orv::host {

enum class CommandName { kHelp, kInfo, kConfigure, kImport, kExport, kList, kCollection };

struct CodeListSetting {
  int category = 1;
  CodeList list = CodeList::kFormat1;
  std::string value;
};

struct Command {
  CommandName name = CommandName::kHelp;
  std::string filter;
  std::string path;        // import: the source (may be empty); export: the output
  std::string collection;  // "" for the default
  std::string answers;
  bool trace = false;
  // configure
  bool dialog = false;
  bool show = false;
  std::vector<std::pair<std::string, std::string>> sets;
  // list
  std::optional<int> category;
  bool json = false;
  // collection
  std::optional<std::string> owner, title, currency;
  std::vector<std::pair<int, std::string>> pictureDirs;
  std::vector<CodeListSetting> codeLists;
  std::optional<std::string> proxyHost;
  std::optional<uint16_t> proxyPort;
  std::optional<std::string> proxyUser, proxyPassword;
};

// Parses argv[1..]. Nothing, with one line in `error`, on a usage error.
std::optional<Command> ParseCommandLine(const std::vector<std::string>& args, std::string& error);

const char* UsageText();

}  // namespace orv::host

#endif  // ORV_HOST_COMMAND_LINE_H
