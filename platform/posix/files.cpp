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

struct FileEnumeration::State {
  std::vector<std::string> names;
  size_t next = 0;
};

FileEnumeration::FileEnumeration() = default;
FileEnumeration::~FileEnumeration() = default;

bool FileEnumeration::Start(const std::string& pattern, std::string& name) {
  End();
  const size_t slash = pattern.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : pattern.substr(0, slash + 1);
  const std::string namePattern = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
  if (namePattern.empty()) return false;

  auto state = std::make_unique<State>();
  if (!HasWildcard(namePattern)) {
    // A plain path names that entry itself.
    if (!PathExists(pattern)) return false;
    state->names.push_back(namePattern);
  } else {
    DIR* dir = opendir(folder.c_str());
    if (!dir) return false;
    while (const dirent* entry = readdir(dir)) {
      const std::string_view entryName(entry->d_name);
      if (entryName == "." || entryName == "..") continue;
      if (!WildcardMatch(namePattern, entryName)) continue;
      if (state->names.size() >= kMaxEntries) break;
      state->names.emplace_back(entryName);
    }
    closedir(dir);
    std::sort(state->names.begin(), state->names.end(), NameBefore);
  }
  if (state->names.empty()) return false;
  name = state->names[0];
  state->next = 1;
  state_ = std::move(state);
  return true;
}

bool FileEnumeration::Next(std::string& name) {
  if (!state_ || state_->next >= state_->names.size()) return false;
  name = state_->names[state_->next++];
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
  return ok && temp.Commit(overwrite);
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

}  // namespace orv::platform
