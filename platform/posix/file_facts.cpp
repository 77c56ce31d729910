#include "platform/file_facts.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace orv::platform {

std::optional<FileFacts> ReadFileFacts(const std::string& path) {
  if (path.empty()) return std::nullopt;
  struct statx info;
  if (statx(AT_FDCWD, path.c_str(), AT_STATX_SYNC_AS_STAT,
            STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_CTIME | STATX_BTIME, &info) != 0) {
    return std::nullopt;
  }
  if (S_ISDIR(info.stx_mode)) return std::nullopt;
  FileFacts facts;
  // Many file systems (and older kernels) keep no birth time: the last change stands in.
  const bool hasBirth = (info.stx_mask & STATX_BTIME) != 0 && info.stx_btime.tv_sec != 0;
  facts.created =
      static_cast<std::time_t>(hasBirth ? info.stx_btime.tv_sec : info.stx_ctime.tv_sec);
  facts.lastWritten = static_cast<std::time_t>(info.stx_mtime.tv_sec);
  facts.size = info.stx_size;
  return facts;
}

}  // namespace orv::platform
