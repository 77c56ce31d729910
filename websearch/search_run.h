// The run both web search filters share: the keyword search and hit list of the flavour, then
// one result page fetched and turned into an item per call, each followed by its link item.
//
// A run is a conversation over ProcessItem calls: a pending link item is delivered first; then
// the next queued result page, if any; otherwise the flavour asks for keywords and searches
// (Search), which ends the run, gives nothing this call, queues the chosen hits, or hands over a
// page that already is a result. The run ends only with -1: the user stops in the keyword
// dialog, the site found nothing, a page could not be fetched, or a list held no hit.
#ifndef ORV_WEBSEARCH_SEARCH_RUN_H
#define ORV_WEBSEARCH_SEARCH_RUN_H

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "contract/filter.h"
#include "platform/page_fetch.h"
#include "platform/ui.h"
#include "websearch/extraction.h"
#include "websearch/run_failure.h"
#include "websearch/site_check.h"
#include "websearch/site_file.h"
#include "websearch/web_options.h"

namespace orv::websearch {

class WebSearchFilter : public Filter {
 public:
  // `category` of every item; the debug message of a result page shows `resultPageLabel`
  // and its first `resultPageChars` characters.
  WebSearchFilter(int category, std::string resultPageLabel, size_t resultPageChars)
      : category_(category),
        resultPageLabel_(std::move(resultPageLabel)),
        resultPageChars_(resultPageChars) {}

  // Ignores the path. 0 when the flavour cannot load its site.
  int32_t Open(const char* path, HostDocument* document, ItemList* items) override;
  int32_t Close() override;
  int32_t GetCount() override { return 100; }
  int32_t ProcessItem(MediaItem& item, int32_t& itemKind) override;

  // The site file: beside the library unless set here (tests keep theirs elsewhere).
  SiteFile Site() const;
  void UseSiteFile(std::string path) { siteFilePath_ = std::move(path); }
  // The options both flavours have (bound in each flavour's option table).
  WebOptions& Web() { return web_; }
  int Category() const { return category_; }
  // Runs the site file against the site, or the saved pages in place of its answers, step by
  // step, for people who repair site files. Options as Configure loaded them; no dialog.
  SiteCheck CheckSite(const std::string& keywords, const std::vector<std::string>& savedPages);
  // The message of the last early end of the run (empty when it ended as the user asked).
  const std::string& LastFailure() const { return lastFailure_; }

 protected:
  struct Found {
    enum class Kind { kEnd, kNothing, kQueued, kPage };
    Kind kind = Kind::kEnd;
    std::string page;  // kPage: the result page, and the address it came from
    std::string address;
  };

  // Category, no source to ask the user for, an import.
  void Describe(FilterInfo& info) final;

  virtual bool LoadSite() = 0;
  // Keyword dialog, search page, hit list.
  virtual Found Search() = 0;
  virtual void FillItem(MediaItem& item, const std::string& page) = 0;
  virtual std::string Confirmation(const MediaItem& item) = 0;
  // The flavour's steps of a site check: the search page, then one result page.
  virtual void CheckSteps(SiteChecker& checker, const std::string& keywords) = 0;
  // The markers around the title of a result page: a page without them is no item's page.
  virtual MarkerPair TitleMarkers() const = 0;
  // Whether the site file lets structured data stand in for markers that find nothing.
  virtual bool UsesStructuredData() const = 0;

  // Fetches up to `attempts` times; the page in the user's code page, without line breaks.
  // A page that cannot be had is reported to the user (Fail) before false is returned.
  bool FetchPage(const std::string& address, int attempts, std::string& page);
  // Shows why the run ends early; the run then ends (-1).
  void Fail(const RunFailure& failure);
  Found EndWith(const RunFailure& failure);
  // The title markers missing from a result page, as the message names them; empty when the
  // page has its title.
  std::string MissingTitle(std::string_view page) const;
  ExtractionRules Rules();
  std::string Extract(std::string_view page, std::string_view start, std::string_view end,
                      bool clean = true);
  // A debug message, shown only with DebugMode.
  void Debug(std::string_view text, ui::MessageIcon icon = ui::MessageIcon::kQuestion);
  // A search that led straight to a result page.
  static Found ResultPage(std::string page, std::string address);
  // Shows the hit list (one row per hit, `addresses` in the same order) and queues the chosen
  // hits' addresses: kQueued, or kNothing when the list was cancelled.
  Found ChooseHits(const std::vector<ui::ListColumn>& columns,
                   std::vector<std::vector<std::string>> rows,
                   const std::vector<std::string>& addresses);

 private:
  bool DownloadPicture(const std::string& address, const std::string& target);

  const int category_;
  const std::string resultPageLabel_;
  const size_t resultPageChars_;
  WebOptions web_;
  HostDocument* document_ = nullptr;
  std::string siteFilePath_;
  std::string agent_;
  platform::WebClient client_;
  std::deque<std::string> queue_;
  bool queueActive_ = false;
  std::string pendingTitle_, pendingAddress_;
  std::string lastFailure_;
};

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_SEARCH_RUN_H
