#include "platform/files.h"

#include <windows.h>

#include <climits>

// windows.h maps CopyFile to CopyFileA; ours is the platform function of that name.
#undef CopyFile

namespace orv::platform {

const char kPathSeparator = '\\';

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

namespace {

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

bool IsDotEntry(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

}  // namespace

bool PathExists(const std::string& path) {
  return !path.empty() && Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsRegularFile(const std::string& path) {
  const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

FolderAccess CheckFolder(const std::string& path) {
  const DWORD attributes = path.empty() ? INVALID_FILE_ATTRIBUTES : Attributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    const DWORD error = GetLastError();
    return error == ERROR_ACCESS_DENIED ? FolderAccess::kUnreadable : FolderAccess::kMissing;
  }
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return FolderAccess::kNotAFolder;
  std::string pattern = path;
  if (!IsPathSeparator(pattern.back())) pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAA found;
  const HANDLE handle = FindFirstFileA(pattern.c_str(), &found);
  if (handle == INVALID_HANDLE_VALUE) {
    // An empty folder still lists "." and ".."; a refusal is a folder that cannot be read.
    return GetLastError() == ERROR_FILE_NOT_FOUND ? FolderAccess::kReadable
                                                  : FolderAccess::kUnreadable;
  }
  FindClose(handle);
  return FolderAccess::kReadable;
}

struct FileEnumeration::State {
  HANDLE handle = INVALID_HANDLE_VALUE;
};

namespace {

FoundEntry EntryOf(const WIN32_FIND_DATAA& found) {
  FoundEntry entry;
  entry.name = found.cFileName;
  const DWORD attributes = found.dwFileAttributes;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    // A junction or folder link may lead back up the tree: a walk never follows one.
    entry.kind =
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? EntryKind::kOther : EntryKind::kFolder;
  } else {
    entry.kind = EntryKind::kFile;
  }
  entry.temporary = (attributes & FILE_ATTRIBUTE_TEMPORARY) != 0;
  return entry;
}

}  // namespace

FileEnumeration::FileEnumeration() : state_(std::make_unique<State>()) {}

FileEnumeration::~FileEnumeration() { End(); }

bool FileEnumeration::Start(const std::string& pattern, FoundEntry& entry) {
  End();
  if (pattern.empty()) return false;
  WIN32_FIND_DATAA found;
  HANDLE handle = FindFirstFileA(pattern.c_str(), &found);
  if (handle == INVALID_HANDLE_VALUE) return false;
  state_->handle = handle;
  if (!IsDotEntry(found.cFileName)) {
    entry = EntryOf(found);
    return true;
  }
  if (Next(entry)) return true;
  End();
  return false;
}

bool FileEnumeration::Next(FoundEntry& entry) {
  if (state_->handle == INVALID_HANDLE_VALUE) return false;
  WIN32_FIND_DATAA found;
  while (FindNextFileA(state_->handle, &found)) {
    if (IsDotEntry(found.cFileName)) continue;
    entry = EntryOf(found);
    return true;
  }
  return false;
}

void FileEnumeration::End() {
  if (state_ && state_->handle != INVALID_HANDLE_VALUE) FindClose(state_->handle);
  if (state_) state_->handle = INVALID_HANDLE_VALUE;
}

bool FileEnumeration::IsOpen() const { return state_->handle != INVALID_HANDLE_VALUE; }

bool CopyFile(const std::string& from, const std::string& to, bool overwrite) {
  if (from.empty() || to.empty()) return false;
  return CopyFileA(from.c_str(), to.c_str(), overwrite ? FALSE : TRUE) != 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, size_t maxBytes) {
  if (path.empty()) return false;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  bool ok = GetFileSizeEx(file, &size) && size.QuadPart >= 0 &&
            static_cast<unsigned long long>(size.QuadPart) <= maxBytes;
  std::string content;
  if (ok) {
    content.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    // The file may shrink while we read it: stop at its end, whatever the size said.
    while (ok && done < content.size()) {
      const size_t chunk = content.size() - done;
      DWORD got = 0;
      ok =
          ReadFile(file, &content[done],
                   chunk > (1u << 30) ? (1u << 30) : static_cast<DWORD>(chunk), &got, nullptr) != 0;
      if (ok && got == 0) break;
      done += got;
    }
    content.resize(done);
  }
  CloseHandle(file);
  if (!ok) return false;
  bytes = std::move(content);
  return true;
}

namespace {

// The bytes go to a temporary file beside `path`, then take its name in one step.
bool WriteThroughTemporary(const std::string& path, std::string_view bytes, bool replace) {
  if (path.empty() || bytes.size() > 0x7FFFFFFF) return false;
  const std::string temporary = path + ".part";
  const HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool wrote =
      bytes.empty() ||
      (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
       written == bytes.size());
  const bool closed = CloseHandle(file) != 0;
  // Without MOVEFILE_REPLACE_EXISTING the move fails on a file that is there.
  if (!wrote || !closed ||
      !MoveFileExA(temporary.c_str(), path.c_str(), replace ? MOVEFILE_REPLACE_EXISTING : 0)) {
    DeleteFileA(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
  return WriteThroughTemporary(path, bytes, true);
}

bool WriteNewFile(const std::string& path, std::string_view bytes) {
  if (PathExists(path)) return false;
  return WriteThroughTemporary(path, bytes, false);
}

}  // namespace orv::platform
