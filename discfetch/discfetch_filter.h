// discfetch, the audio CD import: the user feeds discs in the acquisition dialog, each is
// identified by its table of contents and looked up on a CDDB server, and becomes one disc
// item, or a heading followed by one item per title.
//
// Module-wide state, kept while the library is loaded: the options, the proxy settings read
// from the host's profile, the CGI path, the CDDB client and the queue of discs. A run
// (Open to Close) walks the queue; at Close the discs it imported, or the server does not
// know, leave the queue, and one message lists the discs not imported with the reason.
#ifndef ORV_DISCFETCH_DISCFETCH_FILTER_H
#define ORV_DISCFETCH_DISCFETCH_FILTER_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "contract/filter.h"
#include "discfetch/cd_queue.h"
#include "discfetch/cddb_client.h"
#include "discfetch/disc_entry.h"
#include "discfetch/discfetch_options.h"
#include "discfetch/lookup_report.h"

namespace orv::discfetch {

// Milliseconds a run waits for data before it gives up an attempt; $ORVHOST_CDDB_TIMEOUT may
// change it (tests make it short). It is no option: the profile holds only the filter's own.
inline constexpr int32_t kRunTimeoutMs = 7000;

class DiscfetchFilter : public Filter {
 public:
  DiscfetchFilter();

  // Loads the options and the proxy settings, then the options dialog when asked.
  int32_t Configure(const char* profileName, const char* registryKey, int32_t showDialog) override;
  // Message 50 and 0 without a CD drive; 0 when the acquisition is cancelled or queues nothing.
  int32_t Open(const char* path, HostDocument* document, ItemList* items) override;
  int32_t Close() override;
  // The queued discs; one heading and one call per track more for each in the per-title mode.
  int32_t GetCount() override;
  int32_t ProcessItem(MediaItem& item, int32_t& itemKind) override;

  DiscfetchOptions& Settings() { return options_; }
  CdQueue& Queue() { return queue_; }
  CddbClient& Client() { return client_; }
  const ProxySettings& Proxy() const { return proxy_; }
  const std::string& CgiPath() const { return cgiPath_; }
  // The discs of the last run that were not imported, with the reason.
  const std::vector<DiscFailure>& Failures() const { return failures_; }
  // Where the line about a lookup's wait goes (the terminal by default).
  void SetActivitySink(std::function<void(const std::string&)> sink) {
    activity_ = std::move(sink);
  }

 protected:
  void Describe(FilterInfo& info) override;
  OptionTable& Options() override { return table_; }
  std::unique_ptr<ui::DialogLogic> MakeOptionsDialog() override;

 private:
  void ReadProxySettings();
  // One disc from its start: lookup, then the first item. -1 on Abort.
  int32_t StartDisc(MediaItem& item, int32_t& itemKind);
  void FinishDisc(bool done);

  DiscfetchOptions options_;
  OptionTable table_;
  ProxySettings proxy_;  // host, user and password empty and port 0 until read
  std::string cgiPath_;
  int32_t timeoutMs_ = kRunTimeoutMs;
  CddbClient client_;
  CdQueue queue_;

  // The run.
  bool running_ = false;
  bool aborted_ = false;
  std::string drive_;
  CddbSite server_;
  size_t discIndex_ = 0;
  size_t trackIndex_ = 0;
  bool newDisc_ = true;
  bool missingTracks_ = false;
  DiscEntry entry_;
  std::vector<bool> done_;  // per queued disc: finished by this run
  std::vector<DiscFailure> failures_;
  int64_t callsDone_ = 0;
  std::function<void(const std::string&)> activity_;
};

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_DISCFETCH_FILTER_H
