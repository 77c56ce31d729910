#include "tests/platform/win32/dialog_driver.h"

// windows.h must come before the other Windows headers.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <cstring>
#include <thread>
#include <vector>

namespace orv::testing {

namespace {

constexpr int kPollMs = 50;

struct Search {
  HWND owner;
  HWND found = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  if (GetWindow(window, GW_OWNER) != search->owner) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK CollectDialogs(HWND window, LPARAM param) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (std::strcmp(className, "#32770") == 0 && IsWindowVisible(window)) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  }
  return TRUE;
}

}  // namespace

HWND DialogDriver::WaitForDialog(HWND owner, int timeoutMs) const {
  for (int waited = 0; waited <= timeoutMs && !uiDone_; waited += kPollMs) {
    Search search{owner};
    EnumThreadWindows(uiThread_, &FindDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found) {
      // Let the dialog finish its first painting before it is driven.
      Sleep(200);
      return search.found;
    }
    Sleep(kPollMs);
  }
  return nullptr;
}

bool DialogDriver::WaitUntilClosed(HWND window, int timeoutMs) const {
  for (int waited = 0; waited <= timeoutMs; waited += kPollMs) {
    if (!IsWindow(window) || !IsWindowVisible(window)) return true;
    Sleep(kPollMs);
  }
  return false;
}

std::string DialogDriver::Text(HWND window) {
  char text[4096] = {};
  // WM_GETTEXT answers across threads, unlike GetWindowText on another thread's control.
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string DialogDriver::ControlText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }

void DialogDriver::SetCheck(HWND dialog, int id, bool checked) {
  SendDlgItemMessageA(dialog, id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DialogDriver::ClickRadio(HWND dialog, int id) {
  // A click, so the button clears the rest of its group itself.
  SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0);
}

void DialogDriver::SelectComboItem(HWND dialog, int id, int index) {
  SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DialogDriver::SetText(HWND dialog, int id, const std::string& text) {
  SendDlgItemMessageA(dialog, id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void DialogDriver::SetTime(HWND dialog, int id, int hour, int minute, int second) {
  SYSTEMTIME time{};
  GetLocalTime(&time);
  time.wHour = static_cast<WORD>(hour);
  time.wMinute = static_cast<WORD>(minute);
  time.wSecond = static_cast<WORD>(second);
  time.wMilliseconds = 0;
  SendDlgItemMessageA(dialog, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

void DialogDriver::SelectListRows(HWND dialog, int id, const std::vector<int>& rows) {
  const HWND list = GetDlgItem(dialog, id);
  LVITEMA state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = 0;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
  for (int row : rows) {
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&state));
  }
}

void DialogDriver::Press(HWND dialog, int id) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void DialogDriver::CancelAll() const {
  std::vector<HWND> dialogs;
  EnumThreadWindows(uiThread_, &CollectDialogs, reinterpret_cast<LPARAM>(&dialogs));
  for (HWND dialog : dialogs) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
  }
}

void DriveDialogs(const std::function<void()>& ui,
                  const std::function<void(DialogDriver&)>& script) {
  std::atomic<bool> uiDone{false};
  DialogDriver driver(GetCurrentThreadId(), uiDone);
  std::thread helper([&] {
    script(driver);
    // Whatever the script left open is cancelled, so a failing test ends instead of hanging.
    for (int round = 0; round < 200 && !uiDone; ++round) {
      if (round % 10 == 9) driver.CancelAll();
      Sleep(kPollMs);
    }
  });
  ui();
  uiDone = true;
  helper.join();
}

}  // namespace orv::testing
