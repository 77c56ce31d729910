// The calling order every run follows: Configure, GetInfo, then Open with the path, the
// HostDocument and the ItemList; stop when Open gives 0; else GetCount once, ProcessItem with a
// fresh record each time until -1, and Close.
#ifndef ORV_HOST_FILTER_RUN_H
#define ORV_HOST_FILTER_RUN_H

#include <cstdint>
#include <functional>
#include <string>

#include "contract/abi.h"
#include "host/collection/stored_item.h"
#include "host/filter/transcript.h"

namespace orv::host {

// The profile the options of every filter live in: Software\Kelvard\Orvella Premium\<filter>.
constexpr const char* kRegistryKey = "Kelvard";
constexpr const char* kProfileName = "Orvella Premium";

// Takes each produced item (result 1); false stops the run (the reason is the sink's to tell).
using ItemSink = std::function<bool(const StoredItem& item)>;

enum class RunOutcome {
  kDone,        // ProcessItem said -1 (or gave a result outside the contract), Close called
  kOpenFailed,  // Open gave 0: nothing else was called
  kStopped,     // the sink refused an item, or a record could not be made; Close called
  kInterrupted,  // Ctrl-C or a termination request came; the call under way ended, Close called
};

class FilterRun {
 public:
  FilterRun(const FilterFunctions& functions, Transcript& transcript)
      : functions_(functions), transcript_(transcript) {}

  int32_t Configure(int32_t showDialog);
  FilterInfo GetInfo();
  RunOutcome Run(const std::string& path, HostDocument* document, ItemList* items,
                 const ItemSink& sink);

  int64_t produced() const { return produced_; }
  int64_t empty() const { return empty_; }  // ProcessItem calls that gave 0

 private:
  const FilterFunctions& functions_;
  Transcript& transcript_;
  int64_t produced_ = 0;
  int64_t empty_ = 0;
};

}  // namespace orv::host

#endif  // ORV_HOST_FILTER_RUN_H
