#include "host/collection/file_collection.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "host/collection/file_collection_lines.h"

namespace orv::host {

namespace {

namespace fs = std::filesystem;

using namespace file_lines;

constexpr const char* kMarker = "orvhost collection file 1";
// One line holds one item; a longer one is damage, not data.
constexpr size_t kMaxLineBytes = 16u << 20;

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

// What the file says once every record is applied, in the order written:
//   I  an item (kind and fields), numbered by its place among the item lines;
//   L  the link of item N;          X  items N… removed;
//   R  run N begins: the items up to its E line are its own;
//   E  run N ended (items stored, how);   U  run N undone, its items removed.
// Item lines before any R line were written by earlier versions: their link items still follow
// their items and are attached here.
struct Contents {
  std::vector<StoredItem> items;  // in order, links attached, removed ones left out
  std::vector<RunRecord> runs;
  int64_t lastOrder = 0;  // item lines written, removed ones included
  int64_t lastRun = 0;
};

bool ParseRecord(const std::vector<std::string_view>& parts, Contents& contents,
                 int64_t& currentRun, std::map<int64_t, StoredItem>& links,
                 std::set<int64_t>& removed, std::set<int64_t>& undone) {
  const std::string_view tag = parts[0];
  int64_t id = 0;
  if (tag == "I") {
    StoredItem item;
    if (!ParseItemParts(parts, 1, item)) return false;
    item.order = ++contents.lastOrder;
    item.run = currentRun;
    contents.items.push_back(std::move(item));
  } else if (tag == "L") {
    StoredItem link;
    if (parts.size() < 2 || !ParseInt64(parts[1], id) || !ParseItemParts(parts, 2, link)) {
      return false;
    }
    links[id] = std::move(link);
  } else if (tag == "X") {
    for (size_t i = 1; i < parts.size(); ++i) {
      if (!ParseInt64(parts[i], id)) return false;
      removed.insert(id);
    }
  } else if (tag == "R") {
    if (parts.size() != 5 || !ParseInt64(parts[1], id)) return false;
    RunRecord run;
    run.id = id;
    run.started = Unescape(parts[2]);
    run.filter = Unescape(parts[3]);
    run.source = Unescape(parts[4]);
    contents.runs.push_back(std::move(run));
    contents.lastRun = std::max(contents.lastRun, id);
    currentRun = id;
  } else if (tag == "E") {
    if (parts.size() != 4 || !ParseInt64(parts[1], id)) return false;
    for (RunRecord& run : contents.runs) {
      if (run.id == id) run.ending = Unescape(parts[3]);
    }
    if (currentRun == id) currentRun = 0;
  } else if (tag == "U") {
    if (parts.size() != 2 || !ParseInt64(parts[1], id)) return false;
    undone.insert(id);
  }
  // S: a setting (read by Settings); any other tag: a record of a newer orvhost.
  return true;
}

bool Load(const fs::path& file, Contents& contents, std::string& error) {
  std::vector<std::string> lines;
  if (!ReadLines(file, lines, error)) return false;
  contents = Contents();
  int64_t currentRun = 0;
  std::map<int64_t, StoredItem> links;
  std::set<int64_t> removed, undone;
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::vector<std::string_view> parts = SplitTabs(lines[n]);
    if (!ParseRecord(parts, contents, currentRun, links, removed, undone)) {
      // The marker is line 1.
      error = std::string(parts[0] == "I" ? "holds a damaged item" : "holds a damaged record") +
              " on line " + std::to_string(n + 2);
      return false;
    }
  }
  AttachLinks(contents.items);
  std::map<int64_t, int64_t> counts;
  size_t kept = 0;
  for (StoredItem& item : contents.items) {
    if (removed.count(item.order) || undone.count(item.run)) continue;
    if (const auto link = links.find(item.order); link != links.end()) {
      item.link = std::make_shared<const StoredItem>(link->second);
    }
    ++counts[item.run];
    if (&contents.items[kept] != &item) contents.items[kept] = std::move(item);
    ++kept;
  }
  contents.items.resize(kept);
  size_t runsKept = 0;
  for (RunRecord& run : contents.runs) {
    if (undone.count(run.id)) continue;
    run.stored = counts[run.id];
    if (&contents.runs[runsKept] != &run) contents.runs[runsKept] = std::move(run);
    ++runsKept;
  }
  contents.runs.resize(runsKept);
  return true;
}

class FileCollection : public Collection {
 public:
  FileCollection(fs::path file, bool readOnly, int64_t lastOrder, int64_t lastRun)
      : file_(std::move(file)), readOnly_(readOnly), lastOrder_(lastOrder), lastRun_(lastRun) {}

