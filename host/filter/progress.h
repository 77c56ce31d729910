// The progress line drawn on stderr while a filter runs ("12/40"), only when a person watches.
#ifndef ORV_HOST_PROGRESS_H
#define ORV_HOST_PROGRESS_H

#include <cstdint>
#include <string>

namespace orv::host {

// "12/40" while the count announced holds; the number done alone past it, or when none was
// announced ("41", never "41/40").
std::string ProgressText(int64_t calls, int32_t total);

class Progress {
 public:
  Progress();
  ~Progress();  // ends the line
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;

  void SetTotal(int32_t total);  // from GetCount
  void Step();                   // one ProcessItem call made

 private:
  void Draw();
  bool shown_;
  bool drawn_ = false;
  int32_t total_ = 0;
  int64_t calls_ = 0;
  size_t width_ = 0;  // the widest text drawn
};

}  // namespace orv::host

#endif  // ORV_HOST_PROGRESS_H
