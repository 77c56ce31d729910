#include "pagebuilder/tag_replacer.h"

#include <algorithm>
#include <utility>

namespace orv::pagebuilder {
namespace {

// Offsets are kept in 32 bits; a text never grows past this.
constexpr size_t kOffsetLimit = 0xFFFFFFF0u;

// A mark found in this step, not yet looked at.
constexpr int32_t kUnread = -2;

uint64_t StepBit(int step) { return step >= 0 && step < 64 ? uint64_t{1} << step : 0; }

}  // namespace

TagReplacer::TagReplacer(std::string text, const TagSet& tags)
    : tags_(tags), text_(std::move(text)) {
  if (text_.size() > kOffsetLimit) text_.resize(kOffsetLimit);
  const std::string_view view(text_);
  for (size_t at = view.find(kTagOpen); at != std::string_view::npos;
       at = view.find(kTagOpen, at + 1)) {
    const int step = tags_.Identify(view, at);
    marks_.push_back({static_cast<uint32_t>(at), step});
    present_ |= StepBit(step);
  }
}

bool TagReplacer::Fill(const std::string_view* values, uint64_t steps, size_t maxBytes,
                       std::string& out) {
  maxBytes = std::min(maxBytes, kOffsetLimit);
  current_.assign(text_);
  currentMarks_.assign(marks_.begin(), marks_.end());
  uint64_t pending = present_ & steps;
  bool complete = true;
  for (int step = 0; step < static_cast<int>(tags_.size()) && pending != 0; ++step) {
    const uint64_t bit = StepBit(step);
    if ((pending & bit) == 0) continue;
    const std::string_view value = values[step];
    const size_t tagSize = tags_.tag(step).size();
    size_t matches = 0;
    for (const Mark& mark : currentMarks_) matches += mark.step == step;
    if (matches == 0) continue;
    // Checked as a difference so that the sum cannot wrap.
    if (value.size() > tagSize &&
        (value.size() - tagSize) > (maxBytes - std::min(maxBytes, current_.size())) / matches) {
      complete = false;
      pending &= ~bit;
      continue;
    }
    ApplyStep(step, value);
    pending = 0;
    for (const Mark& mark : currentMarks_) pending |= StepBit(mark.step);
    // Only later steps remain: marks of this step or earlier ones are plain text now.
    pending &= steps & ~((bit << 1) - 1);
  }
  out.swap(current_);
  return complete;
}

void TagReplacer::ApplyStep(int step, std::string_view value) {
  const size_t tagSize = tags_.tag(step).size();
  next_.clear();
  nextMarks_.clear();
  changes_.clear();
  size_t copied = 0;  // bytes of current_ taken over so far
  for (const Mark& mark : currentMarks_) {
    if (mark.step == step) {
      next_.append(current_, copied, mark.at - copied);
      const size_t begin = next_.size();
      next_.append(value);
      changes_.push_back({begin, next_.size()});
      copied = mark.at + tagSize;
    } else {
      // A mark never lies inside a tag, so it is in text carried over unchanged.
      const size_t shift = next_.size() - copied;
      nextMarks_.push_back({static_cast<uint32_t>(mark.at + shift), mark.step});
    }
  }
  next_.append(current_, copied, std::string::npos);

  // A "<!--" that was not there before overlaps an inserted value, or straddles the place
  // where a tag was removed; it starts at most three bytes before the change.
  const std::string_view text(next_);
  found_.clear();
  size_t scanned = 0;
  for (const Change& change : changes_) {
    const size_t from = std::max(scanned, change.begin >= 3 ? change.begin - 3 : 0);
    const size_t to = change.end;  // starts in [from, to)
    if (from < to) {
      const std::string_view window = text.substr(0, std::min(text.size(), to + 3));
      for (size_t at = window.find(kTagOpen, from); at != std::string_view::npos && at < to;
           at = window.find(kTagOpen, at + 1)) {
        found_.push_back({static_cast<uint32_t>(at), kUnread});
      }
    }
    scanned = std::max(scanned, to);
  }

  currentMarks_.clear();
  currentMarks_.reserve(nextMarks_.size() + found_.size());
  std::merge(nextMarks_.begin(), nextMarks_.end(), found_.begin(), found_.end(),
             std::back_inserter(currentMarks_),
             [](const Mark& a, const Mark& b) { return a.at < b.at; });

  // What a mark names can change when a change starts within a tag's length after it.
  const size_t reach = tags_.longest();
  size_t next = 0;
  for (Mark& mark : currentMarks_) {
    while (next < changes_.size() && changes_[next].begin <= mark.at) ++next;
    const bool touched = next < changes_.size() && changes_[next].begin < mark.at + reach;
    if (mark.step == kUnread || touched) mark.step = tags_.Identify(text, mark.at);
  }
  current_.swap(next_);
}

}  // namespace orv::pagebuilder
