#include "host/file_collection.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace orv::host {

namespace {

namespace fs = std::filesystem;

constexpr const char* kMarker = "orvhost collection file 1";
// One line holds one item; a longer one is damage, not data.
constexpr size_t kMaxLineBytes = 16u << 20;

std::string Escape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Unescape(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    switch (text[++i]) {
      case 't':
        out += '\t';
        break;
      case 'n':
        out += '\n';
        break;
      case 'r':
        out += '\r';
        break;
      default:
        out += text[i];
    }
  }
  return out;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    parts.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return parts;
    start = tab + 1;
  }
}

bool ParseInt32(std::string_view text, int32_t& value) {
  if (text.empty() || text.size() > 11) return false;
  const std::string copy(text);
  char* end = nullptr;
  errno = 0;
  const long long parsed = std::strtoll(copy.c_str(), &end, 10);
  if (errno || *end || parsed < INT32_MIN || parsed > INT32_MAX) return false;
  value = static_cast<int32_t>(parsed);
  return true;
}

bool ParsePrice(std::string_view text, float& value) {
  if (text.empty() || text.size() > 64) return false;
  const std::string copy(text);
  char* end = nullptr;
  const double parsed = std::strtod(copy.c_str(), &end);
  if (*end) return false;
  value = static_cast<float>(parsed);
  return true;
}

std::string ItemLine(const StoredItem& item) {
  std::string line = "I\t" + std::to_string(item.itemKind);
  for (const ItemField& field : ItemFields()) {
    line += '\t';
    switch (field.kind) {
      case FieldKind::kText:
        line += Escape(item.*field.text);
        break;
      case FieldKind::kInteger:
        line += std::to_string(item.*field.integer);
        break;
      case FieldKind::kPrice: {
        char buffer[64];
        // Nine significant digits give the float back exactly.
        std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(item.price));
        line += buffer;
        break;
      }
    }
  }
  return line + '\n';
}

bool ParseItem(const std::vector<std::string_view>& parts, StoredItem& item) {
  if (parts.size() != ItemFields().size() + 2 || !ParseInt32(parts[1], item.itemKind)) {
    return false;
  }
  size_t at = 2;
  for (const ItemField& field : ItemFields()) {
    const std::string_view part = parts[at++];
    switch (field.kind) {
      case FieldKind::kText:
        item.*field.text = Unescape(part);
        break;
      case FieldKind::kInteger:
        if (!ParseInt32(part, item.*field.integer)) return false;
        break;
      case FieldKind::kPrice:
        if (!ParsePrice(part, item.price)) return false;
        break;
    }
  }
  return true;
}

// The complete lines of the file after its marker. A last line without its line end was cut
// short by an interrupted write: it is left out, and the next append drops it.
bool ReadLines(const fs::path& file, std::vector<std::string>& lines, std::string& error) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = "cannot read the collection";
    return false;
  }
  lines.clear();
  // The marker comes first, read with a bound, so a foreign file is never read whole.
  const std::string marker = std::string(kMarker) + '\n';
  std::string head(marker.size(), '\0');
  in.read(head.data(), static_cast<std::streamsize>(head.size()));
  if (static_cast<size_t>(in.gcount()) != head.size() || head != marker) {
    error = "is not an orvhost collection";
    return false;
  }
  // Lines are read with their bound, so a damaged file never makes one huge line in memory.
  std::streambuf& bytes = *in.rdbuf();
  std::string line;
  for (;;) {
    const int c = bytes.sbumpc();
    // A last line without its end was cut short by a crash: it is left out.
    if (c == std::char_traits<char>::eof()) return true;
    if (c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
    } else if (line.size() == kMaxLineBytes) {
      error = "holds a damaged line";
      return false;
    } else {
      line += static_cast<char>(c);
    }
  }
}

class FileCollection : public Collection {
 public:
  FileCollection(fs::path file, bool readOnly) : file_(std::move(file)), readOnly_(readOnly) {}

  bool AddItem(const StoredItem& item, std::string& error) override {
    return Append(ItemLine(item), error);
  }

