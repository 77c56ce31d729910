#include "pagebuilder/item_values.h"

#include "contract/host_string.h"
#include "contract/list_piece.h"
#include "contract/medium.h"
#include "pagebuilder/pagebuilder_ids.h"
#include "platform/resources.h"

namespace orv::pagebuilder {
namespace {

std::string_view CodeList(const HostDocument* document, int which) {
  if (!document || !document->codeLists) return {};
  return TextOf(document->codeLists[which]);
}

}  // namespace

ItemValues::ItemValues(const HostDocument* document, bool xmlOutput)
    : xmlOutput_(xmlOutput),
      mediumError_(platform::LoadResourceString(kStringMediumError)),
      codeBeyond_(platform::LoadResourceString(kStringCodeBeyond)),
      media_(MediumNames()),
      format1_(CodeList(document, ORV_CODE_FORMAT1)),
      format2_(CodeList(document, ORV_CODE_FORMAT2)),
      sound_(CodeList(document, ORV_CODE_SOUND)) {
  if (document) {
    owner_ = StringOf(document->docowner);
    title_ = StringOf(document->doctitle);
    currency_ = StringOf(document->doccurr);
  }
  Set(kTagDocowner, owner_);
  Set(kTagDoctitle, title_);
  Set(kTagDoccurr, currency_);
  const std::string captions = platform::LoadResourceString(kStringHeaderCaptions);
  for (int n = 1; n <= kHeaderCount; ++n) {
    headers_[n - 1] = GetListPiece(n, captions, "", "|", EmptyPiece::kEmptyText);
    views_[StepOfHeader(n)] = headers_[n - 1];
  }
}

void ItemValues::Set(int tagNumber, std::string_view value) {
  views_[StepOfTag(tagNumber)] = value;
}

void ItemValues::SetItem(const MediaItem& item, int64_t number) {
  numb_ = DecimalText(number);
  icon_ = IconFileName(item.medium);
  year_ = DecimalText(item.year);
  rating_ = DecimalText(item.rating);
  chap_ = DecimalText(item.chap);
  price_ = PriceText(item.price);
  if (xmlOutput_) {
    comment_.clear();
    Set(kTagComment, TextOf(item.comment));
  } else {
    comment_ = CommentAsHtml(TextOf(item.comment));
    Set(kTagComment, comment_);
  }
  Set(kTagRepeat, {});
  Set(kTagEor, {});
  Set(kTagNumb, numb_);
  Set(kTagIcon, icon_);
  Set(kTagMedium, media_.Name(item.medium, mediumError_));
  Set(kTagTitle, TextOf(item.title));
  Set(kTagType, TextOf(item.type));
  Set(kTagEditor, TextOf(item.editor));
  Set(kTagAuthor, TextOf(item.author));
  Set(kTagCoauthor, TextOf(item.coauthor));
  Set(kTagYear, year_);
  Set(kTagLang, TextOf(item.lang));
  Set(kTagRating, rating_);
  Set(kTagLength, FixedText(item.length, sizeof item.length));
  Set(kTagFormat1, format1_.Name(item.format1, codeBeyond_));
  Set(kTagFormat2, format2_.Name(item.format2, codeBeyond_));
  Set(kTagSound, sound_.Name(item.sound, codeBeyond_));
  Set(kTagChap, chap_);
  Set(kTagDate, FixedText(item.date, sizeof item.date));
  Set(kTagPrice, price_);
  Set(kTagLendname, TextOf(item.lendname));
  Set(kTagLendat1, FixedText(item.lendat1, sizeof item.lendat1));
  Set(kTagLendat2, FixedText(item.lendat2, sizeof item.lendat2));
  Set(kTagCustom1, TextOf(item.custom1));
  Set(kTagCustom2, TextOf(item.custom2));
  Set(kTagCustom3, TextOf(item.custom3));
  Set(kTagImage, TextOf(item.image));
}

}  // namespace orv::pagebuilder
