// A file opened for reading pieces of it at any offset, as a ByteSource. Only plain files open:
// a folder, a named pipe or a device is refused, so a reader never blocks on one.
#ifndef ORV_PLATFORM_FILE_SOURCE_H
#define ORV_PLATFORM_FILE_SOURCE_H

#include <cstdint>
#include <string>

#include "text/byte_source.h"

namespace orv::platform {

class FileSource : public text::ByteSource {
 public:
  FileSource() = default;
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  // False when the path is not a plain file that can be read.
  bool Open(const std::string& path);
  void Close();
  bool IsOpen() const;

  // The size when the file was opened.
  uint64_t Size() const override { return size_; }
  bool ReadAt(uint64_t offset, size_t count, std::string& out) override;
  // Bytes of the file's head (kHeadBytes), read whole by one read the first time any of them is
  // asked for: the readers' headers, and the whole of a small file, cost one read together.
  bool ViewAt(uint64_t offset, size_t count, std::string_view& bytes) override;

  static constexpr size_t kHeadBytes = 64 * 1024;

 private:
  bool ReadDirect(uint64_t offset, size_t count, std::string& out);
  bool HeadHolds(uint64_t offset, size_t count);

  intptr_t handle_ = -1;  // a descriptor on Linux, a HANDLE on Windows
  uint64_t size_ = 0;
  std::string head_;
  bool headRead_ = false;
};

}  // namespace orv::platform

#endif  // ORV_PLATFORM_FILE_SOURCE_H
