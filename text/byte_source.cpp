#include "text/byte_source.h"

#include <algorithm>

namespace orv::text {

bool MemorySource::ReadAt(uint64_t offset, size_t count, std::string& out) {
  out.clear();
  if (offset >= bytes_.size()) return true;
  const size_t start = static_cast<size_t>(offset);
  out.assign(bytes_.substr(start, std::min(count, bytes_.size() - start)));
  return true;
}

bool MemorySource::ViewAt(uint64_t offset, size_t count, std::string_view& bytes) {
  bytes = offset >= bytes_.size() ? std::string_view()
                                  : bytes_.substr(static_cast<size_t>(offset), count);
  return true;
}

}  // namespace orv::text
