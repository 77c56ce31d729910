// Ctrl-C and termination requests turned into a flag a long run checks between steps, so that it
// can end its current step, keep what it made and say so. A second request ends the process at
// once, as usual.
#ifndef ORV_PLATFORM_INTERRUPT_H
#define ORV_PLATFORM_INTERRUPT_H

namespace orv::platform {

// From now on SIGINT and SIGTERM (Ctrl-C, Ctrl-Break and console close on Windows) set the flag
// instead of ending the process; the first one only.
void CatchInterrupts();

// True once such a request came.
bool InterruptRequested();

}  // namespace orv::platform

#endif  // ORV_PLATFORM_INTERRUPT_H
