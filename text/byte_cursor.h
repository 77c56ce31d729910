// A bounded cursor over bytes read from outside (files, server answers): every getter checks
// that the bytes are there and fails, without moving, when they are not. Binary readers are
// written on it so that no offset or length taken from the data can reach past the buffer.
//
// Offsets and counts are 64-bit on input and checked by subtraction, never by addition, so a
// huge value cannot wrap around. The cursor never owns its bytes: the buffer must outlive it.
#ifndef ORV_TEXT_BYTE_CURSOR_H
#define ORV_TEXT_BYTE_CURSOR_H

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orv::text {

enum class ByteOrder { kLittle, kBig };

class ByteCursor {
 public:
  ByteCursor() = default;
  explicit ByteCursor(std::string_view bytes, ByteOrder order = ByteOrder::kLittle)
      : bytes_(bytes), order_(order) {}

  size_t Size() const { return bytes_.size(); }
  size_t Position() const { return position_; }
  size_t Remaining() const { return bytes_.size() - position_; }
  bool AtEnd() const { return position_ >= bytes_.size(); }
  ByteOrder Order() const { return order_; }
  void SetOrder(ByteOrder order) { order_ = order; }
  std::string_view Bytes() const { return bytes_; }

  // False (position unchanged) when `offset` is past the end; the end itself is allowed.
  bool Seek(uint64_t offset);
  bool Skip(uint64_t count);
  bool Has(uint64_t count) const { return count <= Remaining(); }

  // In the cursor's byte order unless the name says otherwise.
  bool U8(uint8_t& value);
  bool U16(uint16_t& value);
  bool U32(uint32_t& value);
  bool U64(uint64_t& value);
  bool U16Le(uint16_t& value);
  bool U32Le(uint32_t& value);
  bool U16Be(uint16_t& value);
  bool U32Be(uint32_t& value);
  // `count` bytes as a view into the buffer.
  bool Take(uint64_t count, std::string_view& bytes);

  // A cursor over [offset, offset + count) of this buffer, in the same byte order, at its
  // start. False when that range is not wholly inside the buffer.
  bool Sub(uint64_t offset, uint64_t count, ByteCursor& sub) const;

 private:
  bool Read(size_t count, uint64_t& value, ByteOrder order);

  std::string_view bytes_;
  size_t position_ = 0;
  ByteOrder order_ = ByteOrder::kLittle;
};

// Fixed-place reads of a buffer without a cursor; false when the bytes are not all there.
bool ReadU16At(std::string_view bytes, uint64_t offset, ByteOrder order, uint16_t& value);
bool ReadU32At(std::string_view bytes, uint64_t offset, ByteOrder order, uint32_t& value);

}  // namespace orv::text

#endif  // ORV_TEXT_BYTE_CURSOR_H
