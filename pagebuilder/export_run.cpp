#include "pagebuilder/export_run.h"

#include "contract/host_string.h"
#include "contract/path.h"
#include "pagebuilder/asset_copy.h"
#include "pagebuilder/template_tags.h"
#include "platform/files.h"
#include "text/ascii.h"

namespace orv::pagebuilder {
namespace {

std::string PictureFolder(const HostDocument* document, int category) {
  if (!document || !document->pictureDirs) return "";
  if (category < ORV_CATEGORY_VIDEO || category > ORV_CATEGORY_COLLECTIBLE) return "";
  return StringOf(document->pictureDirs[category]);
}

// Fills a head or tail with the document's values.
std::string FillDocumentPart(std::string text, const ItemValues& values) {
  if (text.empty()) return text;
  TagReplacer part(std::move(text), TemplateTags());
  std::string filled;
  part.Fill(values.values(), DocumentSteps(), kMaxPageBytes, filled);
  return filled;
}

}  // namespace

bool IsXmlOutput(std::string_view outputPath) {
  return text::ToUpperAscii(outputPath).find(".XML") != std::string::npos;
}

ExportRun::ExportRun() = default;
ExportRun::~ExportRun() { Close(); }

bool ExportRun::Open(std::string_view outputPath, const HostDocument* document,
                     const ItemList* items, const ExportSettings& settings) {
  Close();
  if (outputPath.empty()) return false;
  const std::optional<std::string> folder = FolderOf(outputPath);
  if (!folder) return false;

  std::string text;
  if (settings.templatePath.empty() ||
      !platform::ReadWholeFile(settings.templatePath, text, kMaxTemplateBytes)) {
    return false;
  }
  TemplateParts parts = SplitTemplate(text);
  text.clear();
  text.shrink_to_fit();

  const std::string path(outputPath);
  auto values = std::make_unique<ItemValues>(document, IsXmlOutput(outputPath));
  if (parts.mode == ExportMode::kLoop) {
    const std::string head = FillDocumentPart(std::move(parts.head), *values);
    if (!output_.Create(path)) return false;
    if (!output_.Write(head)) {
      output_.Close();
      return false;
    }
    tail_ = FillDocumentPart(std::move(parts.tail), *values);
  } else {
    names_.emplace(outputPath);
    // A page named like the template beside it would destroy the template.
    const std::optional<std::string> templateFolder = FolderOf(settings.templatePath);
    if (templateFolder && text::EqualsIgnoringAsciiCase(*templateFolder, *folder)) {
      names_->Reserve(FileNameOf(settings.templatePath));
    }
  }

  settings_ = settings;
  mode_ = parts.mode;
  outputFolder_ = *folder;
  pictureFolder_ = PictureFolder(document, settings.category);
  items_ = items;
  position_ = 0;
  body_ = std::make_unique<TagReplacer>(std::move(parts.body), TemplateTags());
  values_ = std::move(values);
  open_ = true;

  if (settings_.copyIcons && !settings_.iconFolder.empty()) {
    CopyIcons(settings_.iconFolder, outputFolder_);
  }
  return true;
}

int32_t ExportRun::Count() const {
  if (!items_ || !items_->items || items_->count < 0) return 0;
  return items_->count;
}

int32_t ExportRun::WriteNext(int32_t& itemKind) {
  itemKind = 0;
  if (!open_ || position_ >= Count()) return -1;
  const MediaItem& item = items_->items[position_];
  values_->SetItem(item, static_cast<int64_t>(position_) + 1);
  body_->Fill(values_->values(), AllSteps(), kMaxPageBytes, page_);

  if (settings_.copyImages) CopyPicture(pictureFolder_, TextOf(item.image), outputFolder_);

  itemKind = item.category;
  ++position_;
  if (mode_ == ExportMode::kLoop) {
    if (output_.Write(page_)) return 1;
  } else {
    if (WritePage(names_->Next(TextOf(item.title), settings_.namesFromTitles), page_)) return 1;
  }
  // A page that cannot be written ends the run rather than being reported as written.
  itemKind = 0;
  return -1;
}

bool ExportRun::Close() {
  if (!open_) return true;
  bool ok = true;
  if (mode_ == ExportMode::kLoop) {
    ok = output_.Write(tail_);
    ok = output_.Close() && ok;
  }
  open_ = false;
  items_ = nullptr;
  body_.reset();
  values_.reset();
  names_.reset();
  tail_.clear();
  page_.clear();
  return ok;
}

}  // namespace orv::pagebuilder
