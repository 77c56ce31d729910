// The parts of the web client both platforms share.
#include <cstdio>
#include <cstdlib>

#include "platform/page_fetch.h"
#include "text/number.h"

namespace orv::platform {

WebTimeouts CurrentWebTimeouts() {
  WebTimeouts timeouts;
  const char* override = std::getenv("ORV_WEB_TIMEOUT_MS");
  if (override && *override) {
    const int32_t ms = text::IntegerValue(override);
    if (ms > 0) timeouts.connectMs = timeouts.idleMs = static_cast<uint32_t>(ms);
  }
  return timeouts;
}

std::string TransferStatusText(size_t bytes, double seconds) {
  char text[128];
  if (seconds >= 1.0) {
    std::snprintf(text, sizeof text, "Read %zu bytes (%0.1f Kb/s)", bytes,
                  static_cast<double>(bytes) / 1024.0 / seconds);
  } else {
    std::snprintf(text, sizeof text, "Read %zu bytes", bytes);
  }
  return text;
}

}  // namespace orv::platform
