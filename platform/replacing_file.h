// A file that replaces its target only once it is complete: bytes go to a temporary file beside
// the target, and Commit renames it over the target in one step. A process killed before that
// leaves the target as it was (an earlier export stays readable and whole); its temporary file
// is removed by the next ReplacingFile of the same target.
//
// The rename guards against a killed or crashed process; the bytes are not forced to disk
// first (one sync per page would cost more than the pages themselves). A target that exists
// but is no plain file (a device, a pipe) is written in place: it cannot be replaced.
#ifndef ORV_PLATFORM_REPLACING_FILE_H
#define ORV_PLATFORM_REPLACING_FILE_H

#include <string>
#include <string_view>

namespace orv::platform {

class ReplacingFile {
 public:
  ReplacingFile() = default;
  // Abandons an uncommitted file: the target is left alone.
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // False when the temporary file cannot be made (no such folder, no permission).
  bool Create(const std::string& target);
  bool IsOpen() const;
  // Buffered; false when the bytes could not be written.
  bool Write(std::string_view bytes);
  // The target replaced by what was written (a new target takes the usual permissions, an
  // existing one keeps its own). False, with the target untouched, when anything failed.
  bool Commit();
  void Abandon();

 private:
  struct State;
  State* state_ = nullptr;
};

}  // namespace orv::platform

#endif  // ORV_PLATFORM_REPLACING_FILE_H
