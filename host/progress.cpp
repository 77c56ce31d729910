#include "host/progress.h"

#include <cstdio>

#include "platform/process.h"

namespace orv::host {

Progress::Progress() : shown_(platform::StandardErrorIsTerminal()) {}

Progress::~Progress() {
  if (drawn_) std::fputc('\n', stderr);
}

void Progress::SetTotal(int32_t total) {
  total_ = total;
  Draw();
}

void Progress::Step() {
  ++calls_;
  Draw();
}

void Progress::Draw() {
  if (!shown_) return;
  // Carriage return redraws the same line; the padding clears a longer earlier text.
  std::fprintf(stderr, "\r%lld/%d   ", static_cast<long long>(calls_), static_cast<int>(total_));
  std::fflush(stderr);
  drawn_ = true;
}

}  // namespace orv::host
