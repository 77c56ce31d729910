// Replacing a file all at once: the new content goes to a temporary file in the target's folder,
// is flushed to disk, and is renamed over the target. A crash at any point leaves either the old
// file or the new one, never a mix.
#ifndef ORV_PLATFORM_POSIX_ATOMIC_FILE_H
#define ORV_PLATFORM_POSIX_ATOMIC_FILE_H

#include <string>
#include <string_view>

namespace orv::platform::posix {

// Creates `folder` and its missing parents (mode 0700 for new ones: profiles may hold proxy
// passwords). True when the folder exists afterwards.
bool MakeFolders(const std::string& folder);

// A temporary file beside `target` ("target.tmpXXXXXX"), locked while it lives, removed by the
// destructor unless committed.
class TempFile {
 public:
  explicit TempFile(const std::string& target);
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  int Descriptor() const { return fd_; }
  bool Write(std::string_view bytes);
  // Flushes and renames over the target. With `overwrite` false an existing target is kept and
  // Commit fails. The temporary file is gone afterwards, whatever the outcome. Without
  // `durable` the bytes and the rename are not forced to disk: a killed process still leaves
  // the old file or the new one, only a system crash may lose the copy.
  bool Commit(bool overwrite, bool durable = true);

 private:
  void Discard();

  std::string target_;
  std::string path_;
  int fd_ = -1;
};

// Removes the temporary files of `target` that no live TempFile holds: those left by a writer
// that was killed before it could commit or clean up.
void RemoveStaleTempFiles(const std::string& target);

// The whole content of `path` replaced by `bytes`; the file keeps its permissions when it
// exists (a new one is private to the user). Stale temporary files of `path` are removed first.
// False when it could not be written.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace orv::platform::posix

#endif  // ORV_PLATFORM_POSIX_ATOMIC_FILE_H
