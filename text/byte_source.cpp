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

}  // namespace orv::text
