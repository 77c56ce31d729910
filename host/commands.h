// The commands of orvhost, each returning the process's exit status.
#ifndef ORV_HOST_COMMANDS_H
#define ORV_HOST_COMMANDS_H

#include <string>

#include "host/command_line.h"

namespace orv::host {

enum ExitStatus : int {
  kExitOk = 0,
  kExitOpenFailed = 1,   // the filter's Open gave 0
  kExitUsage = 2,        // the command line is wrong
  kExitUnavailable = 3,  // the collection or the filter library cannot be opened
};

// One line "orvhost: message" on stderr; returns `status`.
int Fail(int status, const std::string& message);

// --collection, else the default place.
std::string CollectionPathOf(const Command& command);

// --answers: handed to the filter's dialogs through $ORVHOST_ANSWERS.
bool ApplyAnswersFile(const Command& command);

// An absolute, normalised form of a path given on the command line.
std::string AbsolutePath(const std::string& path);

int RunInfo(const Command& command);
int RunConfigure(const Command& command);
int RunImport(const Command& command);
int RunExport(const Command& command);
int RunList(const Command& command);
int RunCollection(const Command& command);

}  // namespace orv::host

#endif  // ORV_HOST_COMMANDS_H