  // The item belongs to the run begun last, as its line follows that run's R line.
  bool StoreItem(const StoredItem& item, int64_t& id, std::string& error) override {
    if (!Append("I\t" + ItemParts(item) + '\n', error)) return false;
    id = ++lastOrder_;
    if (index_) {
      StoredItem copy = item;
      copy.order = id;
      copy.link.reset();
      index_->Add(std::move(copy));
    }
    return true;
  }

  bool Items(std::optional<int> category, std::vector<StoredItem>& items,
             std::string& error) override {
    Contents contents;
    if (!Load(file_, contents, error)) return false;
    items.clear();
    for (StoredItem& item : contents.items) {
      if (!category || CollectionCategory(item) == *category) items.push_back(std::move(item));
    }
    return true;
  }

  bool FindSame(const StoredItem& item, int64_t& id, std::shared_ptr<const StoredItem>& link,
                std::string& error) override {
    id = 0;
    link.reset();
    // Read once: an import asks for every item it stores.
    if (!index_) {
      Contents contents;
      if (!Load(file_, contents, error)) return false;
      index_ = std::make_unique<Index>();
      for (StoredItem& stored : contents.items) index_->Add(std::move(stored));
    }
    const auto [first, last] = index_->byDigest.equal_range(ItemDigest(item));
    for (auto at = first; at != last; ++at) {
      const StoredItem& candidate = index_->items[at->second];
      if (SameItem(candidate, item)) {
        id = candidate.order;
        link = candidate.link;
        return true;
      }
    }
    return true;
  }

  bool SetLink(int64_t id, const StoredItem& link, std::string& error) override {
    if (!Append("L\t" + std::to_string(id) + '\t' + ItemParts(link) + '\n', error)) return false;
    if (index_) {
      if (const auto at = index_->byOrder.find(id); at != index_->byOrder.end()) {
        index_->items[at->second].link = std::make_shared<const StoredItem>(link);
      }
    }
    return true;
  }

  bool RemoveItems(const std::vector<int64_t>& ids, std::string& error) override {
    if (ids.empty()) return true;
    // One line, one write: all of them or none.
    std::string line = "X";
    for (const int64_t id : ids) line += '\t' + std::to_string(id);
    index_.reset();
    return Append(line + '\n', error);
  }

  bool BeginRun(RunRecord& run, std::string& error) override {
    const int64_t id = lastRun_ + 1;
    if (!Append("R\t" + std::to_string(id) + '\t' + Escape(run.started) + '\t' +
                    Escape(run.filter) + '\t' + Escape(run.source) + '\n',
                error)) {
      return false;
    }
    run.id = lastRun_ = id;
    return true;
  }

  bool EndRun(const RunRecord& run, std::string& error) override {
    return Append("E\t" + std::to_string(run.id) + '\t' + std::to_string(run.stored) + '\t' +
                      Escape(run.ending) + '\n',
                  error);
  }

  bool Runs(std::vector<RunRecord>& runs, std::string& error) override {
    Contents contents;
    if (!Load(file_, contents, error)) return false;
    runs = std::move(contents.runs);
    return true;
  }

  bool RemoveRun(int64_t run, std::string& error) override {
    index_.reset();
    return Append("U\t" + std::to_string(run) + '\n', error);
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
  // The items as FindSame searches them, kept up to date by this object's own writes.
  struct Index {
    std::vector<StoredItem> items;
    std::unordered_multimap<int64_t, size_t> byDigest;
    std::unordered_map<int64_t, size_t> byOrder;
    void Add(StoredItem item) {
      byDigest.emplace(ItemDigest(item), items.size());
      byOrder.emplace(item.order, items.size());
      items.push_back(std::move(item));
    }
  };

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
  int64_t lastOrder_, lastRun_;
  std::unique_ptr<Index> index_;
};

}  // namespace

std::unique_ptr<Collection> OpenFileCollection(const std::string& path, OpenMode mode,
                                               std::string& error) {
  const fs::path file = fs::u8path(path);
  std::error_code code;
  bool exists = false;
  if (!CheckCollectionPath(path, mode, exists, error)) return nullptr;
  if (exists) {
    Contents contents;
    std::string why;
    if (!Load(file, contents, why)) {
      error = path + " " + why;
      return nullptr;
    }
    return std::make_unique<FileCollection>(file, mode == OpenMode::kReadOnly, contents.lastOrder,
                                            contents.lastRun);
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
  return std::make_unique<FileCollection>(file, false, 0, 0);
}

}  // namespace orv::host
