// Reads pieces of a ByteSource through one window of bytes, so that a reader walking many small
// headers (music frames, picture segments) makes few reads of the file and never loads it
// whole: a piece already in the window costs nothing, any other piece refills the window from
// the piece's start. Pieces the source holds in memory are looked at where they are.
#ifndef ORV_TEXT_BUFFERED_READER_H
#define ORV_TEXT_BUFFERED_READER_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/byte_source.h"

namespace orv::text {

class BufferedReader {
 public:
  explicit BufferedReader(ByteSource& source, size_t windowSize = 32 * 1024)
      : source_(source), windowSize_(windowSize == 0 ? 1 : windowSize) {}

  uint64_t Size() const { return source_.Size(); }

  // The `count` bytes at `offset`, valid until the next call. False when the source ends before
  // them or cannot be read.
  bool View(uint64_t offset, size_t count, std::string_view& bytes);

  // As many of those bytes as there are (fewer at the end of the source).
  bool ViewUpTo(uint64_t offset, size_t count, std::string_view& bytes);

 private:
  bool Fill(uint64_t offset, size_t count);

  ByteSource& source_;
  size_t windowSize_;
  std::string window_;
  uint64_t windowStart_ = 0;
  bool failed_ = false;
};

}  // namespace orv::text

#endif  // ORV_TEXT_BUFFERED_READER_H
