#include "platform/avi_headers.h"

#include <algorithm>
#include <cstdlib>

#include "text/byte_cursor.h"

namespace orv::platform {
namespace {

constexpr uint32_t kRiff = FourCc("RIFF");
constexpr uint32_t kList = FourCc("LIST");
// Chunks before the header list are rare (a JUNK or two); never walk far looking for it.
constexpr int kMaxTopLevelChunks = 64;

struct StreamHeader {
  AviStream stream;
  uint32_t rate = 0;
  uint32_t scale = 0;
  uint32_t length = 0;
  uint32_t frameWidth = 0;
  uint32_t frameHeight = 0;
};

// One chunk of a list: its id, its list type when it is a LIST, and its data. A chunk whose
// declared size runs past the list is cut to what is there, and ends the walk.
struct Chunk {
  uint32_t id = 0;
  uint32_t listType = 0;
  text::ByteCursor data;
};

bool NextChunk(text::ByteCursor& list, Chunk& chunk) {
  uint32_t size = 0;
  if (!list.U32Le(chunk.id) || !list.U32Le(size)) return false;
  const uint64_t kept = std::min<uint64_t>(size, list.Remaining());
  if (!list.Sub(list.Position(), kept, chunk.data)) return false;
  list.Skip(kept);
  if (size % 2 && !list.AtEnd()) list.Skip(1);  // chunks are padded to even sizes
  if (kept < size) list.Seek(list.Size());
  chunk.listType = 0;
  if (chunk.id == kList && !chunk.data.U32Le(chunk.listType)) return false;
  return true;
}

uint32_t FrameSide(int16_t from, int16_t to) { return to > from ? to - from : 0; }

// A stream list: its header (needed), and its format block (may be missing).
bool DecodeStreamList(text::ByteCursor list, StreamHeader& header) {
  bool haveHeader = false;
  Chunk chunk;
  while (NextChunk(list, chunk)) {
    text::ByteCursor& c = chunk.data;
    if (chunk.id == FourCc("strh") && !haveHeader) {
      uint32_t flags, initialFrames, start;
      uint16_t priority, language;
      if (!c.U32Le(header.stream.type) || !c.U32Le(header.stream.handler) || !c.U32Le(flags) ||
          !c.U16Le(priority) || !c.U16Le(language) || !c.U32Le(initialFrames) ||
          !c.U32Le(header.scale) || !c.U32Le(header.rate) || !c.U32Le(start) ||
          !c.U32Le(header.length) || !c.Skip(12)) {
        return false;
      }
      uint16_t rect[4];
      if (c.U16Le(rect[0]) && c.U16Le(rect[1]) && c.U16Le(rect[2]) && c.U16Le(rect[3])) {
        header.frameWidth = FrameSide(static_cast<int16_t>(rect[0]), static_cast<int16_t>(rect[2]));
        header.frameHeight =
            FrameSide(static_cast<int16_t>(rect[1]), static_cast<int16_t>(rect[3]));
      }
      haveHeader = true;
    } else if (chunk.id == FourCc("strf") && header.stream.format.empty()) {
      std::string_view format;
      c.Take(std::min<size_t>(c.Remaining(), kAviFormatBytesKept), format);
      header.stream.format.assign(format);
    }
  }
  return haveHeader;
}

// A video stream whose frame rectangle is empty has its size in its bitmap header.
void TakeBitmapSize(StreamHeader& header) {
  if (header.frameWidth && header.frameHeight) return;
  uint32_t width = 0, height = 0;
  text::ByteCursor format(header.stream.format);
  if (!format.Skip(4) || !format.U32Le(width) || !format.U32Le(height)) return;
  const int32_t signedHeight = static_cast<int32_t>(height);  // negative for top-down bitmaps
  header.frameWidth = static_cast<int32_t>(width) > 0 ? width : 0;
  header.frameHeight =
      signedHeight == INT32_MIN ? 0 : static_cast<uint32_t>(std::abs(signedHeight));
}

// Offset and size of the header list's contents (after its list type), cut to the file.
bool FindHeaderList(text::ByteSource& source, uint64_t& offset, uint64_t& size) {
  std::string bytes;
  if (!source.ReadExactly(0, 12, bytes)) return false;
  uint32_t riff = 0, riffSize = 0, form = 0;
  text::ByteCursor head(bytes);
  head.U32Le(riff), head.U32Le(riffSize), head.U32Le(form);
  if (riff != kRiff || form != FourCc("AVI ")) return false;
  const uint64_t end = std::min<uint64_t>(source.Size(), 8 + static_cast<uint64_t>(riffSize));
  uint64_t at = 12;
  for (int i = 0; i < kMaxTopLevelChunks && at < end; ++i) {
    if (!source.ReadExactly(at, 12, bytes)) return false;
    text::ByteCursor chunk(bytes);
    uint32_t id = 0, chunkSize = 0, listType = 0;
    chunk.U32Le(id), chunk.U32Le(chunkSize), chunk.U32Le(listType);
    if (id == kList && listType == FourCc("hdrl") && chunkSize >= 4) {
      offset = at + 12;
      size = std::min<uint64_t>(chunkSize - 4, source.Size() - offset);
      return true;
    }
    if (id == kList && listType == FourCc("movi")) return false;  // the frames: no header before
    at += 8 + static_cast<uint64_t>(chunkSize) + (chunkSize % 2);
  }
  return false;
}

}  // namespace

bool DecodeAviHeaders(text::ByteSource& source, AviFileInfo& info, AviHeaderShape* shape) {
  info = AviFileInfo();
  AviHeaderShape seen;
  uint64_t offset = 0, size = 0;
  if (!FindHeaderList(source, offset, size)) return false;
  std::string bytes;
  if (!source.ReadAt(offset, static_cast<size_t>(std::min<uint64_t>(size, kMaxAviHeaderListBytes)),
                     bytes)) {
    return false;
  }
  text::ByteCursor list(bytes);
  bool haveMainHeader = false;
  uint32_t openDmlFrames = 0;
  std::vector<StreamHeader> headers;
  Chunk chunk;
  while (NextChunk(list, chunk)) {
    text::ByteCursor& c = chunk.data;
    if (chunk.id == FourCc("avih") && !haveMainHeader) {
      // dwMicroSecPerFrame .. dwInitialFrames, then dwStreams.
      if (!c.Skip(24) || !c.U32Le(info.streamCount)) return false;
      haveMainHeader = true;
    } else if (chunk.id == kList && chunk.listType == FourCc("strl") && haveMainHeader) {
      ++seen.streamLists;
      StreamHeader header;
      if (headers.size() < info.streamCount && DecodeStreamList(chunk.data, header)) {
        seen.zeroTiming |= header.rate == 0 || header.scale == 0;
        headers.push_back(std::move(header));
      }
    } else if (chunk.id == kList && chunk.listType == FourCc("odml")) {
      Chunk inner;
      while (NextChunk(chunk.data, inner)) {
        if (inner.id == FourCc("dmlh")) inner.data.U32Le(openDmlFrames);
      }
    }
  }
  if (!haveMainHeader) {
    info = AviFileInfo();
    return false;
  }
  for (StreamHeader& header : headers) {
    if (header.stream.type != kAviVideoStream) continue;
    TakeBitmapSize(header);
    info.width = std::max(info.width, header.frameWidth);
    info.height = std::max(info.height, header.frameHeight);
  }
  if (!headers.empty()) {
    info.rate = headers.front().rate;
    info.scale = headers.front().scale;
    info.length = headers.front().length;
    // An OpenDML file's first RIFF counts only its own frames; the extended header has them all.
    if (headers.front().stream.type == kAviVideoStream)
      info.length = std::max(info.length, openDmlFrames);
  }
  for (StreamHeader& header : headers) info.streams.push_back(std::move(header.stream));
  if (shape) *shape = seen;
  return true;
}

}  // namespace orv::platform
