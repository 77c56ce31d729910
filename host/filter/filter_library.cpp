#include "host/filter/filter_library.h"

#include <filesystem>
#include <system_error>

#include "platform/process.h"

namespace orv::host {

namespace fs = std::filesystem;

namespace {

bool IsDeliverableName(const std::string& text) {
  if (text.empty()) return false;
  for (const char c : text) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '_' || c == '-';
    if (!plain) return false;
  }
  return true;
}

bool IsFile(const fs::path& path) {
  std::error_code ignored;
  return fs::is_regular_file(path, ignored);
}

}  // namespace

std::string FindFilterFile(const std::string& filter, const std::vector<std::string>& folders) {
  const fs::path given = fs::u8path(filter);
  std::error_code ignored;
  if (!IsDeliverableName(filter) || IsFile(given)) {
    return IsFile(given) ? fs::absolute(given, ignored).lexically_normal().u8string() : "";
  }
  for (const std::string& folder : folders) {
    const fs::path candidate = fs::u8path(folder) / platform::LibraryFileName(filter);
    if (IsFile(candidate)) return candidate.lexically_normal().u8string();
  }
  return "";
}

std::vector<std::string> FilterSearchFolders() {
  const std::string self = platform::ProgramFolder();
  if (self.empty()) return {};
  const fs::path folder = fs::u8path(self);
  return {folder.u8string(), (folder / ORVHOST_FILTERS_FROM_BIN).lexically_normal().u8string()};
}

std::string FilterNameOfFile(const std::string& path) { return fs::u8path(path).stem().u8string(); }

bool FilterLibrary::Load(const std::string& filter, std::string& error) {
  const std::vector<std::string> folders = FilterSearchFolders();
  path_ = FindFilterFile(filter, folders);
  if (path_.empty()) {
    error = "unknown filter " + filter;
    if (IsDeliverableName(filter) && !folders.empty()) {
      error += " (no " + platform::LibraryFileName(filter) + " in " + folders.front();
      for (size_t i = 1; i < folders.size(); ++i) error += " or " + folders[i];
      error += ")";
    }
    return false;
  }
  name_ = FilterNameOfFile(path_);
  std::string reason;
  if (!library_.Load(path_, reason)) {
    error = "cannot load " + path_ + ": " + reason;
    return false;
  }
  auto* entry = reinterpret_cast<GetFunctionInfoFn>(library_.Symbol(ORV_ENTRY_NAME));
  if (!entry) {
    error = path_ + " is not a filter library (no " ORV_ENTRY_NAME ")";
    return false;
  }
  functions_ = FilterFunctions{};
  if (entry(&functions_) != 1 || !functions_.Configure || !functions_.GetInfo || !functions_.Open ||
      !functions_.Close || !functions_.GetCount || !functions_.ProcessItem) {
    error = path_ + ": " ORV_ENTRY_NAME " did not hand out the six operations";
    return false;
  }
  return true;
}

}  // namespace orv::host
