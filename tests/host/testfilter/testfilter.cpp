// A filter that exists to exercise orvhost: its behaviour comes from its options, so a test sets
// them with `orvhost configure testfilter --set` and checks what the host makes of the run.
//
// Import (Export=0): Count items of category Category, each with every field set from its
// number, so a round trip through the collection can be checked field by field. ThrowAt makes
// ProcessItem throw at that item, SkipAt returns 0 there, StrangeAt returns 7 (outside the
// contract) there, DieAt ends the process there at once, FailOpen makes Open give 0, Heading
// first delivers a heading item (kind 64), Echo delivers one item that repeats the HostDocument,
// Link follows each item with its web link (the item's kind + 256, then a link item of kind 128),
// Kind reports that itemKind for every item instead of its category, as filescan reports 4, and
// SleepMs waits that long before each item (imported or written), for runs long enough to
// interrupt.
// Export (Export=1): writes one line per item of the ItemList to the output path.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>

#include "contract/filter.h"
#include "text/codepage.h"

namespace {

// Texts are written here in UTF-8 and handed over in the user's code page, as a filter must.
void Put(HostString* field, const std::string& utf8) {
  orv::Assign(field, orv::text::Utf8ToUser(utf8));
}

class TestFilter : public orv::Filter {
 public:
  int32_t Open(const char* path, HostDocument* document, ItemList* items) override {
    next_ = 0;
    headingDone_ = false;
    pendingLink_.clear();
    document_ = document;
    items_ = items;
    if (failOpen_) return 0;
    if (export_) {
      output_ = std::fopen(path, "wb");
      if (!output_) return 0;
    }
    return 1;
  }

  int32_t Close() override {
    if (output_) std::fclose(output_);
    output_ = nullptr;
    document_ = nullptr;
    items_ = nullptr;
    return 1;
  }

  int32_t GetCount() override {
    if (export_) return items_ ? items_->count : 0;
    return echo_ ? 1 : count_;
  }

