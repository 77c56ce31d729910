#include "platform/file_source.h"

#include <windows.h>

#include <algorithm>

namespace orv::platform {

namespace {

HANDLE AsHandle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

FileSource::~FileSource() { Close(); }

bool FileSource::Open(const std::string& path) {
  Close();
  if (path.empty()) return false;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size;
  if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size) || size.QuadPart < 0) {
    CloseHandle(file);
    return false;
  }
  handle_ = reinterpret_cast<intptr_t>(file);
  size_ = static_cast<uint64_t>(size.QuadPart);
  return true;
}

void FileSource::Close() {
  if (handle_ != -1) CloseHandle(AsHandle(handle_));
  handle_ = -1;
  size_ = 0;
  head_.clear();
  headRead_ = false;
}

bool FileSource::IsOpen() const { return handle_ != -1; }

bool FileSource::ReadDirect(uint64_t offset, size_t count, std::string& out) {
  out.clear();
  if (handle_ == -1) return false;
  if (offset >= size_ || count == 0) return true;
  count = static_cast<size_t>(std::min<uint64_t>(count, size_ - offset));
  out.resize(count);
  size_t done = 0;
  while (done < count) {
    OVERLAPPED at = {};
    const uint64_t where = offset + done;
    at.Offset = static_cast<DWORD>(where & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(where >> 32);
    const DWORD want = static_cast<DWORD>(std::min<size_t>(count - done, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), &out[done], want, &got, &at)) {
      if (GetLastError() == ERROR_HANDLE_EOF) break;
      out.clear();
      return false;
    }
    if (got == 0) break;
    done += got;
  }
  out.resize(done);
  return true;
}

}  // namespace orv::platform
