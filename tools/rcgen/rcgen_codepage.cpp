// rcgen runs on the Linux build machine, whose user code page is UTF-8; the shared text helpers
// it uses ask the platform for that.
#include "platform/codepage.h"

namespace orv::platform {

bool UserCodePageIsUtf8() { return true; }

}  // namespace orv::platform
