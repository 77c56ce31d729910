#include "filmcard/card_reader.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "platform/files.h"
#include "text/codepage.h"

namespace orv::filmcard {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The raw bytes of the first ten lines, without their line ends.
std::array<std::string_view, kCardLineCount> SplitLines(std::string_view bytes) {
  std::array<std::string_view, kCardLineCount> lines;
  size_t start = 0;
  for (size_t line = 0; line < kCardLineCount && start < bytes.size(); ++line) {
    size_t end = bytes.find('\n', start);
    const size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    size_t length = end - start;
    if (end < bytes.size() && length > 0 && bytes[end - 1] == '\r') --length;
    lines[line] = bytes.substr(start, length);
    start = next;
  }
  return lines;
}

// Host texts hold no zero byte of their own.
std::string WithoutZeroBytes(std::string_view raw) {
  std::string kept;
  kept.reserve(raw.size());
  for (char c : raw) {
    if (c != '\0') kept += c;
  }
  return kept;
}

}  // namespace

CardLines DecodeCard(std::string_view bytes) {
  const auto raw = SplitLines(bytes);
  // The encoding is decided on the lines used together, so that a cut at the read cap or
  // odd bytes after line ten never change how the values read.
  std::string used;
  for (std::string_view line : raw) {
    used += line;
    used += '\n';
  }
  const bool utf8 = text::IsValidUtf8(used);
  CardLines lines;
  for (size_t i = 0; i < kCardLineCount; ++i) {
    std::string_view line = raw[i];
    if (utf8 && i == 0 && line.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
      line.remove_prefix(kUtf8Bom.size());
    }
    const std::string clean = WithoutZeroBytes(line);
    lines[i] = utf8 ? text::Utf8ToUser(clean) : text::Windows1252ToUser(clean);
  }
  return lines;
}

std::optional<CardLines> ReadCard(const std::string& path) {
  // Only plain files are cards: opening a named pipe would wait for a writer for ever.
  if (!platform::IsRegularFile(path)) return std::nullopt;
  // Opened shared with other readers and writers, as the default open mode does.
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                       &std::fclose);
  if (!file) return std::nullopt;
  std::string bytes;
  char chunk[16384];
  while (bytes.size() < kMaxCardBytes) {
    const size_t want = std::min(sizeof chunk, kMaxCardBytes - bytes.size());
    const size_t got = std::fread(chunk, 1, want, file.get());
    bytes.append(chunk, got);
    if (got < want) break;
  }
  if (std::ferror(file.get())) return std::nullopt;
  return DecodeCard(bytes);
}

}  // namespace orv::filmcard
