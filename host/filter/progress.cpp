#include "host/filter/progress.h"

#include <algorithm>
#include <cstdio>

#include "platform/process.h"

namespace orv::host {

std::string ProgressText(int64_t calls, int32_t total) {
  if (total <= 0 || calls > total) return std::to_string(calls);
  return std::to_string(calls) + "/" + std::to_string(total);
}

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
  // Carriage return redraws the same line; the padding clears a longer earlier text
  // ("1000/1000" then "1001").
  const std::string text = ProgressText(calls_, total_);
  const int padding = width_ > text.size() ? static_cast<int>(width_ - text.size()) : 0;
  std::fprintf(stderr, "\r%s%*s", text.c_str(), padding, "");
  width_ = std::max(width_, text.size());
  std::fflush(stderr);
  drawn_ = true;
}

}  // namespace orv::host
