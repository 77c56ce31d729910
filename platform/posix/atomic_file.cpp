#include "platform/posix/atomic_file.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace orv::platform::posix {
namespace {

std::string FolderPart(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NamePart(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

constexpr const char* kTempSuffix = ".tmp";
constexpr size_t kTempRandomPart = 6;  // the XXXXXX of mkostemp

// "target.tmp" and the six letters or digits mkostemp puts in place of the X's.
bool IsTempName(const std::string& name, const std::string& prefix) {
  if (name.size() != prefix.size() + kTempRandomPart || name.compare(0, prefix.size(), prefix)) {
    return false;
  }
  for (size_t i = prefix.size(); i < name.size(); ++i) {
    const char c = name[i];
    if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) return false;
  }
  return true;
}

// Makes the rename itself durable.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

bool RenameWithoutReplacing(const char* from, const char* to) {
#ifdef RENAME_NOREPLACE
  if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
#endif
  // File systems without RENAME_NOREPLACE: a hard link fails on an existing target too.
  if (link(from, to) == 0) {
    unlink(from);
    return true;
  }
  if (errno == EEXIST) return false;
  struct stat existing;
  if (lstat(to, &existing) == 0) return false;
  return rename(from, to) == 0;
}

}  // namespace

bool MakeFolders(const std::string& folder) {
  if (folder.empty()) return false;
  struct stat info;
  if (stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  // Walk down from the root, creating what is missing; bounded by the path's length.
  for (size_t at = 1; at <= folder.size(); ++at) {
    if (at != folder.size() && folder[at] != '/') continue;
    const std::string prefix = folder.substr(0, at);
    if (prefix.empty() || prefix.back() == '/') continue;
    if (mkdir(prefix.c_str(), 0700) != 0 && errno != EEXIST) return false;
  }
  return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

TempFile::TempFile(const std::string& target) : target_(target) {
  // The file is locked for as long as it is being written: a lock that can be taken marks a
  // temporary file whose writer is gone (see RemoveStaleTempFiles). A cleaner may remove the
  // file between its creation and the lock; the writer then sees it unlinked and starts over.
  for (int attempt = 0; attempt < 4 && fd_ < 0; ++attempt) {
    std::string pattern = target + kTempSuffix + std::string(kTempRandomPart, 'X');
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return;
    struct stat info;
    if (flock(fd, LOCK_EX) == 0 && fstat(fd, &info) == 0 && info.st_nlink == 0) {
      close(fd);
      continue;
    }
    fd_ = fd;
    path_.assign(name.data());
  }
}

TempFile::~TempFile() { Discard(); }

void TempFile::Discard() {
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  if (!path_.empty()) unlink(path_.c_str());
  path_.clear();
}

bool TempFile::Write(std::string_view bytes) {
  if (fd_ < 0) return false;
  while (!bytes.empty()) {
    const ssize_t written = write(fd_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

bool TempFile::Commit(bool overwrite, bool durable) {
  if (fd_ < 0) return false;
  bool ok = !durable || fsync(fd_) == 0;
  ok = close(fd_) == 0 && ok;
  fd_ = -1;
  if (ok) {
    ok = overwrite ? rename(path_.c_str(), target_.c_str()) == 0
                   : RenameWithoutReplacing(path_.c_str(), target_.c_str());
  }
  if (ok) {
    path_.clear();
    if (durable) SyncFolder(FolderPart(target_));
  }
  Discard();
  return ok;
}

void RemoveStaleTempFiles(const std::string& target) {
  const std::string folder = FolderPart(target);
  const std::string prefix = NamePart(target) + kTempSuffix;
  DIR* entries = opendir(folder.c_str());
  if (!entries) return;
  while (const dirent* entry = readdir(entries)) {
    if (!IsTempName(entry->d_name, prefix)) continue;
    const std::string name = entry->d_name;
    const std::string path = folder + "/" + name;
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    // Only a plain file nobody holds locked, and still the one at that name, is removed.
    struct stat held, named;
    if (fstat(fd, &held) == 0 && S_ISREG(held.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        lstat(path.c_str(), &named) == 0 && named.st_dev == held.st_dev &&
        named.st_ino == held.st_ino) {
      unlink(path.c_str());
    }
    close(fd);
  }
  closedir(entries);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  if (!MakeFolders(FolderPart(path))) return false;
  // A writer killed in the middle leaves its temporary file: the next write clears them.
  RemoveStaleTempFiles(path);
  TempFile temp(path);
  if (!temp.IsOpen()) return false;
  struct stat existing;
  if (stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    fchmod(temp.Descriptor(), existing.st_mode & 07777);
  }
  return temp.Write(bytes) && temp.Commit(true);
}

}  // namespace orv::platform::posix
