#include "platform/library.h"

#include <dlfcn.h>
#include <stdlib.h>

namespace orv::platform {

Library::~Library() { Unload(); }

bool Library::Load(const std::string& path, std::string& error) {
  Unload();
  // A bare name would make dlopen search the system's library path: always hand it a path.
  const std::string target = path.find('/') == std::string::npos ? "./" + path : path;
  // RTLD_LOCAL keeps each filter's symbols to itself; RTLD_NOW reports a missing symbol here
  // rather than in the middle of a run.
  handle_ = dlopen(target.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) {
    const char* reason = dlerror();
    error = reason ? reason : path + ": cannot be loaded";
    return false;
  }
  return true;
}

void* Library::Symbol(const char* name) const {
  if (!handle_ || !name) return nullptr;
  return dlsym(handle_, name);
}

void Library::Unload() {
  if (handle_) dlclose(handle_);
  handle_ = nullptr;
}

std::string LibraryFileName(const std::string& deliverable) { return deliverable + ".so"; }

std::string ThisModulePath() {
  Dl_info info{};
  // Any address inside this module names it: this very function's.
  if (!dladdr(reinterpret_cast<void*>(&ThisModulePath), &info) || !info.dli_fname) return "";
  char* full = realpath(info.dli_fname, nullptr);
  if (!full) return info.dli_fname;
  std::string path(full);
  free(full);
  return path;
}

}  // namespace orv::platform