  int32_t ProcessItem(MediaItem& item, int32_t& itemKind) override {
    if (export_) return WriteNext(itemKind);
    if (heading_ && !headingDone_) {
      headingDone_ = true;
      Put(&item.title, "Rubrique d'essai");
      item.level = 1;
      item.category = category_;
      itemKind = ORV_KIND_HEADING;
      return 1;
    }
    if (echo_) return next_++ == 0 ? Echo(item, itemKind) : -1;
    if (!pendingLink_.empty()) {
      Put(&item.title, pendingTitle_);
      Put(&item.type, pendingLink_);
      pendingLink_.clear();
      itemKind = ORV_KIND_LINK;
      return 1;
    }
    if (next_ >= count_) return -1;
    const int index = next_++;
    if (index == throwAt_) throw std::runtime_error("ProcessItem failed on purpose");
    if (index == skipAt_) return 0;
    if (index == strangeAt_) return 7;
    if (index == dieAt_) std::_Exit(9);  // no clean-up at all, as when the power goes
    if (sleepMs_ > 0) std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs_));
    Fill(item, index);
    itemKind = kind_ ? kind_ : category_;
    if (link_) {
      itemKind += ORV_KIND_WITH_LINK;
      pendingTitle_ = prefix_ + " n°" + std::to_string(index + 1);
      pendingLink_ = "https://films.example/fiche/" + std::to_string(index + 1);
    }
    return 1;
  }

 protected:
  void Describe(FilterInfo& info) override {
    info.category = category_;
    info.sourceKind = export_ ? ORV_SOURCE_FILE : ORV_SOURCE_NONE;
    info.isExport = export_ ? 1 : 0;
  }

  orv::OptionTable& Options() override { return options_; }

 private:
  void Fill(MediaItem& item, int index) const {
    const std::string n = std::to_string(index + 1);
    Put(&item.title, prefix_ + " n°" + n + " : l'été à Noël");
    Put(&item.type, "Comédie dramatique");
    Put(&item.editor, "Éditions \"Kelvard\" & fils");
    Put(&item.author, "Zoé Müller");
    Put(&item.coauthor, "Anaïs Lefèvre, Jérôme Ørsted");
    orv::CopyFixedText(item.length, sizeof item.length, "01:3" + n.substr(0, 1) + ":05");
    orv::CopyFixedText(item.date, sizeof item.date, "2004/06/1" + n.substr(0, 1));
    item.category = category_;
    item.year = 1990 + index;
    item.chap = 12 + index;
    item.rating = index % 10;
    item.price = 12.5f + static_cast<float>(index);
    Put(&item.lang, "Français");
    item.format1 = 1;
    item.format2 = 3;
    item.medium = 19;
    item.sound = 7;
    Put(&item.custom1, "champ ① " + n);
    Put(&item.custom2, "tab\there");
    Put(&item.custom3, "back\\slash");
    Put(&item.comment, "Première ligne\r\nDeuxième ligne « citée »");
    Put(&item.image, "affiche" + n + ".jpg");
    orv::CopyFixedText(item.lendat1, sizeof item.lendat1, "2005/01/02");
    orv::CopyFixedText(item.lendat2, sizeof item.lendat2, "2005/02/03");
    Put(&item.lendname, "Gaëlle");
    item.level = 0;
  }

  // One item that repeats what the host handed to Open, so a test can check the HostDocument.
  int32_t Echo(MediaItem& item, int32_t& itemKind) const {
    if (!document_) return 0;
    orv::Assign(&item.title, orv::TextOf(document_->doctitle));
    orv::Assign(&item.author, orv::TextOf(document_->docowner));
    orv::Assign(&item.lang, orv::TextOf(document_->doccurr));
    if (document_->codeLists) {
      orv::Assign(&item.custom1, orv::TextOf(document_->codeLists[ORV_CODE_FORMAT1]));
      orv::Assign(&item.custom2, orv::TextOf(document_->codeLists[ORV_CODE_SOUND]));
      orv::Assign(&item.custom3, orv::TextOf(document_->codeLists[ORV_CODE_FORMAT2]));
    }
    if (document_->pictureDirs && category_ >= 1 && category_ <= 5) {
      orv::Assign(&item.image, orv::TextOf(document_->pictureDirs[category_]));
    }
    orv::Assign(&item.editor, orv::TextOf(document_->proxyServer));
    orv::Assign(&item.coauthor, orv::TextOf(document_->proxyUser));
    orv::Assign(&item.comment, orv::TextOf(document_->proxyPassword));
    item.chap = document_->proxyPort;
    item.category = category_;
    itemKind = category_;
    return 1;
  }

  int32_t WriteNext(int32_t& itemKind) {
    if (!items_ || !output_ || next_ >= items_->count) return -1;
    if (sleepMs_ > 0) std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs_));
    const MediaItem& item = items_->items[next_++];
    std::fprintf(output_, "%s|%d|%s\n", hs_text(item.title), static_cast<int>(item.year),
                 hs_text(item.author));
    itemKind = item.category;
    return 1;
  }

  int32_t count_ = 3, category_ = 1, failOpen_ = 0, throwAt_ = -1, skipAt_ = -1, export_ = 0;
  int32_t heading_ = 0, echo_ = 0, strangeAt_ = -1, dieAt_ = -1, link_ = 0, kind_ = 0;
  int32_t sleepMs_ = 0;
  std::string prefix_, pendingTitle_, pendingLink_;
  orv::OptionTable options_ = {
      orv::IntOption("Count", &count_, 3),
      orv::IntOption("Category", &category_, 1),
      orv::IntOption("FailOpen", &failOpen_, 0, orv::OptionControl::kCheckBox, 1001),
      orv::IntOption("ThrowAt", &throwAt_, -1),
      orv::IntOption("SkipAt", &skipAt_, -1),
      orv::IntOption("Export", &export_, 0, orv::OptionControl::kCheckBox, 1002),
      orv::IntOption("Heading", &heading_, 0, orv::OptionControl::kCheckBox, 1004),
      orv::IntOption("Echo", &echo_, 0),
      orv::IntOption("StrangeAt", &strangeAt_, -1),
      orv::IntOption("DieAt", &dieAt_, -1),
      orv::TextOption("Prefix", &prefix_, "Film", orv::OptionControl::kEdit, 1003),
      orv::IntOption("Link", &link_, 0),
      orv::IntOption("Kind", &kind_, 0),
      orv::IntOption("SleepMs", &sleepMs_, 0),
  };

  int next_ = 0;
  bool headingDone_ = false;
  HostDocument* document_ = nullptr;
  ItemList* items_ = nullptr;
  std::FILE* output_ = nullptr;
};

}  // namespace

ORV_EXPORT_FILTER(TestFilter)
