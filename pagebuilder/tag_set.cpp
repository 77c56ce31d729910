#include "pagebuilder/tag_set.h"

#include <algorithm>

namespace orv::pagebuilder {
namespace {

bool IsWellFormed(std::string_view tag) {
  if (tag.size() <= kTagOpen.size() + kTagClose.size()) return false;
  if (tag.substr(0, kTagOpen.size()) != kTagOpen) return false;
  if (tag.substr(tag.size() - kTagClose.size()) != kTagClose) return false;
  const std::string_view word =
      tag.substr(kTagOpen.size(), tag.size() - kTagOpen.size() - kTagClose.size());
  return word.find('-') == std::string_view::npos;
}

}  // namespace

TagSet::TagSet(std::vector<std::string> tags) : tags_(std::move(tags)) {
  if (tags_.size() > 64) tags_.resize(64);  // steps are bits of a 64-bit mask
  for (size_t step = 0; step < tags_.size(); ++step) {
    const std::string& tag = tags_[step];
    longest_ = std::max(longest_, tag.size());
    if (!IsWellFormed(tag)) continue;
    std::string word = tag.substr(kTagOpen.size(), tag.size() - kTagOpen.size() - kTagClose.size());
    longestWord_ = std::max(longestWord_, word.size());
    byWord_.emplace_back(std::move(word), static_cast<int>(step));
  }
  std::stable_sort(byWord_.begin(), byWord_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  // A repeated tag belongs to its first step only.
  byWord_.erase(std::unique(byWord_.begin(), byWord_.end(),
                            [](const auto& a, const auto& b) { return a.first == b.first; }),
                byWord_.end());
}

int TagSet::Identify(std::string_view text, size_t at) const {
  const size_t wordStart = at + kTagOpen.size();
  if (wordStart > text.size()) return -1;
  const size_t limit = std::min(text.size(), wordStart + longestWord_ + 1);
  size_t end = wordStart;
  while (end < limit && text[end] != '-') ++end;
  if (end == wordStart || end - wordStart > longestWord_) return -1;
  if (text.substr(end, kTagClose.size()) != kTagClose) return -1;
  const std::string_view word = text.substr(wordStart, end - wordStart);
  const auto found = std::lower_bound(
      byWord_.begin(), byWord_.end(), word,
      [](const std::pair<std::string, int>& entry, std::string_view w) { return entry.first < w; });
  if (found == byWord_.end() || found->first != word) return -1;
  return found->second;
}

}  // namespace orv::pagebuilder
