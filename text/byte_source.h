// Random access to bytes that may be too large to hold whole: a file on disk, or a buffer in
// memory for tests and fuzzers. Readers that need pieces from far apart in a file (sector
// chains, resource sections, the tail of a music file) take a ByteSource, read each piece they
// need, and decode it with a ByteCursor.
#ifndef ORV_TEXT_BYTE_SOURCE_H
#define ORV_TEXT_BYTE_SOURCE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv::text {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t Size() const = 0;
  // Up to `count` bytes from `offset` into `out` (replaced); fewer at the end of the source,
  // none past it. False on a read error.
  virtual bool ReadAt(uint64_t offset, size_t count, std::string& out) = 0;

  // Up to `count` bytes from `offset` without a copy, when the source holds them in memory
  // (fewer at the end of the source, none past it), valid until the source changes. False when
  // it does not hold them: ReadAt then reads them.
  virtual bool ViewAt(uint64_t offset, size_t count, std::string_view& bytes) {
    (void)offset, (void)count, (void)bytes;
    return false;
  }

  // Exactly `count` bytes, or false.
  bool ReadExactly(uint64_t offset, size_t count, std::string& out) {
    return ReadAt(offset, count, out) && out.size() == count;
  }
};

// A source over bytes in memory (not copied: they must outlive the source).
class MemorySource : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(uint64_t offset, size_t count, std::string& out) override;
  bool ViewAt(uint64_t offset, size_t count, std::string_view& bytes) override;

 private:
  std::string_view bytes_;
};

}  // namespace orv::text

#endif  // ORV_TEXT_BYTE_SOURCE_H
