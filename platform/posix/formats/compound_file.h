// The compound-file reader that stands in for OLE structured storage on Linux: the header, the
// FAT (through the header's and the extra DIFAT sectors' lists), the mini FAT and mini stream,
// and the directory, enough to read a stream of the root storage by name.
//
// Only the sectors a read needs are fetched from the source. Every chain is followed with a
// set of the sectors seen and a bound on its length, so a chain that loops or runs outside the
// file fails the read; the directory's sibling tree is walked the same way.
#ifndef ORV_PLATFORM_POSIX_COMPOUND_FILE_H
#define ORV_PLATFORM_POSIX_COMPOUND_FILE_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "text/byte_source.h"

namespace orv::platform {

// True when the source starts with the compound-file signature.
bool HasCompoundFileSignature(text::ByteSource& source);

class CompoundFile {
 public:
  // Reads and checks the header, the FAT's sector list and the root entry. The source must
  // outlive this.
  bool Open(text::ByteSource& source);

  // The stream `name` (ASCII case ignored, as the format compares names) among the root
  // storage's children, at most `maxBytes` of it. False when it is missing or its chain is
  // broken.
  bool ReadRootStream(std::string_view name, size_t maxBytes, std::string& bytes);

 private:
  struct Entry {
    std::string name;  // UTF-8
    uint8_t type = 0;
    uint32_t left = 0, right = 0, child = 0;
    uint32_t start = 0;
    uint64_t size = 0;
  };

  bool ReadFatEntry(const std::vector<uint32_t>& table, uint32_t sector, uint32_t& next);
  bool NextSector(uint32_t sector, uint32_t& next);
  // The first sectors of the chain from `start` (all of it when `want` is 0).
  bool Chain(uint32_t start, size_t want, std::vector<uint32_t>& chain);
  bool ReadEntry(uint32_t id, Entry& entry);
  bool FindChild(uint32_t storage, std::string_view name, Entry& found);
  bool ReadRegular(const Entry& entry, size_t count, std::string& bytes);
  bool ReadMini(const Entry& entry, size_t count, std::string& bytes);
  bool ReadSectorPiece(uint32_t sector, size_t offset, size_t count, std::string& out);

  text::ByteSource* source_ = nullptr;
  uint32_t sectorShift_ = 9;
  uint32_t sectorSize_ = 512;
  uint32_t sectorCount_ = 0;  // sectors wholly or partly in the file
  uint32_t majorVersion_ = 3;
  uint32_t miniCutoff_ = 4096;
  uint32_t firstDirectory_ = 0;
  uint32_t firstMiniFat_ = 0;
  std::vector<uint32_t> fatSectors_;
  std::vector<uint32_t> directory_;  // the directory's sectors, read on first use
  std::vector<uint32_t> miniFat_;    // the mini FAT's sectors, read on first use
  std::map<uint32_t, std::string> sectorCache_;
};

}  // namespace orv::platform

#endif  // ORV_PLATFORM_POSIX_COMPOUND_FILE_H
