#include "text/buffered_reader.h"

#include <algorithm>

namespace orv::text {

bool BufferedReader::Fill(uint64_t offset, size_t count) {
  if (failed_) return false;
  const uint64_t end = windowStart_ + window_.size();
  if (offset >= windowStart_ && offset <= end) {
    // Enough in the window, or the window already reaches the end of the source.
    if (count <= end - offset || end >= source_.Size()) return true;
  }
  if (!source_.ReadAt(offset, std::max(count, windowSize_), window_)) {
    failed_ = true;
    window_.clear();
    return false;
  }
  windowStart_ = offset;
  return true;
}

bool BufferedReader::ViewUpTo(uint64_t offset, size_t count, std::string_view& bytes) {
  if (!failed_ && source_.ViewAt(offset, count, bytes)) return true;  // no copy needed
  if (!Fill(offset, count)) return false;
  const uint64_t end = windowStart_ + window_.size();
  if (offset < windowStart_ || offset > end) {
    bytes = std::string_view();
    return true;
  }
  const size_t at = static_cast<size_t>(offset - windowStart_);
  bytes = std::string_view(window_).substr(at, std::min(count, window_.size() - at));
  return true;
}

bool BufferedReader::View(uint64_t offset, size_t count, std::string_view& bytes) {
  return ViewUpTo(offset, count, bytes) && bytes.size() == count;
}

}  // namespace orv::text
