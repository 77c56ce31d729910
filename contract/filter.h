// A filter is a class with the six operations and its module-wide state. ORV_EXPORT_FILTER turns
// it into the library's one export, GetFunctionInfo, and the operation table.
//
// The glue guarantees for every filter: itemKind is 0 on entry of ProcessItem, and no C++
// exception crosses the boundary (an escaped exception becomes the failure result of that
// operation: 0, or for ProcessItem 0 and then -1 once failures repeat, so a run always ends).
#ifndef ORV_CONTRACT_FILTER_H
#define ORV_CONTRACT_FILTER_H

#include <cstdint>
#include <memory>
#include <string>

#include "contract/abi.h"
#include "contract/options.h"
#include "platform/profile.h"
#include "platform/ui.h"

namespace orv {

// Resource ids shared by every filter.
enum : int {
  kStringFileMask = 1,
  kStringDescription = 2,
  kStringFilterName = 4,
  kStringSection = 5,
  kIconFilter = 130,
  kDialogOptions = 129,
};

class Filter {
 public:
  virtual ~Filter() = default;

  // Binds the option store to the host's profile (section: string 5), loads every option with
  // its default, and when asked shows the options dialog: OK writes every option and gives 1,
  // Cancel writes nothing, restores the loaded values and gives 0.
  virtual int32_t Configure(const char* profileName, const char* registryKey, int32_t showDialog);
  // Strings 1, 2, 4, icon 130 and the interface tag, then Describe for the rest.
  virtual int32_t GetInfo(FilterInfo& info);
  virtual int32_t Open(const char* path, HostDocument* document, ItemList* items) = 0;
  virtual int32_t Close() = 0;
  virtual int32_t GetCount() = 0;
  // itemKind is already 0.
  virtual int32_t ProcessItem(MediaItem& item, int32_t& itemKind) = 0;

  const platform::ProfileLocation& OptionStore() const { return store_; }
  // For a host that asks what the options mean (platform/option_record.h): the options dialog
  // is initialised without being shown and each option's meaning noted.
  void NoteMeanings();

 protected:
  // category, sourceKind, isExport.
  virtual void Describe(FilterInfo& info) = 0;
  virtual OptionTable& Options() = 0;
  virtual std::unique_ptr<ui::DialogLogic> MakeOptionsDialog();

 private:
  platform::ProfileLocation store_;
};

// Copies text into a fixed field, truncated so that the terminating zero always fits.
void CopyFixedText(char* field, size_t fieldSize, const std::string& text);

template <class F>
class FilterExports {
 public:
  static int32_t Fill(FilterFunctions* table) {
    if (!table) return 0;
    table->Configure = &Configure;
    table->GetInfo = &GetInfo;
    table->Open = &Open;
    table->Close = &Close;
    table->GetCount = &GetCount;
    table->ProcessItem = &ProcessItem;
    return 1;
  }

  static F& Instance() {
    static F filter;  // module-wide state: lives as long as the library is loaded
    return filter;
  }

 private:
  template <class Call>
  static int32_t Guard(int32_t failure, Call&& call) noexcept {
    try {
      return call();
    } catch (...) {
      return failure;
    }
  }

  static int32_t ORV_CALL Configure(const char* profileName, const char* registryKey,
                                    int32_t showDialog) {
    return Guard(0, [&] { return Instance().Configure(profileName, registryKey, showDialog); });
  }
  static int32_t ORV_CALL GetInfo(FilterInfo* info) {
    if (!info) return 0;
    return Guard(0, [&] { return Instance().GetInfo(*info); });
  }
  static int32_t ORV_CALL Open(const char* path, HostDocument* document, ItemList* items) {
    return Guard(0, [&] { return Instance().Open(path ? path : "", document, items); });
  }
  static int32_t ORV_CALL Close() {
    return Guard(1, [&] { return Instance().Close(); });
  }
  static int32_t ORV_CALL GetCount() {
    return Guard(0, [&] { return Instance().GetCount(); });
  }
  static int32_t ORV_CALL ProcessItem(MediaItem* item, int32_t* itemKind) {
    // Consecutive escaped failures end the run rather than looping for ever.
    static int failuresInARow = 0;
    constexpr int kMaxFailuresInARow = 16;
    int32_t ignoredKind = 0;
    int32_t& kind = itemKind ? *itemKind : ignoredKind;
    kind = 0;
    if (!item) return -1;
    try {
      const int32_t result = Instance().ProcessItem(*item, kind);
      failuresInARow = 0;
      return result;
    } catch (...) {
    }
    kind = 0;
    return ++failuresInARow >= kMaxFailuresInARow ? -1 : 0;
  }
};

}  // namespace orv

// Defines the library's one export for filter class F.
#define ORV_EXPORT_FILTER(F)                                                          \
  extern "C" ORV_EXPORT int32_t ORV_CALL GetFunctionInfo(FilterFunctions* table) {   \
    return ::orv::FilterExports<F>::Fill(table);                                      \
  }

#endif  // ORV_CONTRACT_FILTER_H
