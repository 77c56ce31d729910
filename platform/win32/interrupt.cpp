#include "platform/interrupt.h"

#include <windows.h>

#include <atomic>

namespace orv::platform {

namespace {

std::atomic<bool> requested{false};

// Runs on a thread of its own: sets the flag once; a second request goes to the default handler,
// which ends the process.
BOOL WINAPI OnConsoleEvent(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT) {
    return FALSE;
  }
  return requested.exchange(true) ? FALSE : TRUE;
}

}  // namespace

void CatchInterrupts() { SetConsoleCtrlHandler(OnConsoleEvent, TRUE); }

bool InterruptRequested() { return requested.load(); }

}  // namespace orv::platform
