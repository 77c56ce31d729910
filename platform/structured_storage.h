// The summary information stream of an office document stored as a compound file (OLE
// structured storage): the stream named "\005SummaryInformation" of the root storage.
//
// Windows opens the storage with StgOpenStorage (read-only, transacted, denying nobody) and the
// stream exclusively. Linux reads the compound file itself (platform/posix/formats/compound_file.h):
// its header, FAT and mini FAT sector chains, mini stream and directory.
#ifndef ORV_PLATFORM_STRUCTURED_STORAGE_H
#define ORV_PLATFORM_STRUCTURED_STORAGE_H

#include <cstddef>
#include <string>

namespace orv::platform {

// The summary stream is small; a longer one is read only this far (its property set decodes
// what lies in that part).
constexpr size_t kMaxSummaryStreamBytes = 4 << 20;

enum class SummaryStreamRead {
  kNotStorage,         // not a compound file at all
  kStorageUnopenable,  // a compound file that cannot be opened (locked, damaged)
  kStreamUnreadable,   // the storage opened, but it has no readable summary stream
  kRead,
};

SummaryStreamRead ReadSummaryStream(const std::string& path, std::string& stream);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_STRUCTURED_STORAGE_H
