#include "platform/replacing_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace orv::platform {
namespace {

constexpr const char* kTempSuffix = ".tmp";
constexpr size_t kTempRandomLength = 6;  // mkstemp's XXXXXX

// A temporary file of this target, as mkstemp names them: target + ".tmp" + six characters.
bool IsTempOf(const std::string& name, const std::string& targetName) {
  const std::string prefix = targetName + kTempSuffix;
  return name.size() == prefix.size() + kTempRandomLength &&
         name.compare(0, prefix.size(), prefix) == 0;
}

// Removes what a killed run of the same target left behind.
void RemoveStaleTemps(const std::string& target) {
  const size_t slash = target.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
  DIR* dir = opendir(folder.c_str());
  if (!dir) return;
  std::vector<std::string> stale;
  // Bounded: a folder is read once, and only names of this target's pattern are kept.
  while (const dirent* entry = readdir(dir)) {
    if (IsTempOf(entry->d_name, name)) stale.push_back(entry->d_name);
  }
  closedir(dir);
  for (const std::string& file : stale) {
    const std::string path = slash == std::string::npos ? file : folder + file;
    struct stat info;
    if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) unlink(path.c_str());
  }
}

mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

struct ReplacingFile::State {
  std::string target;
  std::string temp;
  FILE* file = nullptr;
  bool failed = false;
  bool inPlace = false;  // no temporary file: the target itself is written
};

ReplacingFile::~ReplacingFile() { Abandon(); }

bool ReplacingFile::Create(const std::string& target) {
  Abandon();
  if (target.empty()) return false;
  struct stat existing;
  const bool exists = stat(target.c_str(), &existing) == 0;
  if (exists && !S_ISREG(existing.st_mode)) {
    // A device or a pipe cannot be replaced, and must not be: it is written in place.
    FILE* file = fopen(target.c_str(), "wb");
    if (!file) return false;
    state_ = new State{target, std::string(), file, false, true};
    return true;
  }
  RemoveStaleTemps(target);
  std::string pattern = target + kTempSuffix + std::string(kTempRandomLength, 'X');
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return false;
  fchmod(fd, exists ? existing.st_mode & 07777 : NewFileMode());
  FILE* file = fdopen(fd, "wb");
  if (!file) {
    close(fd);
    unlink(name.data());
    return false;
  }
  state_ = new State{target, name.data(), file, false, false};
  return true;
}

bool ReplacingFile::IsOpen() const { return state_ != nullptr; }

bool ReplacingFile::Write(std::string_view bytes) {
  if (!state_) return false;
  if (bytes.empty()) return !state_->failed;
  if (fwrite(bytes.data(), 1, bytes.size(), state_->file) != bytes.size()) state_->failed = true;
  return !state_->failed;
}

bool ReplacingFile::Commit() {
  if (!state_) return false;
  bool ok = !state_->failed;
  ok = fclose(state_->file) == 0 && ok;
  state_->file = nullptr;
  if (!state_->inPlace) ok = ok && rename(state_->temp.c_str(), state_->target.c_str()) == 0;
  if (ok) state_->temp.clear();
  Abandon();
  return ok;
}

void ReplacingFile::Abandon() {
  if (!state_) return;
  if (state_->file) fclose(state_->file);
  if (!state_->temp.empty()) unlink(state_->temp.c_str());
  delete state_;
  state_ = nullptr;
}

}  // namespace orv::platform
