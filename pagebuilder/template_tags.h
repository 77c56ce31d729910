// The tags of an export template and the order they are replaced in.
//
// Tags are numbered as the tag list of the options dialog shows them (string 41): 1 repeat,
// 2 eor, 3 numb ... 31 doccurr. They are replaced in the order 1 to 10, 12, 11, 13, 14, 19, 15
// to 18, 20 to 31, then the header tags "<!--header01-->" to "<!--header24-->".
#ifndef ORV_PAGEBUILDER_TEMPLATE_TAGS_H
#define ORV_PAGEBUILDER_TEMPLATE_TAGS_H

#include <cstdint>
#include <string>

#include "pagebuilder/tag_set.h"

namespace orv::pagebuilder {

enum TagNumber : int {
  kTagRepeat = 1,
  kTagEor,
  kTagNumb,
  kTagIcon,
  kTagMedium,
  kTagTitle,
  kTagType,
  kTagEditor,
  kTagAuthor,
  kTagCoauthor,
  kTagYear,
  kTagLang,
  kTagRating,
  kTagLength,
  kTagFormat1,
  kTagFormat2,
  kTagSound,
  kTagChap,
  kTagDate,
  kTagPrice,
  kTagLendname,
  kTagLendat1,
  kTagLendat2,
  kTagCustom1,
  kTagCustom2,
  kTagCustom3,
  kTagImage,
  kTagComment,
  kTagDocowner,
  kTagDoctitle,
  kTagDoccurr,
};

inline constexpr int kTagCount = 31;
inline constexpr int kHeaderCount = 24;
inline constexpr int kStepCount = kTagCount + kHeaderCount;

inline constexpr const char* kRepeatTag = "<!--repeat-->";
inline constexpr const char* kEorTag = "<!--eor-->";

// "<!--title-->" for kTagTitle; "" outside 1..31.
std::string TagText(int tagNumber);
// "<!--header01-->" for n = 1.
std::string HeaderTagText(int n);

// Every tag and header tag, in replacement order.
const TagSet& TemplateTags();
// Its step for a tag number (1..31) or a header (1..24); -1 outside.
int StepOfTag(int tagNumber);
int StepOfHeader(int n);

// The steps filled in a head or tail: the document's owner, title, currency and the headers.
uint64_t DocumentSteps();
inline uint64_t AllSteps() { return (uint64_t{1} << kStepCount) - 1; }

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_TEMPLATE_TAGS_H
