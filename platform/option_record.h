// Which options a filter reads: how orvhost lists a filter's options with their kinds and
// defaults, and refuses keys the filter does not know, without any change to the contract
// between host and filter.
//
// The host runs the filter's Configure, without its dialog, inside RecordOptionReads. Loading an
// option table (LoadOptions) notes every option with its kind and its default through
// NoteOptionReads: defaults are known only there, never in the raw profile reads. The host and
// each filter library are separate modules, each with its own copy of this code, so the record
// is kept in what they all share, the process environment (ORVHOST_OPTION_READS): the host puts
// the profile location it asks about in the first line, and each module appends the options
// read from that location, in the registry-text form of the Linux profile store. Any filter
// built on the option tables is recorded without doing anything for it.
//
// The Windows build keeps no record of the reads: RecordOptionReads gives nothing there.
//
// Meanings: while a record of meanings runs, a filter notes what each option means in its own
// options dialog (the label of its control, or of the value chosen). That record is kept in
// ORVHOST_OPTION_MEANINGS in the same way, and in both builds: a line per option, "name<TAB>
// meaning", in the user's code page.
#ifndef ORV_PLATFORM_OPTION_RECORD_H
#define ORV_PLATFORM_OPTION_RECORD_H

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/profile.h"

namespace orv::platform {

// Called with every option of a table just loaded from `where`: name, kind and default value.
// Does nothing unless a record of that location is running.
void NoteOptionReads(const ProfileLocation& where, const std::vector<ProfileValue>& defaults);

// Runs `run` while recording the options read from `where`. The options noted, each once, in
// the order first read (a value holds the option's kind and default); nothing when this build
// cannot record.
std::optional<std::vector<ProfileValue>> RecordOptionReads(const ProfileLocation& where,
                                                           const std::function<void()>& run);

// The record's first line for `where`: key paths and sections ignore case.
std::string OptionRecordHeader(const ProfileLocation& where);

struct OptionMeaning {
  std::string name;
  std::string meaning;  // user's code page
};

// True while a record of meanings of `where` runs: a filter computes its meanings then only.
bool OptionMeaningsWanted(const ProfileLocation& where);
// Notes meanings of options of `where`; an option noted before keeps its first meaning.
void NoteOptionMeanings(const ProfileLocation& where, const std::vector<OptionMeaning>& meanings);
// Runs `run` while recording the meanings noted for `where`, in the order noted.
std::vector<OptionMeaning> RecordOptionMeanings(const ProfileLocation& where,
                                                const std::function<void()>& run);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_OPTION_RECORD_H
