// The content readers the dispatch calls, one per family of formats, as a table so that tests
// can put readers of their own in (one that fails, one that records its calls).
#ifndef ORV_FILESCAN_CONTENT_READERS_H
#define ORV_FILESCAN_CONTENT_READERS_H

#include <functional>
#include <string>

#include "contract/abi.h"

namespace orv::filescan {

// (full path, file title, item). A reader may throw: the scan's failure guard catches it.
using ContentReader = std::function<void(const std::string&, const std::string&, MediaItem&)>;

struct ContentReaders {
  ContentReader picture;
  ContentReader music;
  ContentReader video;
  ContentReader webPage;
  ContentReader document;
  ContentReader program;
};

// ReadPicture, ReadMusic, ReadVideo, ReadWebPage, ReadDocument, ReadProgram.
ContentReaders StandardReaders();

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_CONTENT_READERS_H
