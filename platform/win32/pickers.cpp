// The system's file-open dialog and shell folder browser.
// windows.h must come before the other Windows headers.
// clang-format off
#include <windows.h>
#include <commdlg.h>
#include <objbase.h>
#include <shlobj.h>
// clang-format on

#include <string>

#include "platform/ui.h"

namespace orv::ui {

std::optional<std::string> AskOpenFile(std::string_view title, std::string_view filter) {
  // "Label|pattern|" becomes the NUL-separated list the dialog takes, ending with two NULs.
  std::string filters(filter);
  for (char& c : filters) {
    if (c == '|') c = '\0';
  }
  filters.append(2, '\0');
  const std::string caption(title);
  char path[MAX_PATH * 4] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
  // The host's current folder is its own business: browsing must not move it.
  dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&dialog)) return std::nullopt;
  return std::string(path);
}

std::optional<std::string> AskFolder(std::string_view title) {
  const HRESULT com = CoInitialize(nullptr);
  const std::string caption(title);
  char display[MAX_PATH] = {};
  BROWSEINFOA browse{};
  browse.hwndOwner = GetActiveWindow();
  browse.pszDisplayName = display;
  browse.lpszTitle = caption.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  std::optional<std::string> chosen;
  if (LPITEMIDLIST item = SHBrowseForFolderA(&browse)) {
    char path[MAX_PATH] = {};
    if (SHGetPathFromIDListA(item, path)) chosen = std::string(path);
    CoTaskMemFree(item);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}

}  // namespace orv::ui
