// A file held in memory (memfd), for readers that take a path rather than bytes: each input is
// written into it and the reader opens it by its /proc path. No disk is touched and no name is
// shared with another process; one file serves every input of a run.
#ifndef ORV_FUZZ_MEMORY_FILE_H
#define ORV_FUZZ_MEMORY_FILE_H

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace orv::fuzz {

class MemoryFile {
 public:
  MemoryFile() : fd_(memfd_create("fuzz_input", MFD_CLOEXEC)) {
    // Without it the path-driven half of a target would pass unseen: stop instead.
    if (fd_ < 0) std::abort();
    path_ = "/proc/self/fd/" + std::to_string(fd_);
  }
  ~MemoryFile() { close(fd_); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  // Replaces the file's bytes; returns the path to open them by.
  const std::string& Hold(std::string_view bytes) {
    if (ftruncate(fd_, 0) != 0) std::abort();
    for (size_t done = 0; done < bytes.size();) {
      const ssize_t wrote =
          pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
      if (wrote <= 0) std::abort();
      done += static_cast<size_t>(wrote);
    }
    return path_;
  }

 private:
  int fd_;
  std::string path_;
};

}  // namespace orv::fuzz

#endif  // ORV_FUZZ_MEMORY_FILE_H
