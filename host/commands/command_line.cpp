#include "host/commands/command_line.h"

#include <cstdlib>
#include <string_view>

namespace orv::host {

const std::vector<OptionSpec>& OptionSpecs() {
  using C = CommandName;
  static const std::vector<OptionSpec> specs = {
      {"collection",
       "DB",
       "the collection file (default $XDG_DATA_HOME/orvhost/collection.db, made with its folder "
       "on first use); the folder of a file named here must exist",
       {C::kImport, C::kExport, C::kList, C::kRuns, C::kUndo, C::kRemove, C::kCollection}},
      {"answers",
       "FILE",
       "answers for the filter's dialogs and message boxes, one per line, used in order (else "
       "$ORVHOST_ANSWERS)",
       {C::kImport, C::kExport, C::kConfigure}},
      {"trace",
       "",
       "one JSON line per call into the filter on standard output (the summary line then goes "
       "to standard error)",
       {C::kImport, C::kExport}},
      {"keep-duplicates",
       "",
       "stores every item, even one equal in every field to an item already in the collection",
       {C::kImport}},
      {"yes", "", "removes without asking", {C::kUndo}},
      {"dialog", "", "shows the filter's options dialog; OK saves every option", {C::kConfigure}},
      {"set", "KEY=VALUE", "stores one option without the dialog (repeatable)", {C::kConfigure}},
      {"show",
       "",
       "lists the options the filter reads: kind, default and stored value",
       {C::kConfigure}},
      {"category", "CATEGORY", "only the items of that category", {C::kList}},
      {"json", "", "every field with its exact value, as JSON", {C::kList, C::kCheckSite}},
      {"keywords", "TEXT", "the words searched for (default \"test\")", {C::kCheckSite}},
      {"page",
       "FILE",
       "a saved page read in place of the next fetch: search page, then result page (repeatable)",
       {C::kCheckSite}},
      {"owner", "T", "the collection's owner", {C::kCollection}},
      {"title", "T", "the collection's title", {C::kCollection}},
      {"currency", "T", "the currency of prices (default \xE2\x82\xAC)", {C::kCollection}},
      {"picture-dir",
       "CATEGORY=DIR",
       "where a category's pictures go (default pictures/CATEGORY beside the collection, which "
       "an empty DIR goes back to)",
       {C::kCollection}},
      {"code-list",
       "NAME=LIST",
       "one of a category's code lists, names separated by |",
       {C::kCollection}},
      {"proxy", "HOST:PORT", "the proxy the filters use; \"\" for none", {C::kCollection}},
      {"proxy-user", "U", "the proxy's user name", {C::kCollection}},
      {"proxy-password", "P", "the proxy's password", {C::kCollection}},
  };
  return specs;
}

const char* CommandWord(CommandName name) {
  switch (name) {
    case CommandName::kHelp:
      return "help";
    case CommandName::kVersion:
      return "--version";
    case CommandName::kInfo:
      return "info";
    case CommandName::kConfigure:
      return "configure";
    case CommandName::kImport:
      return "import";
    case CommandName::kExport:
      return "export";
    case CommandName::kList:
      return "list";
    case CommandName::kRuns:
      return "runs";
    case CommandName::kUndo:
      return "undo";
    case CommandName::kRemove:
      return "remove";
    case CommandName::kCollection:
      return "collection";
    case CommandName::kCheckSite:
      return "check-site";
  }
  return "";
}

std::optional<CommandName> CommandOfWord(std::string_view word) {
  for (CommandName name : {CommandName::kInfo, CommandName::kConfigure, CommandName::kImport,
                           CommandName::kExport, CommandName::kList, CommandName::kRuns,
                           CommandName::kUndo, CommandName::kRemove, CommandName::kCollection,
                           CommandName::kCheckSite}) {
    if (word == CommandWord(name)) return name;
  }
  return std::nullopt;
}

namespace {

using C = CommandName;

bool Fail(std::string& error, std::string text) {
  error = std::move(text);
  return false;
}

std::optional<CommandName> ParseCommandName(std::string_view word) {
  if (word == "help" || word == "--help" || word == "-h") return C::kHelp;
  if (word == "--version") return C::kVersion;
  return CommandOfWord(word);
}

bool Allowed(const OptionSpec& option, CommandName command) {
  for (CommandName c : option.commands) {
    if (c == command) return true;
  }
  return false;
}

// "NAME=VALUE" with a non-empty name.
bool SplitAssignment(const std::string& text, std::string& name, std::string& value) {
  const size_t equals = text.find('=');
  if (equals == std::string::npos || equals == 0) return false;
  name = text.substr(0, equals);
  value = text.substr(equals + 1);
  return true;
}

std::optional<uint16_t> ParsePort(const std::string& text) {
  if (text.empty() || text.size() > 5) return std::nullopt;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  const long port = std::strtol(text.c_str(), nullptr, 10);
  if (port < 1 || port > 65535) return std::nullopt;
  return static_cast<uint16_t>(port);
}

// Applies one option with its value; false with `error` set when the value is not acceptable.
bool ApplyOption(Command& command, const std::string& name, const std::string& value,
                 std::string& error) {
  if (name == "collection") {
    if (value.empty()) return Fail(error, "--collection needs a path");
    command.collection = value;
  } else if (name == "answers") {
    if (value.empty()) return Fail(error, "--answers needs a file");
    command.answers = value;
  } else if (name == "trace") {
    command.trace = true;
  } else if (name == "dialog") {
    command.dialog = true;
  } else if (name == "show") {
    command.show = true;
  } else if (name == "keep-duplicates") {
    command.keepDuplicates = true;
  } else if (name == "yes") {
    command.yes = true;
  } else if (name == "json") {
    command.json = true;
  } else if (name == "keywords") {
    command.keywords = value;
  } else if (name == "page") {
    if (value.empty()) return Fail(error, "--page needs a file");
    command.pages.push_back(value);
  } else if (name == "set") {
    std::string key, text;
    if (!SplitAssignment(value, key, text)) return Fail(error, "--set needs KEY=VALUE");
    command.sets.emplace_back(key, text);
  } else if (name == "category") {
    command.category = ParseCategory(value);
    if (!command.category) return Fail(error, "unknown category " + value);
  } else if (name == "owner") {
    command.owner = value;
  } else if (name == "title") {
    command.title = value;
  } else if (name == "currency") {
    command.currency = value;
  } else if (name == "picture-dir") {
    std::string category, folder;
    if (!SplitAssignment(value, category, folder)) {
      return Fail(error, "--picture-dir needs CATEGORY=DIR");
    }
    const std::optional<int> parsed = ParseCategory(category);
    if (!parsed) return Fail(error, "unknown category " + category);
    command.pictureDirs.emplace_back(*parsed, folder);
  } else if (name == "code-list") {
    std::string listName, list;
    if (!SplitAssignment(value, listName, list)) {
      return Fail(error, "--code-list needs NAME=LIST");
    }
    CodeListSetting setting;
    // "format1" means the video list; "audio.sound" names the category.
    const size_t dot = listName.find('.');
    if (dot != std::string::npos) {
      const std::optional<int> category = ParseCategory(listName.substr(0, dot));
      if (!category) return Fail(error, "unknown category in " + listName);
      setting.category = *category;
      listName = listName.substr(dot + 1);
    }
    const std::optional<CodeList> which = ParseCodeListName(listName);
    if (!which) return Fail(error, "unknown code list " + listName + " (format1, sound, format2)");
    setting.list = *which;
    setting.value = list;
    command.codeLists.push_back(std::move(setting));
  } else if (name == "proxy" && value.empty()) {
    command.proxyHost = "";  // no proxy
    command.proxyPort = 0;
  } else if (name == "proxy") {
    const size_t colon = value.rfind(':');
    std::optional<uint16_t> port;
    if (colon != std::string::npos && colon > 0) port = ParsePort(value.substr(colon + 1));
    if (!port) return Fail(error, "--proxy needs HOST:PORT with a port from 1 to 65535");
    command.proxyHost = value.substr(0, colon);
    command.proxyPort = port;
  } else if (name == "proxy-user") {
    command.proxyUser = value;
  } else if (name == "proxy-password") {
    command.proxyPassword = value;
  }
  return true;
}

// Item or run numbers: whole numbers from 1.
bool ParseNumbers(Command& command, const std::vector<std::string>& operands, const char* what,
                  std::string& error) {
  for (const std::string& operand : operands) {
    bool digits = !operand.empty() && operand.size() <= 18 && operand[0] != '0';
    for (const char c : operand) digits = digits && c >= '0' && c <= '9';
    if (!digits) return Fail(error, "not " + std::string(what) + ": " + operand);
    command.numbers.push_back(std::strtoll(operand.c_str(), nullptr, 10));
  }
  return true;
}

bool CheckOperands(Command& command, const std::vector<std::string>& operands, std::string& error) {
  size_t least = 0, most = 0;
  switch (command.name) {
    case C::kUndo:
      if (operands.size() > 1) return Fail(error, "unexpected argument " + operands[1]);
      return ParseNumbers(command, operands, "a run number", error);
    case C::kRemove:
      if (operands.empty()) return Fail(error, "remove needs the numbers of the items");
      return ParseNumbers(command, operands, "an item number", error);
    case C::kHelp:
      // "help COMMAND"
      if (operands.size() > 1) return Fail(error, "unexpected argument " + operands[1]);
      if (operands.empty()) return true;
      command.helpTopic = CommandOfWord(operands[0]);
      return command.helpTopic || Fail(error, "unknown command " + operands[0]);
    case C::kVersion:
      break;
    case C::kInfo:
    case C::kConfigure:
    case C::kCheckSite:
      least = most = 1;
      break;
    case C::kImport:
      least = 1, most = 2;
      break;
    case C::kExport:
      least = most = 2;
      break;
    case C::kList:
    case C::kRuns:
    case C::kCollection:
      break;
  }
  if (operands.size() < least) {
    error = command.name == C::kExport && operands.size() == 1 ? "export needs an OUTPUT file"
                                                               : "missing FILTER";
    return false;
  }
  if (operands.size() > most) {
    error = "unexpected argument " + operands[most];
    return false;
  }
  if (!operands.empty()) command.filter = operands[0];
  if (operands.size() > 1) command.path = operands[1];
  if (command.filter.empty() && least > 0) return Fail(error, "missing FILTER");
  if (command.name == C::kExport && command.path.empty()) {
    return Fail(error, "export needs an OUTPUT file");
  }
  return true;
}

}  // namespace

std::optional<Command> ParseCommandLine(const std::vector<std::string>& args, std::string& error) {
  if (args.empty()) {
    error = "missing command";
    return std::nullopt;
  }
  const std::optional<CommandName> name = ParseCommandName(args[0]);
  if (!name) {
    error = "unknown command " + args[0];
    return std::nullopt;
  }
  Command command;
  command.name = *name;
  // COMMAND --help describes that command, whatever else the line holds.
  for (size_t i = 1; i < args.size() && args[i] != "--"; ++i) {
    if (args[i] != "--help") continue;
    if (command.name != C::kHelp && command.name != C::kVersion) command.helpTopic = command.name;
    command.name = C::kHelp;
    return command;
  }
  std::vector<std::string> operands;
  bool optionsEnded = false;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      operands.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    std::string optionName = arg.substr(2);
    std::optional<std::string> inlineValue;
    if (const size_t equals = optionName.find('='); equals != std::string::npos) {
      inlineValue = optionName.substr(equals + 1);
      optionName.resize(equals);
    }
    const OptionSpec* option = nullptr;
    for (const OptionSpec& candidate : OptionSpecs()) {
      if (optionName == candidate.name) option = &candidate;
    }
    if (!option || !Allowed(*option, command.name)) {
      error = "unknown option " + arg + " for " + args[0];
      return std::nullopt;
    }
    std::string value;
    if (*option->value) {
      if (inlineValue) {
        value = *inlineValue;
      } else if (i + 1 < args.size()) {
        value = args[++i];
      } else {
        error = arg + " needs a value";
        return std::nullopt;
      }
    } else if (inlineValue) {
      error = "--" + optionName + " takes no value";
      return std::nullopt;
    }
    if (!ApplyOption(command, optionName, value, error)) return std::nullopt;
  }
  if (!CheckOperands(command, operands, error)) return std::nullopt;
  if (command.proxyHost && command.proxyHost->empty() &&
      (command.proxyUser || command.proxyPassword)) {
    error = "--proxy \"\" removes the proxy: it takes no --proxy-user or --proxy-password";
    return std::nullopt;
  }
  return command;
}

}  // namespace orv::host
