#include "platform/activity.h"

#include <cstdio>
#include <string>

#include "platform/process.h"

namespace orv::platform {

void ShowActivity(std::string_view text) {
  if (!StandardErrorIsTerminal()) return;
  // Back to the start of the line and erase it, then the text without a line end, so the
  // host's own progress line takes the place again afterwards.
  std::string line = "\r\033[K";
  for (char c : text) line += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
  std::fputs(line.c_str(), stderr);
  std::fflush(stderr);
}

}  // namespace orv::platform
