// The content reader for an MP3 file: its MPEG audio frames and its ID3v1 tag.
#ifndef ORV_FILESCAN_MUSIC_READER_H
#define ORV_FILESCAN_MUSIC_READER_H

#include <string>

#include "contract/abi.h"

namespace orv::filescan {

// Fills `item` from the file at `path`; `fileTitle` is its name without extension.
void ReadMusic(const std::string& path, const std::string& fileTitle, MediaItem& item);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_MUSIC_READER_H
