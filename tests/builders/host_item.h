// A MediaItem whose host strings are released with it, for tests and fuzz targets that drive a
// reader filling an item.
#ifndef ORV_TESTS_BUILDERS_HOST_ITEM_H
#define ORV_TESTS_BUILDERS_HOST_ITEM_H

#include "contract/abi.h"
#include "contract/host_string.h"

namespace orv::testing {

class HostItem {
 public:
  HostItem() = default;
  ~HostItem() {
    for (HostString* field : {&item_.title, &item_.type, &item_.editor, &item_.author,
                              &item_.coauthor, &item_.lang, &item_.custom1, &item_.custom2,
                              &item_.custom3, &item_.comment, &item_.image, &item_.lendname}) {
      hs_release(*field);
    }
  }
  HostItem(const HostItem&) = delete;
  HostItem& operator=(const HostItem&) = delete;

  MediaItem& operator*() { return item_; }
  MediaItem* operator->() { return &item_; }

 private:
  MediaItem item_{};
};

}  // namespace orv::testing

#endif  // ORV_TESTS_BUILDERS_HOST_ITEM_H
