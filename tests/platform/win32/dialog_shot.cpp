// dialog_shot FILTER.dll OUTPUT.png [BUTTON]: opens the options dialog of a filter library as
// the host does (Configure with the dialog flag), saves a picture of it and cancels it. With a
// button id, the picture is of the dialog that button opens from the options dialog. The
// options go to a scratch registry key, so nothing the user keeps is touched.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "contract/abi.h"
#include "tests/platform/win32/dialog_driver.h"
#include "tests/platform/win32/window_capture.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: dialog_shot FILTER.dll OUTPUT.png [BUTTON]\n");
    return 2;
  }
  HMODULE library = LoadLibraryA(argv[1]);
  auto getFunctionInfo = library ? reinterpret_cast<GetFunctionInfoFn>(reinterpret_cast<void*>(
                                       GetProcAddress(library, ORV_ENTRY_NAME)))
                                 : nullptr;
  FilterFunctions table{};
  if (!getFunctionInfo || getFunctionInfo(&table) != 1 || !table.Configure) {
    std::fprintf(stderr, "dialog_shot: %s is not a filter library\n", argv[1]);
    return 3;
  }
  bool saved = false;
  orv::testing::DriveDialogs([&] { table.Configure("Orvella Premium", "OrvDialogShot", 1); },
                             [&](orv::testing::DialogDriver& driver) {
                               HWND dialog = driver.WaitForDialog();
                               if (!dialog) return;
                               HWND shown = dialog;
                               if (argc == 4) {
                                 orv::testing::DialogDriver::Press(dialog, std::atoi(argv[3]));
                                 shown = driver.WaitForDialog(dialog);
                                 if (!shown) return;
                               }
                               Sleep(500);  // the picker and list view paint last
                               saved = orv::testing::SaveWindowPng(shown, argv[2]);
                               driver.CancelAll();
                             });
  RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\OrvDialogShot");
  if (!saved) {
    std::fprintf(stderr, "dialog_shot: no dialog to save from %s\n", argv[1]);
    return 1;
  }
  return 0;
}
