#include "discfetch/disc_id.h"

#include <cstdio>

namespace orv::discfetch {
namespace {

int64_t DigitSum(int64_t value) {
  if (value < 0) value = -value;
  int64_t sum = 0;
  for (; value > 0; value /= 10) sum += value % 10;
  return sum;
}

}  // namespace

int64_t FrameCount(const TrackPosition& p) {
  return int64_t{p.minutes} * 4500 + int64_t{p.seconds} * 75 + p.frames;
}

int64_t WholeSeconds(const TrackPosition& p) { return int64_t{p.minutes} * 60 + p.seconds; }

uint32_t ComputeDiscId(const DiscToc& toc) {
  if (toc.size() < 2) return 0;
  const size_t tracks = toc.size() - 1;
  int64_t n = 0;
  for (size_t i = 0; i < tracks; ++i) n += DigitSum(WholeSeconds(toc[i]));
  const int64_t t = WholeSeconds(toc[tracks]) - WholeSeconds(toc[0]);
  // The protocol's modulus is 255, not 256.
  return (static_cast<uint32_t>(n % 255) << 24) | (static_cast<uint32_t>(t) << 8) |
         static_cast<uint32_t>(tracks);
}

std::array<std::string, 4> FormatQueryArguments(uint32_t discId, const DiscToc& toc) {
  std::array<std::string, 4> arguments;
  char id[16];
  std::snprintf(id, sizeof id, "%08x", static_cast<unsigned>(discId));
  arguments[0] = id;
  const size_t tracks = toc.empty() ? 0 : toc.size() - 1;
  arguments[1] = std::to_string(tracks);
  for (size_t i = 0; i < tracks; ++i) {
    if (i > 0) arguments[2] += '+';
    arguments[2] += std::to_string(FrameCount(toc[i]));
  }
  arguments[3] = tracks ? std::to_string(WholeSeconds(toc[tracks])) : "0";
  return arguments;
}

bool ReadDiscId(uint32_t& discId) {
  DiscToc toc;
  if (!platform::ReadToc(toc)) return false;
  discId = ComputeDiscId(toc);
  return true;
}

}  // namespace orv::discfetch
