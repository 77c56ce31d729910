// The HostDocument handed to Open, built from the collection's settings for the filter's
// category. It owns the texts it hands out and releases them when it goes.
#ifndef ORV_HOST_HOST_DOCUMENT_H
#define ORV_HOST_HOST_DOCUMENT_H

#include <array>
#include <string>

#include "contract/abi.h"
#include "host/collection/collection_settings.h"

namespace orv::host {

class HostDocumentHolder {
 public:
  // Picture folders that are missing are created (a filter copying a picture needs them).
  HostDocumentHolder(const CollectionSettings& settings, const std::string& databasePath,
                     int category);
  ~HostDocumentHolder();
  HostDocumentHolder(const HostDocumentHolder&) = delete;
  HostDocumentHolder& operator=(const HostDocumentHolder&) = delete;

  HostDocument* get() { return &document_; }

 private:
  HostDocument document_{};
  std::array<HostString, kCategoryCount + 1> pictureDirs_{};
  std::array<HostString, 3> codeLists_{};
};

}  // namespace orv::host

#endif  // ORV_HOST_HOST_DOCUMENT_H
