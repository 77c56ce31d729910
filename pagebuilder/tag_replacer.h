// Fills a text's tags with values, tag after tag in the order of a TagSet.
//
// The result is exactly that of replacing every occurrence of the first tag in the whole text,
// then every occurrence of the second in the result, and so on: a value holding a later tag has
// that tag replaced in turn, one holding an earlier tag keeps it as text, and a tag that only
// comes together once a neighbour is replaced is replaced if its own step is still to come.
// Instead of searching the whole text for each of the tags, the text's "<!--" marks are found
// once when it is prepared; a fill then only looks at marks and rescans the few bytes around
// each inserted value, so a step whose tag is absent costs nothing.
//
// Growth is capped: a step that would take the text beyond the cap is skipped (its tags stay as
// they are), since values holding tags of later steps could otherwise multiply without end.
#ifndef ORV_PAGEBUILDER_TAG_REPLACER_H
#define ORV_PAGEBUILDER_TAG_REPLACER_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pagebuilder/tag_set.h"

namespace orv::pagebuilder {

class TagReplacer {
 public:
  // `tags` must outlive the replacer.
  TagReplacer(std::string text, const TagSet& tags);

  // Replaces, for every step in `steps` (bit i: step i) in step order, each occurrence of that
  // step's tag by values[i]; `values` holds one entry per tag of the set. The filled text goes
  // to `out`. Returns false when a step was skipped because the text would exceed maxBytes.
  bool Fill(const std::string_view* values, uint64_t steps, size_t maxBytes, std::string& out);

  const std::string& text() const { return text_; }
  // The steps whose tags the prepared text holds as it stands.
  uint64_t presentSteps() const { return present_; }

 private:
  struct Mark {
    uint32_t at;   // offset of a "<!--"
    int32_t step;  // the tag starting there, -1 for none
  };
  struct Change {
    size_t begin, end;  // an inserted value in the new text (empty for a removed tag)
  };

  void ApplyStep(int step, std::string_view value);

  const TagSet& tags_;
  std::string text_;
  std::vector<Mark> marks_;
  uint64_t present_ = 0;

  // Working buffers, kept between fills to save allocations.
  std::string current_, next_;
  std::vector<Mark> currentMarks_, nextMarks_, found_;
  std::vector<Change> changes_;
};

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_TAG_REPLACER_H
