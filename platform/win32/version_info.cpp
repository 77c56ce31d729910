#include "platform/version_info.h"

// clang-format off
#include <windows.h>
#include <winver.h>
// clang-format on

#include <cwchar>

#include "text/codepage.h"

namespace orv::platform {
namespace {

std::wstring Wide(std::string_view text) {
  if (text.empty()) return std::wstring();
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0)
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

}  // namespace

bool VersionInfo::Load(const std::string& path) {
  *this = VersionInfo();
  const std::wstring wide = Wide(path);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(wide.c_str(), &ignored);
  if (size == 0) return false;
  block_.assign(size, '\0');
  void* fixedValue = nullptr;
  void* pairs = nullptr;
  UINT fixedLength = 0, pairsLength = 0;
  if (!GetFileVersionInfoW(wide.c_str(), 0, size, &block_[0]) ||
      !VerQueryValueW(block_.data(), L"\\", &fixedValue, &fixedLength) || !fixedValue ||
      fixedLength < sizeof(VS_FIXEDFILEINFO) ||
      static_cast<VS_FIXEDFILEINFO*>(fixedValue)->dwSignature != 0xFEEF04BD ||
      !VerQueryValueW(block_.data(), L"\\VarFileInfo\\Translation", &pairs, &pairsLength)) {
    *this = VersionInfo();
    return false;
  }
  const auto* fixed = static_cast<VS_FIXEDFILEINFO*>(fixedValue);
  fileVersionHigh_ = fixed->dwFileVersionMS;
  fileVersionLow_ = fixed->dwFileVersionLS;
  const auto* words = static_cast<const WORD*>(pairs);
  for (UINT i = 0; pairs && i + 1 < pairsLength / sizeof(WORD); i += 2)
    translations_.push_back({words[i], words[i + 1]});
  return true;
}

std::string VersionInfo::String(const VersionTranslation& translation,
                                std::string_view name) const {
  if (block_.empty()) return std::string();
  wchar_t table[32];
  swprintf(table, 32, L"\\StringFileInfo\\%04X%04X\\", translation.language, translation.codePage);
  const std::wstring query = table + Wide(name);
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block_.data(), query.c_str(), &value, &length) || !value)
    return std::string();
  const auto* text = static_cast<const wchar_t*>(value);
  std::string utf16;
  for (UINT i = 0; i < length && text[i]; ++i) {
    utf16 += static_cast<char>(text[i] & 0xFF);
    utf16 += static_cast<char>(text[i] >> 8);
  }
  return text::Utf16LeToUser(utf16);
}

std::string LanguageName(uint16_t languageId) {
  char name[56] = "";
  VerLanguageNameA(languageId, name, sizeof name);
  return name;
}

}  // namespace orv::platform
