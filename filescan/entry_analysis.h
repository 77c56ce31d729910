// One entry of the scan list turned into an item: the FileMode filter, the folder item, the
// file's own facts, the dispatch to the content readers by fragments of the upper-cased file
// name, never of the folders above it (rows are not exclusive: a name holding fragments of two
// rows runs both, the later row writing last), the fields of a file no reader recognises, and the forced category.
#ifndef ORV_FILESCAN_ENTRY_ANALYSIS_H
#define ORV_FILESCAN_ENTRY_ANALYSIS_H

#include <cstdint>

#include "contract/abi.h"
#include "filescan/content_readers.h"
#include "filescan/filescan_options.h"
#include "filescan/scan_list.h"

namespace orv::filescan {

// Sizes in whole mebibytes, from the whole 64-bit size (clamped to the field).
int32_t WholeMebibytes(uint64_t bytes);

// 1 with the item filled (itemKind 4 for a file, the forced category with ForceType, 64 for a
// folder), 0 when the entry yields nothing (itemKind 0). Exceptions of the readers pass through.
int32_t AnalyseEntry(const ScanEntry& entry, const FilescanOptions& options,
                     const ContentReaders& readers, MediaItem& item, int32_t& itemKind);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_ENTRY_ANALYSIS_H
