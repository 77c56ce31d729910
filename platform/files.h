// Files: separators, existence, wildcard enumeration, copy, whole-file reads.
//
// Wildcards ("*" and "?") match without regard to ASCII case on every platform, as FindFirstFile
// does on Windows.
#ifndef ORV_PLATFORM_FILES_H
#define ORV_PLATFORM_FILES_H

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace orv::platform {

extern const char kPathSeparator;  // '\\' on Windows, '/' on Linux
bool IsPathSeparator(char c);      // Windows also takes '/'

bool PathExists(const std::string& path);  // a file or a folder
bool IsFolder(const std::string& path);
bool IsRegularFile(const std::string& path);

// Whether a folder can be walked, and if not, why.
enum class FolderAccess { kReadable, kMissing, kNotAFolder, kUnreadable };
FolderAccess CheckFolder(const std::string& path);

// True when `name` matches `pattern` ("*" any run, "?" one character), ignoring ASCII case.
bool WildcardMatch(std::string_view pattern, std::string_view name);

// What an enumerated entry is. A link to a folder (a symbolic link on Linux, a junction or other
// reparse point on Windows) is kOther, so that a walk of a tree never follows one into a loop.
enum class EntryKind { kFile, kFolder, kOther };

struct FoundEntry {
  std::string name;
  EntryKind kind = EntryKind::kFile;
  bool temporary = false;  // the temporary attribute; never set on Linux
};

// FindFirstFile / FindNextFile: the pattern is a folder path followed by a name pattern, or a
// path without wildcards (which matches that entry itself). Yields entry names without folder,
// never "." or "..". On Linux the names come sorted, so runs are repeatable.
class FileEnumeration {
 public:
  FileEnumeration();
  ~FileEnumeration();
  FileEnumeration(const FileEnumeration&) = delete;
  FileEnumeration& operator=(const FileEnumeration&) = delete;

  // Starts (or restarts) an enumeration; false when nothing matches (the enumeration is then
  // not open). On success the first name is in `name`.
  bool Start(const std::string& pattern, std::string& name);
  // The next name; false when there is none (the enumeration stays open until End).
  bool Next(std::string& name);
  // The same, with what each entry is.
  bool Start(const std::string& pattern, FoundEntry& entry);
  bool Next(FoundEntry& entry);
  void End();
  bool IsOpen() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// CopyFileA: false when the source cannot be read or the target cannot be written, or when the
// target exists and `overwrite` is false. The copy is complete or the target is left untouched
// (a temporary file renamed over it); it is not forced to disk.
bool CopyFile(const std::string& from, const std::string& to, bool overwrite);

// Reads a whole file as bytes; false when it cannot be opened or is larger than maxBytes.
bool ReadWholeFile(const std::string& path, std::string& bytes, size_t maxBytes);

// Replaces the file at `path` by `bytes` all at once: a write that fails leaves the old file,
// or no file, never a part of the new one.
bool WriteWholeFile(const std::string& path, std::string_view bytes);

// Makes a new file at `path` holding `bytes`, complete or not at all; false, with the file
// that is already there left alone, when `path` exists (also when it appeared meanwhile).
bool WriteNewFile(const std::string& path, std::string_view bytes);

}  // namespace orv::platform

#endif  // ORV_PLATFORM_FILES_H
