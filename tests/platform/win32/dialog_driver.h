// Drives the real modal dialogs of the code under test the way a user would: the code runs its
// own modal loop on the test's thread while a second thread finds its windows and sends them
// input. Shared by the dialog tests and the screenshot tool.
#ifndef ORV_TESTS_WIN32_DIALOG_DRIVER_H
#define ORV_TESTS_WIN32_DIALOG_DRIVER_H

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "tests/platform/win32/window_handle.h"

namespace orv::testing {

class DialogDriver {
 public:
  // `uiThread`: the Windows thread id of the thread that runs the dialogs.
  DialogDriver(unsigned long uiThread, const std::atomic<bool>& uiDone)
      : uiThread_(uiThread), uiDone_(uiDone) {}

  // The visible dialog box (class "#32770") of the UI thread owned by `owner` (null: one with no
  // owner), or null after the time-out or once the UI has returned (no display, for one).
  HWND WaitForDialog(HWND owner = nullptr, int timeoutMs = 15000) const;
  // True once `window` is gone or hidden.
  bool WaitUntilClosed(HWND window, int timeoutMs = 15000) const;

  static std::string Text(HWND window);
  static std::string ControlText(HWND dialog, int id);

  // Input, as a user gives it. Controls are changed synchronously; buttons are posted, because
  // pressing one may open a nested modal window this thread has to answer.
  static void SetCheck(HWND dialog, int id, bool checked);
  static void ClickRadio(HWND dialog, int id);
  static void SelectComboItem(HWND dialog, int id, int index);
  static void SetText(HWND dialog, int id, const std::string& text);
  static void SetTime(HWND dialog, int id, int hour, int minute, int second);
  // Selects exactly these rows of a list view, as clicks with Ctrl held would.
  static void SelectListRows(HWND dialog, int id, const std::vector<int>& rows);
  static void Press(HWND dialog, int id);

  // Presses Cancel (or closes) every dialog of the UI thread.
  void CancelAll() const;

 private:
  unsigned long uiThread_;
  const std::atomic<bool>& uiDone_;
};

// Runs `ui` on this thread while `script` drives it from another one. When the script ends with
// windows still open (a failed expectation), they are cancelled so that `ui` returns.
void DriveDialogs(const std::function<void()>& ui,
                  const std::function<void(DialogDriver&)>& script);

}  // namespace orv::testing

#endif  // ORV_TESTS_WIN32_DIALOG_DRIVER_H
