#include "platform/file_source.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace orv::platform {

FileSource::~FileSource() { Close(); }

bool FileSource::Open(const std::string& path) {
  Close();
  if (path.empty()) return false;
  // O_NONBLOCK: opening a named pipe must not wait for a writer; it is refused just after.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return false;
  struct stat info;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return false;
  }
  handle_ = fd;
  size_ = static_cast<uint64_t>(info.st_size);
  return true;
}

void FileSource::Close() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
  handle_ = -1;
  size_ = 0;
  head_.clear();
  headRead_ = false;
}

bool FileSource::IsOpen() const { return handle_ >= 0; }

bool FileSource::ReadDirect(uint64_t offset, size_t count, std::string& out) {
  out.clear();
  if (handle_ < 0) return false;
  if (offset >= size_ || count == 0) return true;
  count = static_cast<size_t>(std::min<uint64_t>(count, size_ - offset));
  out.resize(count);
  size_t done = 0;
  while (done < count) {
    const ssize_t got = ::pread(static_cast<int>(handle_), &out[done], count - done,
                                static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      out.clear();
      return false;
    }
    if (got == 0) break;  // the file shrank since it was opened
    done += static_cast<size_t>(got);
  }
  out.resize(done);
  return true;
}

}  // namespace orv::platform
