// Splits a fuzzer's input into the pieces a target needs (a few choice bytes, then texts), so
// one input drives a parser with its options and several texts at once. Every piece is cut from
// the input; nothing here can read past it.
#ifndef ORV_FUZZ_FUZZ_INPUT_H
#define ORV_FUZZ_FUZZ_INPUT_H

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orv::fuzz {

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

  // The next byte, or 0 when none is left.
  uint8_t Byte() {
    if (rest_.empty()) return 0;
    const uint8_t b = static_cast<uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return b;
  }
  bool Flag() { return (Byte() & 1) != 0; }

  // The text up to the next separator byte 0xFF (not included), or the rest.
  std::string_view Piece() {
    const size_t end = rest_.find('\xFF');
    const std::string_view piece = rest_.substr(0, end);
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    return piece;
  }
  std::string_view Rest() {
    const std::string_view all = rest_;
    rest_ = {};
    return all;
  }
  bool Empty() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

}  // namespace orv::fuzz

#endif  // ORV_FUZZ_FUZZ_INPUT_H
