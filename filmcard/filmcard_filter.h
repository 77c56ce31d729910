// filmcard, the film card import: turns ".film" cards into video items, either the card the
// user chose or every card of its folder, and copies each card's poster into the host's video
// picture folder.
//
// Run state lives from Open to Close: the chosen card, its folder, the picture folder and the
// enumeration of the cards (none until the first ProcessItem; GetCount counts with an
// enumeration of its own and ends it).
#ifndef ORV_FILMCARD_FILMCARD_FILTER_H
#define ORV_FILMCARD_FILMCARD_FILTER_H

#include <memory>
#include <string>

#include "contract/filter.h"
#include "filmcard/card_reader.h"
#include "filmcard/filmcard_options.h"
#include "platform/files.h"

namespace orv::filmcard {

class FilmcardFilter : public Filter {
 public:
  FilmcardFilter();

  // 0 when nothing exists at the path or the path names no folder.
  int32_t Open(const char* path, HostDocument* document, ItemList* items) override;
  int32_t Close() override;
  int32_t GetCount() override;
  // 1 with itemKind 1 for a card, 0 for a card that cannot be opened, -1 when none is left.
  int32_t ProcessItem(MediaItem& item, int32_t& itemKind) override;

  FilmcardOptions& Settings() { return options_; }

 protected:
  void Describe(FilterInfo& info) override;
  OptionTable& Options() override { return table_; }
  std::unique_ptr<ui::DialogLogic> MakeOptionsDialog() override;

 private:
  std::string SearchPattern() const;
  void FillItem(const CardLines& card, const std::string& cardName, MediaItem& item) const;

  FilmcardOptions options_;
  OptionTable table_;

  bool running_ = false;
  HostDocument* document_ = nullptr;
  ItemList* items_ = nullptr;
  std::string cardPath_;
  std::string runFolder_;
  std::string pictureFolder_;
  platform::FileEnumeration cards_;
};

}  // namespace orv::filmcard

#endif  // ORV_FILMCARD_FILMCARD_FILTER_H
