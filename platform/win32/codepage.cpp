#include "platform/codepage.h"

namespace orv::platform {

// The filters speak the ANSI code page, windows-1252 for the French texts they carry.
bool UserCodePageIsUtf8() { return false; }

}  // namespace orv::platform
