// One export run: Open reads and splits the template and prepares the output, each WriteNext
// writes the next item of the host's list, Close finishes the output.
//
// Loop mode writes one file: the head at Open, the body filled for each item, the tail at
// Close. File mode writes one page per item beside the output path (page_names.h).
#ifndef ORV_PAGEBUILDER_EXPORT_RUN_H
#define ORV_PAGEBUILDER_EXPORT_RUN_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "contract/abi.h"
#include "pagebuilder/item_values.h"
#include "pagebuilder/page_file.h"
#include "pagebuilder/page_names.h"
#include "pagebuilder/tag_replacer.h"
#include "pagebuilder/template_split.h"

namespace orv::pagebuilder {

// Templates beyond this size are refused; no page or value set of a real collection needs more.
inline constexpr size_t kMaxTemplateBytes = 16u << 20;
// One filled page (or one item's part of a loop-mode file) never grows beyond this.
inline constexpr size_t kMaxPageBytes = 64u << 20;

struct ExportSettings {
  int category = 1;  // 1..5: which picture folder of the document the pictures come from
  bool copyIcons = true;
  bool copyImages = true;
  bool namesFromTitles = true;
  std::string templatePath;
  std::string iconFolder;
};

class ExportRun {
 public:
  ExportRun();
  ~ExportRun();
  ExportRun(const ExportRun&) = delete;
  ExportRun& operator=(const ExportRun&) = delete;

  // False, writing nothing, when the output path is empty or has no folder, or when the template
  // cannot be read; in loop mode also when the output file cannot be created. `document` and
  // `items` may be null; they must stay valid until Close.
  bool Open(std::string_view outputPath, const HostDocument* document, const ItemList* items,
            const ExportSettings& settings);
  // Items the run will write (0 when there is no list).
  int32_t Count() const;
  // Writes the next item and gives 1 with itemKind its category; -1 when all items are written
  // or when its page cannot be written (which ends the run).
  int32_t WriteNext(int32_t& itemKind);
  // Loop mode: writes the tail and closes the file. False when the file could not be finished.
  bool Close();

  bool IsOpen() const { return open_; }
  ExportMode mode() const { return mode_; }

 private:
  bool open_ = false;
  ExportMode mode_ = ExportMode::kFile;
  ExportSettings settings_;
  std::string outputFolder_;
  std::string pictureFolder_;
  const ItemList* items_ = nullptr;
  int32_t position_ = 0;
  std::string tail_;
  std::unique_ptr<TagReplacer> body_;
  std::unique_ptr<ItemValues> values_;
  std::optional<PageNamer> names_;
  PageFile output_;
  std::string page_;
};

// True when pages to this path keep comments as they are (the path holds ".XML" in any case).
bool IsXmlOutput(std::string_view outputPath);

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_EXPORT_RUN_H
