#include "platform/file_source.h"

#include <algorithm>

namespace orv::platform {

bool FileSource::HeadHolds(uint64_t offset, size_t count) {
  if (handle_ == -1 || offset >= kHeadBytes) return false;
  if (!headRead_) {
    headRead_ = true;
    if (!ReadDirect(0, static_cast<size_t>(std::min<uint64_t>(size_, kHeadBytes)), head_)) {
      head_.clear();
      return false;
    }
  }
  // Held when the bytes lie in the head, or the head is the whole file (a short piece at its end).
  return count <= head_.size() - std::min<uint64_t>(offset, head_.size()) ||
         head_.size() == size_;
}

bool FileSource::ViewAt(uint64_t offset, size_t count, std::string_view& bytes) {
  if (!HeadHolds(offset, count)) return false;
  bytes = offset >= head_.size() ? std::string_view()
                                 : std::string_view(head_).substr(static_cast<size_t>(offset), count);
  return true;
}

bool FileSource::ReadAt(uint64_t offset, size_t count, std::string& out) {
  std::string_view held;
  if (ViewAt(offset, count, held)) {
    out.assign(held);
    return true;
  }
  return ReadDirect(offset, count, out);
}

}  // namespace orv::platform
