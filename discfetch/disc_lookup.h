// One disc of the run looked up: in the cache, or on the server (query with its attempts, the
// choice among several or inexact matches, the read with its attempts and message 55), and
// what came of it when no entry was found.
#ifndef ORV_DISCFETCH_DISC_LOOKUP_H
#define ORV_DISCFETCH_DISC_LOOKUP_H

#include <cstdint>
#include <vector>

#include "discfetch/cddb_client.h"
#include "discfetch/discfetch_options.h"
#include "discfetch/lookup_report.h"
#include "discfetch/xmcd_cache.h"

namespace orv::discfetch {

struct LookupResult {
  enum class Kind {
    kFound,     // the entry is filled
    kNotFound,  // the disc is imported as not found (no match, or none of the matches)
    kFailed,    // nothing imported; the disc stays queued unless the failure says otherwise
    kAborted,   // Abort in message 55: the run ends
  };
  Kind kind = Kind::kFailed;
  DiscFailure failure;  // for kNotFound and kFailed
};

class DiscLookup {
 public:
  DiscLookup(CddbClient& client, const DiscfetchOptions& options, const CddbSite& server,
             const XmcdCache& cache)
      : client_(client), options_(options), server_(server), cache_(cache) {}

  LookupResult Find(int position, uint32_t discId, const platform::DiscToc& toc, DiscEntry& entry);

 private:
  // The query with its attempts: true with matches, else `failure` says why.
  bool Query(uint32_t discId, const platform::DiscToc& toc, DiscFailure& failure);
  // The read with its attempts and message 55.
  LookupResult Read(const QueryMatch& match, DiscEntry& entry, DiscFailure failure);
  DiscFailure FailureNow(DiscFailure failure) const;

  CddbClient& client_;
  const DiscfetchOptions& options_;
  const CddbSite& server_;
  const XmcdCache& cache_;
  std::vector<QueryMatch> matches_;
};

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_DISC_LOOKUP_H
