#include "host/filter/filter_run.h"

#include <cstdio>
#include <cstring>

#include "host/filter/item_conversion.h"
#include "host/filter/progress.h"
#include "platform/interrupt.h"

namespace orv::host {

int32_t FilterRun::Configure(int32_t showDialog) {
  const int32_t result = functions_.Configure(kProfileName, kRegistryKey, showDialog);
  transcript_.Configure(result);
  return result;
}

FilterInfo FilterRun::GetInfo() {
  FilterInfo info;
  std::memset(&info, 0, sizeof info);
  functions_.GetInfo(&info);
  transcript_.GetInfo(info);
  return info;
}

RunOutcome FilterRun::Run(const std::string& path, HostDocument* document, ItemList* items,
                          const ItemSink& sink) {
  const int32_t opened = functions_.Open(path.c_str(), document, items);
  transcript_.Open(path, opened);
  if (opened == 0) return RunOutcome::kOpenFailed;

  RunOutcome outcome = RunOutcome::kDone;
  {
    Progress progress;
    const int32_t count = functions_.GetCount();
    transcript_.GetCount(count);
    progress.SetTotal(count);
    // No bound on the number of calls: an import may be long, and the filter decides its end.
    for (;;) {
      // Checked between calls: the call under way ends as the filter makes it, and its item is
      // kept.
      if (platform::InterruptRequested()) {
        outcome = RunOutcome::kInterrupted;
        break;
      }
      MediaItem item;
      if (!MakeFreshItem(item)) {
        std::fprintf(stderr, "orvhost: out of memory making an item record\n");
        outcome = RunOutcome::kStopped;
        break;
      }
      int32_t itemKind = 0;
      const int32_t result = functions_.ProcessItem(&item, &itemKind);
      progress.Step();
      if (result == 1) {
        const StoredItem stored = FromMediaItem(item, itemKind);
        ReleaseItemTexts(item);
        transcript_.ProcessItem(result, itemKind, &stored);
        ++produced_;
        if (!sink(stored)) {
          outcome = RunOutcome::kStopped;
          break;
        }
        continue;
      }
      // The filter may have assigned texts before giving up on this call.
      ReleaseItemTexts(item);
      transcript_.ProcessItem(result, itemKind, nullptr);
      if (result == 0) {
        ++empty_;
        continue;
      }
      if (result != -1) {
        std::fprintf(stderr, "orvhost: ProcessItem returned %d; the run ends there\n",
                     static_cast<int>(result));
      }
      break;
    }
  }
  transcript_.Close(functions_.Close());
  return outcome;
}

}  // namespace orv::host
