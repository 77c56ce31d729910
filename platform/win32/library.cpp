#include "platform/library.h"

#include <windows.h>

#include "platform/win32/module.h"

namespace orv::platform {

namespace {

std::string LastErrorText(DWORD code) {
  char* message = nullptr;
  const DWORD n = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<LPSTR>(&message), 0, nullptr);
  std::string text = n && message ? std::string(message, n) : std::string();
  if (message) LocalFree(message);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
    text.pop_back();
  }
  if (text.empty()) text = "error " + std::to_string(code);
  return text;
}

}  // namespace

Library::~Library() { Unload(); }

bool Library::Load(const std::string& path, std::string& error) {
  Unload();
  // No "cannot find DLL" box from the system: the caller reports the failure itself.
  const UINT oldMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryA(path.c_str());
  const DWORD code = GetLastError();
  SetErrorMode(oldMode);
  if (!module) {
    error = path + ": " + LastErrorText(code);
    return false;
  }
  handle_ = module;
  return true;
}

void* Library::Symbol(const char* name) const {
  if (!handle_ || !name) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

void Library::Unload() {
  if (handle_) FreeLibrary(static_cast<HMODULE>(handle_));
  handle_ = nullptr;
}

std::string LibraryFileName(const std::string& deliverable) { return deliverable + ".dll"; }

std::string ThisModulePath() {
  char path[MAX_PATH + 1];
  const DWORD n = GetModuleFileNameA(win32::ThisModule(), path, MAX_PATH);
  return n == 0 || n >= MAX_PATH ? std::string() : std::string(path, n);
}

}  // namespace orv::platform