  bool Items(std::optional<int> category, std::vector<StoredItem>& items,
             std::string& error) override {
    std::vector<std::string> lines;
    if (!ReadLines(file_, lines, error)) return false;
    items.clear();
    int64_t order = 0;
    for (size_t n = 0; n < lines.size(); ++n) {
      const std::vector<std::string_view> parts = SplitTabs(lines[n]);
      if (parts[0] != "I") continue;  // settings, or records of a newer orvhost
      StoredItem item;
      if (!ParseItem(parts, item)) {
        error = "holds a damaged item on line " + std::to_string(n + 2);
        return false;
      }
      item.order = ++order;
      if (!category || CollectionCategory(item) == *category) items.push_back(std::move(item));
    }
    return true;
  }

  CollectionSettings Settings() override {
    CollectionSettings settings = DefaultSettings();
    std::vector<std::string> lines;
    std::string ignored;
    if (!ReadLines(file_, lines, ignored)) return settings;
    for (const std::string& line : lines) {
      const std::vector<std::string_view> parts = SplitTabs(line);
      if (parts.size() == 3 && parts[0] == "S") {
        ApplySetting(settings, Unescape(parts[1]), Unescape(parts[2]));
      }
    }
    return settings;
  }

  bool SaveSettings(const CollectionSettings& settings, std::string& error) override {
    // Appended as one write; a later line of the same name wins when reading.
    std::string lines;
    ForEachSetting(settings, [&](const std::string& name, const std::string& value) {
      lines += "S\t" + Escape(name) + '\t' + Escape(value) + '\n';
    });
    return Append(lines, error);
  }

 private:
  bool Append(const std::string& text, std::string& error) {
    if (readOnly_) {
      error = "the collection is open for reading only";
      return false;
    }
    if (!DropCutShortLine()) {
      error = "cannot repair the end of the collection";
      return false;
    }
    std::ofstream out(file_, std::ios::binary | std::ios::app);
    out << text;
    out.flush();
    if (!out) {
      error = "cannot write the collection";
      return false;
    }
    return true;
  }

  // A last line without its line end was cut short by an interrupted write and held nothing
  // that was stored: it is cut off, so that it neither swallows the next line nor stands as a
  // damaged one. Only the file's end is read.
  bool DropCutShortLine() {
    std::error_code code;
    const uintmax_t size = fs::file_size(file_, code);
    if (code || size == 0) return false;
    std::ifstream in(file_, std::ios::binary);
    char last = '\0';
    in.seekg(static_cast<std::streamoff>(size - 1));
    if (!in.get(last)) return false;
    if (last == '\n') return true;
    const uintmax_t tail = size < kMaxLineBytes + 1 ? size : kMaxLineBytes + 1;
    std::string bytes(static_cast<size_t>(tail), '\0');
    in.seekg(static_cast<std::streamoff>(size - tail));
    in.read(bytes.data(), static_cast<std::streamsize>(tail));
    const size_t lineEnd = in ? bytes.rfind('\n') : std::string::npos;
    if (lineEnd == std::string::npos) return false;  // not even the marker line is whole
    fs::resize_file(file_, size - tail + lineEnd + 1, code);
    return !code;
  }

  fs::path file_;
  bool readOnly_;
};

}  // namespace

std::unique_ptr<Collection> OpenFileCollection(const std::string& path, OpenMode mode,
                                               std::string& error) {
  const fs::path file = fs::u8path(path);
  std::error_code code;
  bool exists = false;
  if (!CheckCollectionPath(path, mode, exists, error)) return nullptr;
  if (exists) {
    std::vector<std::string> lines;
    std::string why;
    if (!ReadLines(file, lines, why)) {
      error = path + " " + why;
      return nullptr;
    }
    return std::make_unique<FileCollection>(file, mode == OpenMode::kReadOnly);
  }
  {
    std::ofstream out(file, std::ios::binary);
    out << kMarker << '\n';
    out.flush();
    if (!out) {
      error = "cannot create collection " + path;
      out.close();
      fs::remove(file, code);
      return nullptr;
    }
  }
  return std::make_unique<FileCollection>(file, false);
}

}  // namespace orv::host
