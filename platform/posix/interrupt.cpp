#include "platform/interrupt.h"

#include <signal.h>

namespace orv::platform {

namespace {

volatile sig_atomic_t requested = 0;

void OnSignal(int) { requested = 1; }

}  // namespace

void CatchInterrupts() {
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  // The handler goes after the first signal: a second Ctrl-C ends a run that does not stop.
  // No SA_RESTART: a filter waiting on a read sees it interrupted and can give up.
  action.sa_flags = SA_RESETHAND;
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
}

bool InterruptRequested() { return requested != 0; }

}  // namespace orv::platform
