#include "platform/avi_info.h"

// windows.h must come before vfw.h.
// clang-format off
#include <windows.h>
#include <vfw.h>
// clang-format on

#include <algorithm>

#include "platform/avi_headers.h"
#include "platform/file_source.h"

namespace orv::platform {
namespace {

// A format block larger than this is not one a reader of stream facts needs whole.
constexpr LONG kMaxFormatBytes = 64 * 1024;

bool ReadStream(PAVIFILE file, DWORD index, AviStream& stream) {
  PAVISTREAM handle = nullptr;
  if (AVIFileGetStream(file, &handle, 0, static_cast<LONG>(index)) != 0 || !handle) return false;
  AVISTREAMINFOA streamInfo = {};
  const bool described = AVIStreamInfoA(handle, &streamInfo, sizeof streamInfo) == 0;
  if (described) {
    stream.type = streamInfo.fccType;
    stream.handler = streamInfo.fccHandler;
    LONG size = 0;
    if (AVIStreamReadFormat(handle, 0, nullptr, &size) == 0 && size > 0 &&
        size <= kMaxFormatBytes) {
      std::string format(static_cast<size_t>(size), '\0');
      if (AVIStreamReadFormat(handle, 0, &format[0], &size) == 0) {
        format.resize(
            std::min<size_t>(static_cast<size_t>(std::max<LONG>(size, 0)), kAviFormatBytesKept));
        stream.format = std::move(format);
      }
    }
  }
  AVIStreamRelease(handle);
  return described;
}

}  // namespace

bool ReadAviFileInfo(const std::string& path, AviFileInfo& info) {
  info = AviFileInfo();
  {
    // Files AVIFile (Wine's at least) cannot survive are described from their headers.
    FileSource file;
    AviHeaderShape shape;
    if (file.Open(path) && DecodeAviHeaders(file, info, &shape) && !shape.Regular(info))
      return true;
    info = AviFileInfo();
  }
  AVIFileInit();
  PAVIFILE file = nullptr;
  if (AVIFileOpenA(&file, path.c_str(), OF_READ | OF_SHARE_DENY_NONE, nullptr) != 0 || !file) {
    AVIFileExit();
    return false;
  }
  AVIFILEINFOA fileInfo = {};
  const bool ok = AVIFileInfoA(file, &fileInfo, sizeof fileInfo) == 0;
  if (ok) {
    info.streamCount = fileInfo.dwStreams;
    info.width = fileInfo.dwWidth;
    info.height = fileInfo.dwHeight;
    info.rate = fileInfo.dwRate;
    info.scale = fileInfo.dwScale;
    info.length = fileInfo.dwLength;
    for (DWORD i = 0; i < fileInfo.dwStreams; ++i) {
      AviStream stream;
      if (ReadStream(file, i, stream)) info.streams.push_back(std::move(stream));
    }
  }
  AVIFileRelease(file);
  AVIFileExit();
  return ok;
}

}  // namespace orv::platform
