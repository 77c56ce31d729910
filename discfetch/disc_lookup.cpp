#include "discfetch/disc_lookup.h"

#include "contract/filter.h"
#include "discfetch/match_choice_dialog.h"
#include "discfetch/resource_ids.h"
#include "platform/resources.h"
#include "platform/ui.h"

namespace orv::discfetch {
namespace {

LookupResult Failed(DiscFailure failure) {
  LookupResult result;
  result.kind =
      LeavesQueue(failure.outcome) ? LookupResult::Kind::kNotFound : LookupResult::Kind::kFailed;
  result.failure = std::move(failure);
  return result;
}

}  // namespace

DiscFailure DiscLookup::FailureNow(DiscFailure failure) const {
  failure.outcome = OutcomeOf(client_.LastError());
  failure.server = client_.LastServer();
  failure.serverLine = failure.outcome == LookupOutcome::kRefused ? client_.ServerLine() : "";
  return failure;
}

bool DiscLookup::Query(uint32_t discId, const platform::DiscToc& toc, DiscFailure& failure) {
  const int32_t attempts = options_.nbAttempt > 0 ? options_.nbAttempt : 1;
  for (int32_t attempt = 0; attempt < attempts; ++attempt) {
    if (client_.QueryDisc(server_, discId, toc, matches_)) return true;
    failure = FailureNow(failure);
    // Asking again would bring the same answer, and servers throttle those who ask twice.
    if (failure.outcome == LookupOutcome::kNoMatch || failure.outcome == LookupOutcome::kRefused) {
      break;
    }
  }
  return false;
}

LookupResult DiscLookup::Read(const QueryMatch& match, DiscEntry& entry, DiscFailure failure) {
  const int32_t attempts = options_.nbAttempt > 0 ? options_.nbAttempt : 1;
  while (true) {
    for (int32_t attempt = 0; attempt < attempts; ++attempt) {
      if (client_.ReadEntry(server_, match.cddbCategory, match.discId, entry)) {
        cache_.Keep(match.cddbCategory, match.discId, client_.LastEntryText());
        LookupResult found;
        found.kind = LookupResult::Kind::kFound;
        return found;
      }
    }
    failure = FailureNow(failure);
    if (options_.nbAttempt <= 0) return Failed(failure);
    const ui::MessageAnswer answer =
        ui::ShowMessage(platform::LoadResourceString(kStringReadFailed),
                        platform::LoadResourceString(kStringFilterName),
                        ui::MessageButtons::kAbortRetryIgnore, ui::MessageIcon::kExclamation);
    if (answer == ui::MessageAnswer::kRetry) continue;
    if (answer == ui::MessageAnswer::kAbort) {
      LookupResult aborted;
      aborted.kind = LookupResult::Kind::kAborted;
      return aborted;
    }
    // Ignore: a failed read never means the server does not know the disc.
    if (LeavesQueue(failure.outcome)) failure.outcome = LookupOutcome::kGarbled;
    return Failed(failure);
  }
}

LookupResult DiscLookup::Find(int position, uint32_t discId, const platform::DiscToc& toc,
                              DiscEntry& entry) {
  entry = DiscEntry();
  DiscFailure failure;
  failure.position = position;
  const int32_t mode = options_.cddbCache;
  if (mode == kCacheFirst || mode == kCacheOnly) {
    std::string category;
    if (cache_.Find(discId, entry, category)) {
      LookupResult found;
      found.kind = LookupResult::Kind::kFound;
      return found;
    }
    if (mode == kCacheOnly) {
      failure.outcome = LookupOutcome::kNotCached;
      return Failed(failure);
    }
  }
  if (!Query(discId, toc, failure)) return Failed(failure);
  size_t chosen = 0;
  // Several matches, or an inexact one (211): often another edition of the disc.
  const bool ask = matches_.size() > 1 || client_.LastQueryStatus() == 211;
  if (ask && !options_.firstMatch) {
    const MatchChoice choice = ChooseMatch(matches_, position);
    if (choice.cancelled) {
      failure.outcome = LookupOutcome::kCancelled;
      return Failed(failure);
    }
    if (!choice.match) {
      failure.outcome = LookupOutcome::kNoneChosen;
      return Failed(failure);
    }
    chosen = *choice.match;
  }
  return Read(matches_[chosen], entry, failure);
}

}  // namespace orv::discfetch
