#include "filmcard/filmcard_filter.h"

#include <limits>

#include "contract/medium.h"
#include "contract/path.h"
#include "filmcard/filmcard_dialog.h"
#include "text/number.h"
#include "filmcard/poster_copy.h"
#include "filmcard/resource_ids.h"
#include "filmcard/running_time.h"
#include "filmcard/title_composition.h"
#include "filmcard/video_standard.h"
#include "platform/resources.h"

namespace orv::filmcard {

FilmcardFilter::FilmcardFilter() : table_(MakeOptionTable(options_)) {}

void FilmcardFilter::Describe(FilterInfo& info) {
  info.category = ORV_CATEGORY_VIDEO;
  info.sourceKind = ORV_SOURCE_FILE;
  info.isExport = 0;
}

std::unique_ptr<ui::DialogLogic> FilmcardFilter::MakeOptionsDialog() {
  return std::make_unique<FilmcardDialog>(table_, options_);
}

int32_t FilmcardFilter::Open(const char* path, HostDocument* document, ItemList* items) {
  cards_.End();
  running_ = false;
  document_ = document;
  items_ = items;
  const std::string chosen = path ? path : "";
  const std::optional<std::string> folder = FolderOf(chosen);
  if (!folder || !platform::PathExists(chosen)) return 0;
  cardPath_ = chosen;
  runFolder_ = *folder;
  pictureFolder_.clear();
  if (document_ && document_->pictureDirs) {
    pictureFolder_ = StringOf(document_->pictureDirs[ORV_CATEGORY_VIDEO]);
  }
  running_ = true;
  return 1;
}

int32_t FilmcardFilter::Close() {
  cards_.End();
  running_ = false;
  document_ = nullptr;
  items_ = nullptr;
  return 1;
}

std::string FilmcardFilter::SearchPattern() const {
  if (options_.allFiles == 1) {
    return JoinPath(runFolder_, platform::LoadResourceString(kStringFileMask));
  }
  return cardPath_;
}

int32_t FilmcardFilter::GetCount() {
  cards_.End();
  if (!running_) return 0;
  platform::FileEnumeration counting;
  std::string name;
  int32_t count = 0;
  for (bool found = counting.Start(SearchPattern(), name);
       found && count < std::numeric_limits<int32_t>::max(); found = counting.Next(name)) {
    ++count;
  }
  return count;
}

int32_t FilmcardFilter::ProcessItem(MediaItem& item, int32_t& itemKind) {
  itemKind = 0;
  if (!running_) return -1;
  std::string name;
  const bool found = cards_.IsOpen() ? cards_.Next(name) : cards_.Start(SearchPattern(), name);
  if (!found) return -1;
  const std::optional<CardLines> card = ReadCard(JoinPath(runFolder_, name));
  if (!card) return 0;
  FillItem(*card, name, item);
  itemKind = ORV_CATEGORY_VIDEO;
  return 1;
}

void FilmcardFilter::FillItem(const CardLines& card, const std::string& cardName,
                              MediaItem& item) const {
  item.category = ORV_CATEGORY_VIDEO;
  item.format1 = options_.defFormat;
  item.format2 = options_.defScreen;
  item.medium = MediumCode(ORV_CATEGORY_VIDEO, options_.defSupport);
  item.sound = options_.defSound;
  item.price = static_cast<float>(text::IntegerValue(options_.defValue));

  Assign(&item.author, card[kLineDirector]);
  item.year = text::IntegerValue(card[kLineYear]);
  Assign(&item.lang, card[kLineCountry]);
  if (options_.useCountry == 1) {
    item.format1 = VideoStandardOf(card[kLineCountry], item.format1);
  }
  Assign(&item.type, card[kLineGenre]);
  // A card without a running time takes the default duration rather than 00:00:00.
  const std::string length = RunningTimeOf(card[kLineRunningTime])
                                 .value_or(DefaultDuration(options_.defTime, DefaultTimeText()));
  CopyFixedText(item.length, sizeof item.length, length.substr(0, 9));
  Assign(&item.coauthor, card[kLineActors]);
  if (options_.getComment == 1) Assign(&item.comment, card[kLineSynopsis]);
  Assign(&item.editor, card[kLineDistributor]);

  Assign(&item.title,
         ComposeTitle(card[kLineFrenchTitle], card[kLineEnglishTitle], options_.setTitle,
                      options_.setLower == 1, platform::LoadResourceString(kStringUntitled)));

  if (options_.copyJpeg == 1) {
    const std::optional<std::string> poster =
        PosterNameOf(cardName, platform::LoadResourceString(kStringPosterRename));
    // The item names the poster only when it really is in the picture folder.
    if (poster && CopyPoster(runFolder_, pictureFolder_, *poster)) Assign(&item.image, *poster);
  }
}

}  // namespace orv::filmcard
