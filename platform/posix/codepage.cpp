#include "platform/codepage.h"

namespace orv::platform {

// Linux builds speak UTF-8 to the user, whatever the locale says.
bool UserCodePageIsUtf8() { return true; }

}  // namespace orv::platform
