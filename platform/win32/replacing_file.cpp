#include "platform/replacing_file.h"

#include <windows.h>

#include <string>
#include <vector>

namespace orv::platform {
namespace {

constexpr const char* kTempSuffix = ".tmp";

std::string FolderOf(const std::string& path) {
  const size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

// Removes what a killed run of the same target left behind (target + ".tmp" + 6 characters).
void RemoveStaleTemps(const std::string& target) {
  const std::string pattern = target + kTempSuffix + "??????";
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  std::vector<std::string> stale;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) stale.push_back(found.cFileName);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  for (const std::string& name : stale) DeleteFileA((FolderOf(target) + name).c_str());
}

}  // namespace

struct ReplacingFile::State {
  std::string target;
  std::string temp;
  HANDLE file = INVALID_HANDLE_VALUE;
  std::string buffer;
  bool failed = false;
  bool inPlace = false;  // no temporary file: the target itself is written
};

ReplacingFile::~ReplacingFile() { Abandon(); }

bool ReplacingFile::Create(const std::string& target) {
  Abandon();
  if (target.empty()) return false;
  const DWORD attributes = GetFileAttributesA(target.c_str());
  HANDLE existing = CreateFileA(target.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
  const bool isDevice = existing != INVALID_HANDLE_VALUE && GetFileType(existing) != FILE_TYPE_DISK;
  if (existing != INVALID_HANDLE_VALUE) CloseHandle(existing);
  if (isDevice ||
      (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))) {
    // A device or a pipe cannot be replaced, and must not be: it is written in place.
    HANDLE file = CreateFileA(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    state_ = new State{target, std::string(), file, std::string(), false, true};
    return true;
  }
  RemoveStaleTemps(target);
  static const char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  DWORD seed = GetTickCount() ^ (GetCurrentProcessId() << 16);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string temp = target + kTempSuffix;
    for (int i = 0; i < 6; ++i) {
      seed = seed * 1103515245u + 12345u;
      temp += kDigits[(seed >> 16) % 36];
    }
    HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      state_ = new State{target, temp, file, std::string(), false, false};
      return true;
    }
    if (GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  return false;
}

bool ReplacingFile::IsOpen() const { return state_ != nullptr; }

namespace {

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(bytes.size() < (1u << 30) ? bytes.size() : 1u << 30);
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

bool ReplacingFile::Write(std::string_view bytes) {
  if (!state_) return false;
  constexpr size_t kBufferBytes = 64 * 1024;
  state_->buffer.append(bytes.data(), bytes.size());
  if (state_->buffer.size() >= kBufferBytes) {
    if (!WriteAll(state_->file, state_->buffer)) state_->failed = true;
    state_->buffer.clear();
  }
  return !state_->failed;
}

bool ReplacingFile::Commit() {
  if (!state_) return false;
  bool ok = !state_->failed && WriteAll(state_->file, state_->buffer);
  ok = CloseHandle(state_->file) && ok;
  state_->file = INVALID_HANDLE_VALUE;
  if (!state_->inPlace) {
    ok = ok && MoveFileExA(state_->temp.c_str(), state_->target.c_str(), MOVEFILE_REPLACE_EXISTING);
  }
  if (ok) state_->temp.clear();
  Abandon();
  return ok;
}

void ReplacingFile::Abandon() {
  if (!state_) return;
  if (state_->file != INVALID_HANDLE_VALUE) CloseHandle(state_->file);
  if (!state_->temp.empty()) DeleteFileA(state_->temp.c_str());
  delete state_;
  state_ = nullptr;
}

}  // namespace orv::platform
