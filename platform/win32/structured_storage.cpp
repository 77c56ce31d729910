#include "platform/structured_storage.h"

// clang-format off
#include <windows.h>
#include <objbase.h>
// clang-format on

#include <algorithm>

namespace orv::platform {
namespace {

std::wstring WidePath(const std::string& path) {
  const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, &wide[0], length);
  wide.resize(static_cast<size_t>(length) - 1);
  return wide;
}

bool ReadStream(IStream* stream, std::string& bytes) {
  STATSTG facts = {};
  if (FAILED(stream->Stat(&facts, STATFLAG_NONAME))) return false;
  const ULONG size = static_cast<ULONG>(
      std::min<ULONGLONG>(facts.cbSize.QuadPart, static_cast<ULONGLONG>(kMaxSummaryStreamBytes)));
  bytes.assign(size, '\0');
  ULONG done = 0;
  while (done < size) {
    ULONG got = 0;
    if (FAILED(stream->Read(&bytes[done], size - done, &got)) || got == 0) break;
    done += got;
  }
  bytes.resize(done);
  return done == size;
}

}  // namespace

SummaryStreamRead ReadSummaryStream(const std::string& path, std::string& stream) {
  stream.clear();
  const std::wstring wide = WidePath(path);
  if (wide.empty() || StgIsStorageFile(wide.c_str()) != S_OK) return SummaryStreamRead::kNotStorage;
  // Structured storage needs COM on this thread; the host may have started it already.
  const HRESULT com = CoInitialize(nullptr);
  IStorage* storage = nullptr;
  SummaryStreamRead result = SummaryStreamRead::kStorageUnopenable;
  if (SUCCEEDED(StgOpenStorage(wide.c_str(), nullptr,
                               STGM_READ | STGM_TRANSACTED | STGM_SHARE_DENY_NONE, nullptr, 0,
                               &storage)) &&
      storage) {
    result = SummaryStreamRead::kStreamUnreadable;
    IStream* summary = nullptr;
    if (SUCCEEDED(storage->OpenStream(L"\005SummaryInformation", nullptr,
                                      STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &summary)) &&
        summary) {
      if (ReadStream(summary, stream)) result = SummaryStreamRead::kRead;
      summary->Release();
    }
    storage->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  if (result != SummaryStreamRead::kRead) stream.clear();
  return result;
}

}  // namespace orv::platform
