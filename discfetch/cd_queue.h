// The discs waiting for the import: filled by the acquisition dialog, kept while the library
// is loaded. A run removes, at Close, the discs it finished (imported, or unknown to the
// server); the others (server unreachable, refused, silent...) stay for the next run.
#ifndef ORV_DISCFETCH_CD_QUEUE_H
#define ORV_DISCFETCH_CD_QUEUE_H

#include <cstdint>
#include <vector>

#include "platform/cd_drive.h"

namespace orv::discfetch {

inline constexpr size_t kMaxQueuedDiscs = 50;

struct CdQueue {
  std::vector<uint32_t> discIds;        // in acquisition order
  std::vector<platform::DiscToc> tocs;  // tocs[i] belongs to discIds[i]
  uint32_t lastDiscId = 0;              // the latest disc read, so it is not queued twice in a row
  size_t waiting = 0;                   // the first discs of the queue, left by an earlier run

  size_t Size() const { return discIds.size(); }
  bool Full() const { return discIds.size() >= kMaxQueuedDiscs; }
  void Add(uint32_t discId, platform::DiscToc toc) {
    discIds.push_back(discId);
    tocs.push_back(std::move(toc));
  }
  // Keeps the discs whose `done` flag is false, in their order; they are then the waiting
  // ones. Once a disc has left, the one still in the drive may be fed again.
  void RemoveDone(const std::vector<bool>& done) {
    size_t kept = 0;
    for (size_t i = 0; i < discIds.size(); ++i) {
      if (i < done.size() && done[i]) continue;
      discIds[kept] = discIds[i];
      tocs[kept] = std::move(tocs[i]);
      ++kept;
    }
    if (kept != discIds.size()) lastDiscId = 0;
    discIds.resize(kept);
    tocs.resize(kept);
    waiting = kept;
  }
};

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_CD_QUEUE_H
