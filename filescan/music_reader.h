// The content reader for MP3 files: the MPEG audio frames for bit rate, sample rate and
// playing time, and the ID3v1 and ID3v2 tags for title, artist, album, year, track and genre
// (music_tags.h says which wins). A file whose frames cannot be found yields no item (its title
// stays empty); one without tags is titled with its file title.
#ifndef ORV_FILESCAN_MUSIC_READER_H
#define ORV_FILESCAN_MUSIC_READER_H

#include <string>

#include "contract/abi.h"
#include "text/byte_source.h"

namespace orv::filescan {

// Fills `item` from the file at `path`; `fileTitle` is its name without extension.
void ReadMusic(const std::string& path, const std::string& fileTitle, MediaItem& item);

// The same from the file's bytes. True when the item was filled.
bool ReadMusicFrom(text::ByteSource& source, const std::string& fileTitle, MediaItem& item);

// "HH:MM:SS" of whole seconds, the minutes carried into the hours.
std::string PlayingTime(int64_t seconds);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_MUSIC_READER_H
