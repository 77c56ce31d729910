#include "platform/resources.h"

#include <windows.h>

#include "platform/win32/module.h"

namespace orv::platform {

namespace {

// The string straight from the module's table, UTF-16 as stored; empty when there is none.
std::wstring_view TableString(int id) {
  if (id < 0 || id > 0xFFFF) return std::wstring_view();
  const wchar_t* text = nullptr;
  // With a zero buffer size LoadStringW hands out a pointer into the loaded resource itself,
  // so strings of any length come back whole.
  const int n =
      LoadStringW(win32::ThisModule(), static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
  if (n <= 0 || !text) return std::wstring_view();
  return std::wstring_view(text, static_cast<size_t>(n));
}

}  // namespace

std::string LoadResourceString(int id) {
  // The same bytes LoadStringA gives: the table's text in the ANSI code page.
  return win32::WideToAnsi(TableString(id));
}

bool HasResourceString(int id) { return !TableString(id).empty(); }

void* LoadResourceIcon(int id) {
  if (id < 0 || id > 0xFFFF) return nullptr;
  return LoadIconA(win32::ThisModule(), MAKEINTRESOURCEA(id));
}

}  // namespace orv::platform
