#include "platform/codepage.h"

#include <windows.h>

namespace orv::platform {

// The filters speak the ANSI code page, windows-1252 for the French texts they carry.
bool UserCodePageIsUtf8() { return false; }

bool SystemCodePageToUtf8(uint32_t codePage, std::string_view bytes, std::string& utf8) {
  utf8.clear();
  if (bytes.empty()) return IsValidCodePage(codePage) != 0;
  const int size = static_cast<int>(bytes.size());
  const int wide =
      MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (wide <= 0) return false;
  std::wstring text(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, &text[0], wide);
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return false;
  utf8.assign(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), wide, &utf8[0], length, nullptr, nullptr);
  return true;
}

}  // namespace orv::platform
