// An ordered set of comment tags ("<!--word-->") and how to recognise one in a text.
//
// Every tag opens with "<!--", so a text's tags are found by looking only at its "<!--" marks.
// Words hold no '-', which makes a tag end at the first "-->" after its word: two tags never
// overlap and a mark names at most one tag.
#ifndef ORV_PAGEBUILDER_TAG_SET_H
#define ORV_PAGEBUILDER_TAG_SET_H

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orv::pagebuilder {

inline constexpr std::string_view kTagOpen = "<!--";
inline constexpr std::string_view kTagClose = "-->";

class TagSet {
 public:
  // At most 64 tags, each "<!--" + a word without '-' + "-->"; their order is the step order of
  // the replacement. Malformed or repeated entries are never recognised.
  explicit TagSet(std::vector<std::string> tags);

  size_t size() const { return tags_.size(); }
  const std::string& tag(size_t step) const { return tags_[step]; }
  // Longest tag: how far a change can reach back to alter what a mark names.
  size_t longest() const { return longest_; }

  // The step of the tag that starts at `at` in `text`, or -1. The caller knows a "<!--" is there.
  int Identify(std::string_view text, size_t at) const;

 private:
  std::vector<std::string> tags_;
  std::vector<std::pair<std::string, int>> byWord_;  // sorted by word
  size_t longest_ = 0;
  size_t longestWord_ = 0;
};

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_TAG_SET_H
