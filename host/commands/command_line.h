// orvhost's command line: the command, its operands and options.
#ifndef ORV_HOST_COMMAND_LINE_H
#define ORV_HOST_COMMAND_LINE_H

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/collection/collection_settings.h"

namespace orv::host {

enum class CommandName {
  kHelp,
  kVersion,
  kInfo,
  kConfigure,
  kImport,
  kExport,
  kList,
  kRuns,
  kUndo,
  kRemove,
  kCollection,
  kCheckSite,
};

struct CodeListSetting {
  int category = 1;
  CodeList list = CodeList::kFormat1;
  std::string value;
};

struct Command {
  CommandName name = CommandName::kHelp;
  std::optional<CommandName> helpTopic;  // help: the command to describe, none for all
  std::string filter;
  std::string path;        // import: the source (may be empty); export: the output
  std::string collection;  // "" for the default
  std::string answers;
  bool trace = false;
  // import
  bool keepDuplicates = false;
  // undo: the run (none: the last with items); remove: the items
  std::vector<int64_t> numbers;
  bool yes = false;
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
  std::optional<std::string> proxyHost;  // "" removes the proxy
  std::optional<uint16_t> proxyPort;
  std::optional<std::string> proxyUser, proxyPassword;
  // check-site (with json)
  std::string keywords;
  std::vector<std::string> pages;
};

// One option of the command line: its name without "--", the placeholder of its value ("" for
// a flag), what it does, and the commands that take it.
struct OptionSpec {
  const char* name;
  const char* value;
  const char* help;
  std::vector<CommandName> commands;
};
const std::vector<OptionSpec>& OptionSpecs();

// Parses argv[1..]. Nothing, with one line in `error`, on a usage error.
std::optional<Command> ParseCommandLine(const std::vector<std::string>& args, std::string& error);

// The command's word ("import"), and the command a word names (help topics).
const char* CommandWord(CommandName name);
std::optional<CommandName> CommandOfWord(std::string_view word);

// Every command in one screen (orvhost --help).
std::string UsageText();
// One command: its arguments, options, notes and examples (orvhost help COMMAND).
std::string CommandHelp(CommandName name);
// "orvhost VERSION".
std::string VersionText();

}  // namespace orv::host

#endif  // ORV_HOST_COMMAND_LINE_H
