// A filter's options as orvhost shows and checks them: the options the filter reads (recorded
// while its Configure runs without the dialog, see platform/option_record.h), each with its
// kind and default, beside the values its profile section stores.
#ifndef ORV_HOST_FILTER_OPTIONS_H
#define ORV_HOST_FILTER_OPTIONS_H

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/profile.h"

namespace orv::host {

struct FilterOption {
  std::string name;                  // the filter's spelling, else the stored one
  bool read = false;                 // the filter reads it: the default below is known
  platform::ProfileValue byDefault;  // kind and default value
  std::optional<platform::ProfileValue> stored;
  std::string meaning;  // UTF-8: what the option means in the filter's dialog, "" unknown
};

struct FilterOptions {
  bool recorded = false;  // false: this build cannot learn what the filter reads
  // The options read, in the filter's order, then the stored values it does not read.
  std::vector<FilterOption> options;
};

// Runs `configure` (the filter's Configure without its dialog) while recording the options read
// from `where` and what the filter says they mean, and joins what `where` stores.
FilterOptions DiscoverOptions(const platform::ProfileLocation& where,
                              const std::function<void()>& configure);

// `configure --show`: a table of key, kind, default, stored value ("-" when none) and meaning,
// texts quoted with their control characters escaped.
std::string OptionsListing(const FilterOptions& options);

// "Count, Category, Prefix": the keys of the options read ("" when none or unknown).
std::string OptionKeys(const FilterOptions& options);

// The values `--set` stores. With a record, every key must be one the filter reads, and an
// integer option's text must be a whole 32-bit integer (stored as a number); without one, every
// value is stored as text. False with one line in `error`: nothing is to be written then.
bool PrepareSets(const FilterOptions& options,
                 const std::vector<std::pair<std::string, std::string>>& sets,
                 const std::string& filter, std::vector<platform::ProfileValue>& values,
                 std::string& error);

// A whole decimal integer of 32 bits, blanks around it allowed; nothing for anything else.
std::optional<int32_t> WholeInteger(std::string_view text);

}  // namespace orv::host

#endif  // ORV_HOST_FILTER_OPTIONS_H
