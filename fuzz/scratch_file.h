// A file of the fuzz process's own, rewritten with each input, for the readers that take a path
// (the site description and parameter files are read through the profile store). Made once with
// a unique name in $TMPDIR (else /tmp) and removed when the process ends.
#ifndef ORV_FUZZ_SCRATCH_FILE_H
#define ORV_FUZZ_SCRATCH_FILE_H

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace orv::fuzz {

class ScratchFile {
 public:
  explicit ScratchFile(const char* suffix) {
    const char* folder = std::getenv("TMPDIR");
    std::string pattern = std::string(folder && *folder ? folder : "/tmp") + "/orv-fuzz-XXXXXX";
    pattern += suffix;
    const int fd = mkstemps(pattern.data(), static_cast<int>(std::string_view(suffix).size()));
    if (fd < 0) std::abort();
    close(fd);
    path_ = pattern;
  }
  ~ScratchFile() { std::remove(path_.c_str()); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& Path() const { return path_; }

  void Write(std::string_view bytes) const {
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (!file) std::abort();
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) {
      std::abort();
    }
    std::fclose(file);
  }

 private:
  std::string path_;
};

}  // namespace orv::fuzz

#endif  // ORV_FUZZ_SCRATCH_FILE_H
