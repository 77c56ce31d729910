// A host item for targets that drive a reader filling a MediaItem: its texts are released when
// the input is done, so a run shows no leak of its own.
#ifndef ORV_FUZZ_FUZZ_ITEM_H
#define ORV_FUZZ_FUZZ_ITEM_H

#include "contract/abi.h"
#include "contract/host_string.h"

namespace orv::fuzz {

class FuzzItem {
 public:
  FuzzItem() = default;
  ~FuzzItem() {
    for (HostString* field : {&item_.title, &item_.type, &item_.editor, &item_.author,
                              &item_.coauthor, &item_.lang, &item_.custom1, &item_.custom2,
                              &item_.custom3, &item_.comment, &item_.image, &item_.lendname}) {
      hs_release(*field);
    }
  }
  FuzzItem(const FuzzItem&) = delete;
  FuzzItem& operator=(const FuzzItem&) = delete;

  MediaItem& operator*() { return item_; }

 private:
  MediaItem item_{};
};

}  // namespace orv::fuzz

#endif  // ORV_FUZZ_FUZZ_ITEM_H
