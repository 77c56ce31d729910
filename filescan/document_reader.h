// The content reader for an office document: the title, author, last author and a comment from
// the summary information of a compound file (platform/structured_storage.h, parsed by
// filescan/property_set.h), and the shell's type name.
#ifndef ORV_FILESCAN_DOCUMENT_READER_H
#define ORV_FILESCAN_DOCUMENT_READER_H

#include <string>

#include "contract/abi.h"
#include "filescan/property_set.h"

namespace orv::filescan {

// Fills `item` from the file at `path`; `fileTitle` is its name without extension. A compound
// file that cannot be opened leaves the title empty, so that the scan yields no item for it.
void ReadDocument(const std::string& path, const std::string& fileTitle, MediaItem& item);

// The subject, then (after a backslash-n when there is a subject) the comments, then the
// keywords after a backslash-n.
std::string DocumentComment(const SummaryProperties& properties);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_DOCUMENT_READER_H
