// The commands of orvhost, each returning the process's exit status.
#ifndef ORV_HOST_COMMANDS_H
#define ORV_HOST_COMMANDS_H

#include <memory>
#include <string>

#include "host/collection/collection.h"
#include "host/commands/command_line.h"
#include "host/filter/filter_library.h"

namespace orv::host {

enum ExitStatus : int {
  kExitOk = 0,
  kExitOpenFailed = 1,   // the filter's Open gave 0
  kExitUsage = 2,        // the command line is wrong
  kExitUnavailable = 3,  // the collection or the filter library cannot be opened
  kExitInterrupted = 130,  // Ctrl-C or a termination request ended the run
};

// One line "orvhost: message" on stderr; returns `status`.
int Fail(int status, const std::string& message);

// --collection, else the default place.
std::string CollectionPathOf(const Command& command);

// --answers: handed to the filter's dialogs through $ORVHOST_ANSWERS.
bool ApplyAnswersFile(const Command& command);

// Opens the collection a command works on (--collection, else the default one). The folder of a
// collection named on the command line must exist: a mistyped path creates nothing. The default
// collection's folder is made on first use. With kReadOnly a missing collection is no error:
// `collection` stays null (it has no items, its settings are the defaults). Returns kExitOk, or
// the failure status after saying why on stderr.
int OpenCommandCollection(const Command& command, OpenMode mode, std::string& path,
                          std::unique_ptr<Collection>& collection);

// What an import or export run needs before its first call into the filter.
struct RunContext {
  FilterLibrary library;
  std::string databasePath;
  std::unique_ptr<Collection> collection;  // null: read-only, and there is none yet
};

// Loads the filter (first: a wrong filter leaves no collection file behind), opens the
// collection in `mode` and passes on --answers. Returns kExitOk, or the failure status after
// saying why on stderr.
int OpenRunContext(const Command& command, OpenMode mode, RunContext& context);

// The width tables are fitted to: the terminal's; else $COLUMNS, as shells set it; else the
// classic 80.
size_t OutputWidth();

// An absolute, normalised form of a path given on the command line.
std::string AbsolutePath(const std::string& path);

int RunInfo(const Command& command);
int RunConfigure(const Command& command);
int RunImport(const Command& command);
int RunExport(const Command& command);
int RunList(const Command& command);
int RunRuns(const Command& command);
int RunUndo(const Command& command);
int RunRemove(const Command& command);
int RunCollection(const Command& command);
int RunCheckSite(const Command& command);

}  // namespace orv::host

#endif  // ORV_HOST_COMMANDS_H
