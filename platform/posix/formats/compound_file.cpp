#include "platform/posix/formats/compound_file.h"

#include <algorithm>

#include "text/ascii.h"
#include "text/byte_cursor.h"
#include "text/codepage.h"

namespace orv::platform {
namespace {

constexpr char kSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
constexpr uint32_t kMaxRegularSector = 0xFFFFFFFA;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr size_t kHeaderBytes = 512;
constexpr size_t kEntryBytes = 128;
constexpr size_t kMiniSectorBytes = 64;
constexpr uint8_t kStreamEntry = 2;
constexpr uint8_t kRootEntry = 5;

}  // namespace

bool HasCompoundFileSignature(text::ByteSource& source) {
  std::string head;
  return source.ReadExactly(0, 8, head) && head == std::string_view(kSignature, 8);
}

bool CompoundFile::Open(text::ByteSource& source) {
  source_ = &source;
  sectorCache_.clear();
  directory_.clear();
  miniFat_.clear();
  fatSectors_.clear();
  std::string header;
  if (!source.ReadExactly(0, kHeaderBytes, header) || header.compare(0, 8, kSignature, 8) != 0) {
    return false;
  }
  text::ByteCursor c(header);
  uint16_t major = 0, byteOrder = 0, shift = 0, miniShift = 0;
  uint32_t fatCount = 0, difatStart = 0, difatCount = 0, miniFatCount = 0;
  c.Seek(0x1A), c.U16Le(major), c.U16Le(byteOrder), c.U16Le(shift), c.U16Le(miniShift);
  c.Seek(0x2C), c.U32Le(fatCount), c.U32Le(firstDirectory_);
  c.Seek(0x38), c.U32Le(miniCutoff_), c.U32Le(firstMiniFat_), c.U32Le(miniFatCount);
  c.U32Le(difatStart), c.U32Le(difatCount);
  if (byteOrder != 0xFFFE || (major != 3 && major != 4) || (shift != 9 && shift != 12) ||
      miniShift != 6) {
    return false;
  }
  majorVersion_ = major;
  sectorShift_ = shift;
  sectorSize_ = 1u << shift;
  const uint64_t body = source.Size() > sectorSize_ ? source.Size() - sectorSize_ : 0;
  sectorCount_ = static_cast<uint32_t>(
      std::min<uint64_t>((body + sectorSize_ - 1) / sectorSize_, kMaxRegularSector));
  if (fatCount > sectorCount_ || fatCount == 0) return false;

  // The FAT's own sectors: 109 in the header, the rest in the DIFAT chain, each DIFAT sector
  // ending with the number of the next one.
  for (int i = 0; i < 109 && fatSectors_.size() < fatCount; ++i) {
    uint32_t sector = 0;
    c.U32Le(sector);
    fatSectors_.push_back(sector);
  }
  const uint32_t perDifat = sectorSize_ / 4 - 1;
  std::vector<bool> seen(sectorCount_, false);
  uint32_t difat = difatStart;
  for (uint32_t n = 0; fatSectors_.size() < fatCount; ++n) {
    if (n >= difatCount || difat >= sectorCount_ || seen[difat]) return false;
    seen[difat] = true;
    std::string sector;
    if (!ReadSectorPiece(difat, 0, sectorSize_, sector)) return false;
    text::ByteCursor d(sector);
    for (uint32_t i = 0; i < perDifat && fatSectors_.size() < fatCount; ++i) {
      uint32_t value = 0;
      d.U32Le(value);
      fatSectors_.push_back(value);
    }
    d.Seek(static_cast<uint64_t>(perDifat) * 4);
    d.U32Le(difat);
  }
  // A storage opens with its root entry, as the system's does.
  Entry root;
  return ReadEntry(0, root) && root.type == kRootEntry;
}

bool CompoundFile::ReadSectorPiece(uint32_t sector, size_t offset, size_t count, std::string& out) {
  if (sector >= sectorCount_ || offset > sectorSize_ || count > sectorSize_ - offset) return false;
  const uint64_t at = (static_cast<uint64_t>(sector) + 1) * sectorSize_ + offset;
  return source_->ReadExactly(at, count, out);
}

bool CompoundFile::ReadFatEntry(const std::vector<uint32_t>& table, uint32_t sector,
                                uint32_t& next) {
  const uint32_t perSector = sectorSize_ / 4;
  const size_t index = sector / perSector;
  if (index >= table.size()) return false;
  const uint32_t tableSector = table[index];
  auto cached = sectorCache_.find(tableSector);
  if (cached == sectorCache_.end()) {
    std::string bytes;
    if (!ReadSectorPiece(tableSector, 0, sectorSize_, bytes)) return false;
    cached = sectorCache_.emplace(tableSector, std::move(bytes)).first;
  }
  return text::ReadU32At(cached->second, (sector % perSector) * 4ull, text::ByteOrder::kLittle,
                         next);
}

bool CompoundFile::NextSector(uint32_t sector, uint32_t& next) {
  return ReadFatEntry(fatSectors_, sector, next);
}

bool CompoundFile::Chain(uint32_t start, size_t want, std::vector<uint32_t>& chain) {
  chain.clear();
  std::vector<bool> seen(sectorCount_, false);
  uint32_t sector = start;
  while (sector != kEndOfChain && (want == 0 || chain.size() < want)) {
    if (sector >= sectorCount_ || seen[sector]) return false;  // outside the file, or a loop
    seen[sector] = true;
    chain.push_back(sector);
    if (!NextSector(sector, sector)) return false;
  }
  return want == 0 || chain.size() == want;
}

bool CompoundFile::ReadEntry(uint32_t id, Entry& entry) {
  if (directory_.empty() && !Chain(firstDirectory_, 0, directory_)) return false;
  const uint32_t perSector = sectorSize_ / kEntryBytes;
  if (id / perSector >= directory_.size()) return false;
  std::string bytes;
  if (!ReadSectorPiece(directory_[id / perSector], (id % perSector) * kEntryBytes, kEntryBytes,
                       bytes)) {
    return false;
  }
  text::ByteCursor c(bytes);
  uint16_t nameBytes = 0;
  c.Seek(0x40), c.U16Le(nameBytes), c.U8(entry.type);
  c.Seek(0x44), c.U32Le(entry.left), c.U32Le(entry.right), c.U32Le(entry.child);
  c.Seek(0x74), c.U32Le(entry.start), c.U64(entry.size);
  // Version 3 files may leave garbage in the size's high word.
  if (majorVersion_ == 3) entry.size &= 0xFFFFFFFFu;
  nameBytes = std::min<uint16_t>(nameBytes, 64);
  if (nameBytes >= 2) nameBytes -= 2;  // the terminator
  entry.name = text::Utf16LeToUtf8(std::string_view(bytes).substr(0, nameBytes));
  return true;
}

bool CompoundFile::FindChild(uint32_t storage, std::string_view name, Entry& found) {
  Entry parent;
  if (!ReadEntry(storage, parent)) return false;
  // Siblings form a tree by their left and right links; walk all of it (writers do not all
  // keep it ordered), each entry at most once.
  std::vector<uint32_t> pending{parent.child};
  std::vector<bool> seen(directory_.size() * (sectorSize_ / kEntryBytes), false);
  seen[storage] = true;
  while (!pending.empty()) {
    const uint32_t id = pending.back();
    pending.pop_back();
    if (id >= seen.size() || seen[id]) continue;  // no entry, outside the directory, or a cycle
    seen[id] = true;
    Entry entry;
    if (!ReadEntry(id, entry)) continue;
    if (text::EqualsIgnoringAsciiCase(entry.name, name)) {
      found = entry;
      return true;
    }
    pending.push_back(entry.right);
    pending.push_back(entry.left);
  }
  return false;
}

bool CompoundFile::ReadRegular(const Entry& entry, size_t count, std::string& bytes) {
  std::vector<uint32_t> chain;
  if (!Chain(entry.start, (count + sectorSize_ - 1) / sectorSize_, chain)) return false;
  bytes.clear();
  std::string piece;
  for (uint32_t sector : chain) {
    const size_t take = std::min<size_t>(sectorSize_, count - bytes.size());
    if (!ReadSectorPiece(sector, 0, take, piece)) return false;
    bytes += piece;
  }
  return true;
}

bool CompoundFile::ReadMini(const Entry& entry, size_t count, std::string& bytes) {
  Entry root;
  if (!ReadEntry(0, root) || root.type != kRootEntry) return false;
  std::vector<uint32_t> miniStream;  // the regular sectors holding the mini stream
  if (!Chain(root.start, 0, miniStream)) return false;
  if (miniFat_.empty() && !Chain(firstMiniFat_, 0, miniFat_)) return false;
  const uint64_t miniSectors =
      std::min<uint64_t>(root.size, static_cast<uint64_t>(miniStream.size()) * sectorSize_) /
      kMiniSectorBytes;
  bytes.clear();
  std::vector<bool> seen(static_cast<size_t>(miniSectors), false);
  uint32_t mini = entry.start;
  std::string piece;
  while (bytes.size() < count) {
    if (mini >= miniSectors || seen[mini]) return false;
    seen[mini] = true;
    const uint64_t at = static_cast<uint64_t>(mini) * kMiniSectorBytes;
    const size_t take = std::min<size_t>(kMiniSectorBytes, count - bytes.size());
    if (!ReadSectorPiece(miniStream[at / sectorSize_], at % sectorSize_, take, piece)) return false;
    bytes += piece;
    if (bytes.size() < count && !ReadFatEntry(miniFat_, mini, mini)) return false;
  }
  return true;
}

bool CompoundFile::ReadRootStream(std::string_view name, size_t maxBytes, std::string& bytes) {
  bytes.clear();
  Entry entry;
  if (!source_ || !FindChild(0, name, entry) || entry.type != kStreamEntry) return false;
  const size_t count = static_cast<size_t>(std::min<uint64_t>(entry.size, maxBytes));
  if (count == 0) return true;
  return entry.size < miniCutoff_ ? ReadMini(entry, count, bytes)
                                  : ReadRegular(entry, count, bytes);
}

}  // namespace orv::platform
