#include "platform/files.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

#include "platform/posix/atomic_file.h"
#include "text/ascii.h"

namespace orv::platform {
namespace {

// Bounds an enumeration's memory on a pathological folder.
constexpr size_t kMaxEntries = 1000000;

bool StatPath(const std::string& path, struct stat& info) {
  return !path.empty() && stat(path.c_str(), &info) == 0;
}

bool HasWildcard(std::string_view pattern) {
  return pattern.find_first_of("*?") != std::string_view::npos;
}

// Folder listings come in a stable order: case-insensitive first, then by bytes.
bool NameBefore(const std::string& a, const std::string& b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const unsigned char la = static_cast<unsigned char>(text::LowerAscii(a[i]));
    const unsigned char lb = static_cast<unsigned char>(text::LowerAscii(b[i]));
    if (la != lb) return la < lb;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

}  // namespace

const char kPathSeparator = '/';

bool IsPathSeparator(char c) { return c == '/'; }

bool PathExists(const std::string& path) {
  struct stat info;
  return StatPath(path, info);
}

bool IsFolder(const std::string& path) {
  struct stat info;
  return StatPath(path, info) && S_ISDIR(info.st_mode);
}

bool IsRegularFile(const std::string& path) {
  struct stat info;
  return StatPath(path, info) && S_ISREG(info.st_mode);
}

FolderAccess CheckFolder(const std::string& path) {
  struct stat info;
  if (!StatPath(path, info)) return FolderAccess::kMissing;
  if (!S_ISDIR(info.st_mode)) return FolderAccess::kNotAFolder;
  DIR* dir = opendir(path.c_str());
  if (!dir) return FolderAccess::kUnreadable;
  closedir(dir);
  return FolderAccess::kReadable;
}

struct FileEnumeration::State {
  std::vector<FoundEntry> entries;
  size_t next = 0;
};

namespace {

EntryKind KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return EntryKind::kFile;
  if (S_ISDIR(mode)) return EntryKind::kFolder;
  return EntryKind::kOther;
}

// The kind from the directory entry where the file system gives it; a symbolic link is
// followed to a file but never to a folder (a link back up the tree would make a walk endless).
EntryKind KindOfEntry(int folder, const dirent& entry) {
  switch (entry.d_type) {
    case DT_REG:
      return EntryKind::kFile;
    case DT_DIR:
      return EntryKind::kFolder;
    case DT_LNK:
    case DT_UNKNOWN: {
      struct stat info;
      if (fstatat(folder, entry.d_name, &info, 0) != 0) return EntryKind::kOther;
      const EntryKind kind = KindOfMode(info.st_mode);
      if (entry.d_type == DT_LNK && kind == EntryKind::kFolder) return EntryKind::kOther;
      if (entry.d_type == DT_UNKNOWN && kind == EntryKind::kFolder) {
        struct stat own;
        if (fstatat(folder, entry.d_name, &own, AT_SYMLINK_NOFOLLOW) != 0 || S_ISLNK(own.st_mode))
          return EntryKind::kOther;
      }
      return kind;
    }
    default:
      return EntryKind::kOther;
  }
}

}  // namespace

FileEnumeration::FileEnumeration() = default;
FileEnumeration::~FileEnumeration() = default;

bool FileEnumeration::Start(const std::string& pattern, FoundEntry& found) {
  End();
  const size_t slash = pattern.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash + 1);
  const std::string namePattern = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  if (namePattern.empty()) return false;

  auto state = std::make_unique<State>();
  if (!HasWildcard(namePattern)) {
    // A plain path names that entry itself.
    struct stat info;
    if (!StatPath(pattern, info)) return false;
    state->entries.push_back({namePattern, KindOfMode(info.st_mode), false});
  } else {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return false;
    while (const dirent* entry = readdir(dir)) {
      const std::string_view entryName(entry->d_name);
      if (entryName == "." || entryName == "..") continue;
      if (!WildcardMatch(namePattern, entryName)) continue;
      if (state->entries.size() >= kMaxEntries) break;
      state->entries.push_back({std::string(entryName), KindOfEntry(dirfd(dir), *entry), false});
    }
    closedir(dir);
    std::sort(state->entries.begin(), state->entries.end(),
              [](const FoundEntry& a, const FoundEntry& b) { return NameBefore(a.name, b.name); });
  }
  if (state->entries.empty()) return false;
  found = state->entries[0];
  state->next = 1;
  state_ = std::move(state);
  return true;
}

bool FileEnumeration::Next(FoundEntry& found) {
  if (!state_ || state_->next >= state_->entries.size()) return false;
  found = state_->entries[state_->next++];
  return true;
}

void FileEnumeration::End() { state_.reset(); }

bool FileEnumeration::IsOpen() const { return state_ != nullptr; }

bool CopyFile(const std::string& from, const std::string& to, bool overwrite) {
  if (from.empty() || to.empty()) return false;
  if (!overwrite && PathExists(to)) return false;
  // Without O_NONBLOCK a named pipe would hold the copy until some writer comes; only regular
  // files are copied anyway.
  const int source = open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (source < 0) return false;
  struct stat info;
  if (fstat(source, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(source);
    return false;
  }
  posix::TempFile temp(to);
  bool ok = temp.IsOpen();
  if (ok) fchmod(temp.Descriptor(), info.st_mode & 0777);
  std::vector<char> buffer(1 << 16);
  while (ok) {
    const ssize_t got = read(source, buffer.data(), buffer.size());
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ok = false;
    if (got <= 0) break;
    ok = temp.Write(std::string_view(buffer.data(), static_cast<size_t>(got)));
  }
  close(source);
  // Copies (icons, pictures, posters) are made again by the next run: they are complete or
  // absent after a kill, but not forced to disk one by one, which cost more than the copying.
  return ok && temp.Commit(overwrite, /*durable=*/false);
}

bool ReadWholeFile(const std::string& path, std::string& bytes, size_t maxBytes) {
  bytes.clear();
  const int fd = path.empty() ? -1 : open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
  if (ok && S_ISREG(info.st_mode) && static_cast<uintmax_t>(info.st_size) > maxBytes) ok = false;
  // Read in chunks rather than trusting st_size: the file may grow, or be a pipe.
  char buffer[1 << 16];
  while (ok) {
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) ok = false;
    if (got <= 0) break;
    if (static_cast<size_t>(got) > maxBytes - bytes.size()) {
      ok = false;
      break;
    }
    bytes.append(buffer, static_cast<size_t>(got));
  }
  close(fd);
  if (!ok) bytes.clear();
  return ok;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  return posix::WriteFileAtomically(path, bytes);
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
  if (path.empty() || PathExists(path)) return false;
  posix::TempFile temp(path);
  if (!temp.IsOpen()) return false;
  fchmod(temp.Descriptor(), 0644);
  return temp.Write(bytes) && temp.Commit(false);
}

}  // namespace orv::platform
