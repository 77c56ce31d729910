// A MemorySource that counts what a reader asks of it, to check that readers read only the
// bytes they need.
#ifndef ORV_TESTS_BUILDERS_COUNTING_SOURCE_H
#define ORV_TESTS_BUILDERS_COUNTING_SOURCE_H

#include <string>

#include "text/byte_source.h"

namespace orv::testing {

class CountingSource : public text::MemorySource {
 public:
  explicit CountingSource(std::string_view bytes) : MemorySource(bytes) {}
  bool ReadAt(uint64_t offset, size_t count, std::string& out) override {
    const bool ok = MemorySource::ReadAt(offset, count, out);
    bytesRead += out.size();
    ++reads;
    return ok;
  }
  // Everything goes through ReadAt, so that it is counted.
  bool ViewAt(uint64_t, size_t, std::string_view&) override { return false; }
  size_t bytesRead = 0;
  size_t reads = 0;
};

}  // namespace orv::testing

#endif  // ORV_TESTS_BUILDERS_COUNTING_SOURCE_H
