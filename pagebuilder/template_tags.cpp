#include "pagebuilder/template_tags.h"

#include <cstdio>
#include <vector>

namespace orv::pagebuilder {
namespace {

// Words of tags 1..31 (index 0 unused): the host record's field names.
constexpr const char* kWords[kTagCount + 1] = {
    "",        "repeat",  "eor",      "numb",  "icon",    "medium",   "title",    "type",
    "editor",  "author",  "coauthor", "year",  "lang",    "rating",   "length",   "format1",
    "format2", "sound",   "chap",     "date",  "price",   "lendname", "lendat1",  "lendat2",
    "custom1", "custom2", "custom3",  "image", "comment", "docowner", "doctitle", "doccurr"};

// Tag numbers in replacement order: year after lang, date before the code lists.
constexpr int kOrder[kTagCount] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 12, 11, 13, 14, 19, 15,
                                   16, 17, 18, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31};

}  // namespace

std::string TagText(int tagNumber) {
  if (tagNumber < 1 || tagNumber > kTagCount) return "";
  return std::string(kTagOpen) + kWords[tagNumber] + std::string(kTagClose);
}

std::string HeaderTagText(int n) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "<!--header%02d-->", n);
  return buffer;
}

const TagSet& TemplateTags() {
  static const TagSet tags = [] {
    std::vector<std::string> list;
    for (int number : kOrder) list.push_back(TagText(number));
    for (int n = 1; n <= kHeaderCount; ++n) list.push_back(HeaderTagText(n));
    return TagSet(std::move(list));
  }();
  return tags;
}

int StepOfTag(int tagNumber) {
  for (int step = 0; step < kTagCount; ++step) {
    if (kOrder[step] == tagNumber) return step;
  }
  return -1;
}

int StepOfHeader(int n) { return n >= 1 && n <= kHeaderCount ? kTagCount + n - 1 : -1; }

uint64_t DocumentSteps() {
  uint64_t steps = 0;
  for (int tag : {kTagDocowner, kTagDoctitle, kTagDoccurr}) steps |= uint64_t{1} << StepOfTag(tag);
  for (int n = 1; n <= kHeaderCount; ++n) steps |= uint64_t{1} << StepOfHeader(n);
  return steps;
}

}  // namespace orv::pagebuilder
