// Builds small compound files (OLE structured storage) for tests: streams of the root storage,
// small ones in the mini stream and large ones in regular sectors, a sibling tree ordered as
// the format wants (so the system's own reader finds them too), and the places of the FAT,
// directory and mini FAT so tests can patch them into corrupt files.
#ifndef ORV_TESTS_BUILDERS_COMPOUND_FILE_BUILDER_H
#define ORV_TESTS_BUILDERS_COMPOUND_FILE_BUILDER_H

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

#include "tests/builders/le_bytes.h"

namespace orv::testing {

constexpr uint32_t kCfbEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kCfbFree = 0xFFFFFFFF;
constexpr uint32_t kCfbFatSector = 0xFFFFFFFD;

struct CfbStream {
  std::string name;  // ASCII, at most 31 characters
  std::string data;
};

struct CompoundFileImage {
  std::string bytes;
  uint32_t sectorSize = 512;
  uint32_t fatSector = 0;        // the first FAT sector
  uint32_t directorySector = 0;  // the first directory sector
  uint32_t miniFatSector = kCfbEndOfChain;
  std::vector<uint32_t> streamStarts;  // per stream, in mini sectors or regular sectors
  size_t SectorOffset(uint32_t sector) const { return (sector + 1ull) * sectorSize; }
  // Directory entry `id` (0 is the root; streams follow in the order given).
  size_t EntryOffset(uint32_t id) const {
    return SectorOffset(directorySector) + static_cast<size_t>(id) * 128;
  }
  // The FAT entry of `sector` (the test files have one FAT sector).
  size_t FatEntryOffset(uint32_t sector) const { return SectorOffset(fatSector) + sector * 4ull; }
  size_t MiniFatEntryOffset(uint32_t mini) const {
    return SectorOffset(miniFatSector) + mini * 4ull;
  }
};

namespace cfb_detail {

inline bool NameLess(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return a.size() < b.size();
  for (size_t i = 0; i < a.size(); ++i) {
    const int x = toupper(static_cast<unsigned char>(a[i]));
    const int y = toupper(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y;
  }
  return false;
}

// Links the ids in `sorted` into a balanced tree; returns its root id.
inline uint32_t LinkTree(const std::vector<uint32_t>& sorted, size_t from, size_t to,
                         std::vector<uint32_t>& left, std::vector<uint32_t>& right) {
  if (from >= to) return kCfbFree;
  const size_t middle = from + (to - from) / 2;
  const uint32_t id = sorted[middle];
  left[id] = LinkTree(sorted, from, middle, left, right);
  right[id] = LinkTree(sorted, middle + 1, to, left, right);
  return id;
}

inline std::string Entry(const std::string& name, uint8_t type, uint32_t left, uint32_t right,
                         uint32_t child, uint32_t start, uint64_t size) {
  std::string e = Utf16Le(name);
  if (!name.empty()) e += std::string(2, '\0');
  const uint16_t nameBytes = static_cast<uint16_t>(e.size());
  e.resize(64, '\0');
  Put16(e, nameBytes);
  e += static_cast<char>(type);
  e += '\1';  // black
  Put32(e, left), Put32(e, right), Put32(e, child);
  e += std::string(16 + 4 + 16, '\0');  // class id, state bits, times
  Put32(e, start), Put64(e, size);
  return e;
}

}  // namespace cfb_detail

// `sectorShift` 9 gives a version 3 file (512-byte sectors), 12 a version 4 file.
inline CompoundFileImage BuildCompoundFile(const std::vector<CfbStream>& streams,
                                           uint16_t sectorShift = 9) {
  using namespace cfb_detail;
  CompoundFileImage image;
  const uint32_t s = 1u << sectorShift;
  image.sectorSize = s;
  const auto sectorsFor = [s](uint64_t bytes) {
    return static_cast<uint32_t>((bytes + s - 1) / s);
  };

  std::string mini;
  std::vector<uint32_t> starts(streams.size(), kCfbEndOfChain);
  std::vector<uint32_t> miniNext;
  for (size_t i = 0; i < streams.size(); ++i) {
    const std::string& data = streams[i].data;
    if (data.size() >= 4096 || data.empty()) continue;
    starts[i] = static_cast<uint32_t>(mini.size() / 64);
    const uint32_t count = static_cast<uint32_t>((data.size() + 63) / 64);
    for (uint32_t k = 0; k < count; ++k)
      miniNext.push_back(k + 1 < count ? starts[i] + k + 1 : kCfbEndOfChain);
    mini += data;
    mini.resize(mini.size() + (64 - mini.size() % 64) % 64, '\0');
  }
  const uint32_t directorySectors = sectorsFor((streams.size() + 1) * 128);
  const uint32_t miniFatSectors = sectorsFor(miniNext.size() * 4);
  const uint32_t miniStreamSectors = sectorsFor(mini.size());
  uint32_t bigSectors = 0;
  for (const CfbStream& stream : streams)
    if (stream.data.size() >= 4096) bigSectors += sectorsFor(stream.data.size());
  const uint32_t fatSectors = 1;  // test files stay below 128 sectors of 512 bytes
  image.fatSector = 0;
  image.directorySector = fatSectors;
  const uint32_t miniFatStart = image.directorySector + directorySectors;
  const uint32_t miniStreamStart = miniFatStart + miniFatSectors;
  uint32_t next = miniStreamStart + miniStreamSectors;
  const uint32_t total = next + bigSectors;
  if (total > s / 4) return image;  // more than one FAT sector: not for these tests

  std::vector<uint32_t> fat(s / 4, kCfbFree);
  const auto chain = [&](uint32_t first, uint32_t count) {
    for (uint32_t k = 0; k < count; ++k)
      fat[first + k] = k + 1 < count ? first + k + 1 : kCfbEndOfChain;
  };
  fat[0] = kCfbFatSector;
  chain(image.directorySector, directorySectors);
  chain(miniFatStart, miniFatSectors);
  chain(miniStreamStart, miniStreamSectors);
  std::string body(static_cast<size_t>(total) * s, '\0');
  for (size_t i = 0; i < streams.size(); ++i) {
    const std::string& data = streams[i].data;
    if (data.size() < 4096) continue;
    starts[i] = next;
    chain(next, sectorsFor(data.size()));
    body.replace(static_cast<size_t>(next) * s, data.size(), data);
    next += sectorsFor(data.size());
  }
  image.streamStarts = starts;
  image.miniFatSector = miniFatSectors ? miniFatStart : kCfbEndOfChain;

  std::string fatBytes;
  for (uint32_t v : fat) Put32(fatBytes, v);
  body.replace(0, s, fatBytes);
  std::string miniFatBytes;
  for (uint32_t v : miniNext) Put32(miniFatBytes, v);
  miniFatBytes.resize(static_cast<size_t>(miniFatSectors) * s, '\xFF');
  body.replace(static_cast<size_t>(miniFatStart) * s, miniFatBytes.size(), miniFatBytes);
  body.replace(static_cast<size_t>(miniStreamStart) * s, mini.size(), mini);

  std::vector<uint32_t> sorted;
  for (uint32_t id = 1; id <= streams.size(); ++id) sorted.push_back(id);
  std::sort(sorted.begin(), sorted.end(), [&](uint32_t a, uint32_t b) {
    return NameLess(streams[a - 1].name, streams[b - 1].name);
  });
  std::vector<uint32_t> left(streams.size() + 1, kCfbFree), right(streams.size() + 1, kCfbFree);
  const uint32_t top = LinkTree(sorted, 0, sorted.size(), left, right);
  std::string directory = Entry("Root Entry", 5, kCfbFree, kCfbFree, top,
                                mini.empty() ? kCfbEndOfChain : miniStreamStart, mini.size());
  for (uint32_t id = 1; id <= streams.size(); ++id) {
    const CfbStream& stream = streams[id - 1];
    directory +=
        Entry(stream.name, 2, left[id], right[id], kCfbFree, starts[id - 1], stream.data.size());
  }
  while (directory.size() % s) directory += Entry("", 0, kCfbFree, kCfbFree, kCfbFree, 0, 0);
  body.replace(static_cast<size_t>(image.directorySector) * s, directory.size(), directory);

  std::string header("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
  header += std::string(16, '\0');
  Put16(header, 0x3E), Put16(header, sectorShift == 9 ? 3 : 4), Put16(header, 0xFFFE);
  Put16(header, sectorShift), Put16(header, 6);
  header += std::string(6, '\0');
  Put32(header, sectorShift == 9 ? 0 : directorySectors);
  Put32(header, fatSectors), Put32(header, image.directorySector), Put32(header, 0);
  Put32(header, 4096), Put32(header, image.miniFatSector), Put32(header, miniFatSectors);
  Put32(header, kCfbEndOfChain), Put32(header, 0);
  Put32(header, 0);
  for (int i = 1; i < 109; ++i) Put32(header, kCfbFree);
  header.resize(s, '\0');
  image.bytes = header + body;
  return image;
}

}  // namespace orv::testing

#endif  // ORV_TESTS_BUILDERS_COMPOUND_FILE_BUILDER_H
