#include "platform/avi_info.h"

#include "platform/file_source.h"
#include "platform/avi_headers.h"

namespace orv::platform {

bool ReadAviFileInfo(const std::string& path, AviFileInfo& info) {
  info = AviFileInfo();
  FileSource file;
  return file.Open(path) && DecodeAviHeaders(file, info);
}

}  // namespace orv::platform
