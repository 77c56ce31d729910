#include "text/byte_cursor.h"

namespace orv::text {

bool ByteCursor::Seek(uint64_t offset) {
  if (offset > bytes_.size()) return false;
  position_ = static_cast<size_t>(offset);
  return true;
}

bool ByteCursor::Skip(uint64_t count) {
  if (!Has(count)) return false;
  position_ += static_cast<size_t>(count);
  return true;
}

bool ByteCursor::Read(size_t count, uint64_t& value, ByteOrder order) {
  if (!Has(count)) return false;
  uint64_t result = 0;
  for (size_t i = 0; i < count; ++i) {
    const uint64_t byte = static_cast<unsigned char>(bytes_[position_ + i]);
    if (order == ByteOrder::kLittle) {
      result |= byte << (8 * i);
    } else {
      result = (result << 8) | byte;
    }
  }
  position_ += count;
  value = result;
  return true;
}

bool ByteCursor::U8(uint8_t& value) {
  uint64_t v = 0;
  if (!Read(1, v, order_)) return false;
  value = static_cast<uint8_t>(v);
  return true;
}

bool ByteCursor::U16(uint16_t& value) {
  return order_ == ByteOrder::kLittle ? U16Le(value) : U16Be(value);
}
bool ByteCursor::U32(uint32_t& value) {
  return order_ == ByteOrder::kLittle ? U32Le(value) : U32Be(value);
}

bool ByteCursor::U64(uint64_t& value) { return Read(8, value, order_); }

bool ByteCursor::U16Le(uint16_t& value) {
  uint64_t v = 0;
  if (!Read(2, v, ByteOrder::kLittle)) return false;
  value = static_cast<uint16_t>(v);
  return true;
}

bool ByteCursor::U32Le(uint32_t& value) {
  uint64_t v = 0;
  if (!Read(4, v, ByteOrder::kLittle)) return false;
  value = static_cast<uint32_t>(v);
  return true;
}

bool ByteCursor::U16Be(uint16_t& value) {
  uint64_t v = 0;
  if (!Read(2, v, ByteOrder::kBig)) return false;
  value = static_cast<uint16_t>(v);
  return true;
}

bool ByteCursor::U32Be(uint32_t& value) {
  uint64_t v = 0;
  if (!Read(4, v, ByteOrder::kBig)) return false;
  value = static_cast<uint32_t>(v);
  return true;
}

bool ByteCursor::Take(uint64_t count, std::string_view& bytes) {
  if (!Has(count)) return false;
  bytes = bytes_.substr(position_, static_cast<size_t>(count));
  position_ += static_cast<size_t>(count);
  return true;
}

bool ByteCursor::Sub(uint64_t offset, uint64_t count, ByteCursor& sub) const {
  if (offset > bytes_.size() || count > bytes_.size() - offset) return false;
  sub = ByteCursor(bytes_.substr(static_cast<size_t>(offset), static_cast<size_t>(count)), order_);
  return true;
}

bool ReadU16At(std::string_view bytes, uint64_t offset, ByteOrder order, uint16_t& value) {
  ByteCursor cursor(bytes, order);
  return cursor.Seek(offset) && cursor.U16(value);
}

bool ReadU32At(std::string_view bytes, uint64_t offset, ByteOrder order, uint32_t& value) {
  ByteCursor cursor(bytes, order);
  return cursor.Seek(offset) && cursor.U32(value);
}

}  // namespace orv::text
