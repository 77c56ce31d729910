// The commands of orvhost, each returning the process's exit status.
#ifndef ORV_HOST_COMMANDS_H
#define ORV_HOST_COMMANDS_H

#include <memory>
#include <string>

#include "host/collection.h"
#include "host/command_line.h"
#include "host/filter_library.h"

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

// What an import or export run needs before its first call into the filter.
struct RunContext {
  FilterLibrary library;
  std::string databasePath;
  std::unique_ptr<Collection> collection;
};

// Loads the filter (first: a wrong filter leaves no collection file behind), opens or creates
// the collection and passes on --answers. Returns kExitOk, or the failure status after saying
// why on stderr.
int OpenRunContext(const Command& command, RunContext& context);

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
