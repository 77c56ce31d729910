// orvhost: the stand-in host that loads a filter library, drives it in the host's calling order
// and keeps the collection.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "host/commands/command_line.h"
#include "host/commands/commands.h"

namespace {

int Dispatch(const orv::host::Command& command) {
  using namespace orv::host;
  switch (command.name) {
    case CommandName::kHelp: {
      const std::string text = command.helpTopic ? CommandHelp(*command.helpTopic) : UsageText();
      std::fputs(text.c_str(), stdout);
      return kExitOk;
    }
    case CommandName::kVersion:
      std::fputs(VersionText().c_str(), stdout);
      return kExitOk;
    case CommandName::kInfo:
      return RunInfo(command);
    case CommandName::kConfigure:
      return RunConfigure(command);
    case CommandName::kImport:
      return RunImport(command);
    case CommandName::kExport:
      return RunExport(command);
    case CommandName::kList:
      return RunList(command);
    case CommandName::kRuns:
      return RunRuns(command);
    case CommandName::kUndo:
      return RunUndo(command);
    case CommandName::kRemove:
      return RunRemove(command);
    case CommandName::kCollection:
      return RunCollection(command);
    case CommandName::kCheckSite:
      return RunCheckSite(command);
  }
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace orv::host;
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const std::optional<Command> command = ParseCommandLine(args, error);
    if (!command) return Fail(kExitUsage, error + " (orvhost --help lists the commands)");
    return Dispatch(*command);
  } catch (const std::exception& e) {
    // Out of memory or a file system failure: still one line, never an abort.
    return Fail(kExitUnavailable, e.what());
  }
}
