#include "websearch/search_run.h"

#include "platform/files.h"
#include "platform/library.h"
#include "platform/resources.h"
#include "text/html_charset.h"
#include "websearch/hit_list_dialog.h"
#include "websearch/html_cleanup.h"
#include "websearch/messages.h"
#include "websearch/picture_store.h"
#include "websearch/site_file_place.h"
#include "websearch/user_agent.h"
#include "websearch/web_ids.h"

namespace orv::websearch {

SiteFile WebSearchFilter::Site() const {
  return SiteFile(siteFilePath_.empty() ? SiteFileFor(platform::ThisModulePath()) : siteFilePath_);
}

void WebSearchFilter::Describe(FilterInfo& info) {
  info.category = category_;
  info.sourceKind = ORV_SOURCE_NONE;
  info.isExport = 0;
}

int32_t WebSearchFilter::Open(const char* path, HostDocument* document, ItemList* items) {
  (void)path;
  (void)items;
  document_ = document;
  queue_.clear();
  queueActive_ = false;
  pendingTitle_.clear();
  pendingAddress_.clear();
  if (!LoadSite()) return 0;
  agent_ = SystemUserAgent();
  const std::string server = document ? StringOf(document->proxyServer) : std::string();
  client_.SetProxy(server, document ? document->proxyPort : 0, !server.empty());
  const std::string user = document ? StringOf(document->proxyUser) : std::string();
  client_.SetProxyLogin(user, user.empty() ? std::string() : StringOf(document->proxyPassword));
  return 1;
}

int32_t WebSearchFilter::Close() {
  document_ = nullptr;
  return 1;
}

int32_t WebSearchFilter::ProcessItem(MediaItem& item, int32_t& itemKind) {
  itemKind = 0;
  if (!pendingAddress_.empty()) {
    Assign(&item.title, pendingTitle_);
    Assign(&item.type, pendingAddress_);
    pendingTitle_.clear();
    pendingAddress_.clear();
    itemKind = ORV_KIND_LINK;
    return 1;
  }
  std::string page, address;
  if (!queueActive_) {
    Found found = Search();
    switch (found.kind) {
      case Found::Kind::kEnd:
        return -1;
      case Found::Kind::kNothing:
        return 0;
      case Found::Kind::kPage:
        page = std::move(found.page);
        address = std::move(found.address);
        break;
      case Found::Kind::kQueued:
        break;
    }
  }
  if (page.empty() && address.empty()) {
    if (queue_.empty()) return -1;
    address = queue_.front();
    if (!FetchPage(address, 6, page)) return -1;
    Debug(resultPageLabel_ + FirstCharacters(page, resultPageChars_));
    queue_.pop_front();
    queueActive_ = !queue_.empty();
  }

  FillItem(item, page);
  const std::string title = StringOf(item.title);
  if (Web().validateResult && !title.empty() && !AskYesNo(Confirmation(item))) return 0;

  std::string pictureFolder;
  if (document_ && document_->pictureDirs) {
    pictureFolder = StringOf(document_->pictureDirs[Category()]);
  }
  const std::string image = StorePicture(
      StringOf(item.image), title, Web().copyImage, pictureFolder,
      platform::LoadResourceString(kStringUntitled),
      [&](const std::string& from, const std::string& to) { return DownloadPicture(from, to); });
  if (image != StringOf(item.image)) Assign(&item.image, image);

  itemKind = item.category;
  if (!address.empty() && Web().importLink) {
    itemKind += ORV_KIND_WITH_LINK;
    pendingTitle_ = title;
    pendingAddress_ = address;
  }
  return 1;
}

bool WebSearchFilter::FetchPage(const std::string& address, int attempts, std::string& page) {
  platform::WebPage fetched;
  int result = 0;
  for (int attempt = 0; attempt < attempts && result != 1; ++attempt) {
    result = client_.FetchPage(address, fetched, agent_);
  }
  if (result != 1) return false;
  page = WithoutLineBreaks(text::PageToUser(fetched.bytes, fetched.contentType));
  return true;
}

bool WebSearchFilter::DownloadPicture(const std::string& address, const std::string& target) {
  platform::WebPage picture;
  // One attempt: a picture that cannot be had leaves its address in the item.
  if (client_.FetchPage(address, picture, agent_) != 1) return false;
  return platform::WriteWholeFile(target, picture.bytes);
}

ExtractionRules WebSearchFilter::Rules() {
  ExtractionRules rules;
  rules.fixCapitals = Web().correctCast != 0;
  if (Web().debugMode) {
    const std::string format = platform::LoadResourceString(kStringDebugValue);
    rules.debug = [format](std::string_view start, std::string_view end, std::string_view value) {
      ShowInformation(FormatText(format.c_str(), std::string(start).c_str(),
                                 std::string(end).c_str(), std::string(value).c_str()),
                      ui::MessageIcon::kInformation);
    };
  }
  return rules;
}

std::string WebSearchFilter::Extract(std::string_view page, std::string_view start,
                                     std::string_view end, bool clean) {
  return ExtractBetween(page, start, end, clean, Rules());
}

void WebSearchFilter::Debug(std::string_view text, ui::MessageIcon icon) {
  if (Web().debugMode) ShowInformation(text, icon);
}

WebSearchFilter::Found WebSearchFilter::ResultPage(std::string page, std::string address) {
  Found found;
  found.kind = Found::Kind::kPage;
  found.page = std::move(page);
  found.address = std::move(address);
  return found;
}

WebSearchFilter::Found WebSearchFilter::ChooseHits(const std::vector<ui::ListColumn>& columns,
                                                   std::vector<std::vector<std::string>> rows,
                                                   const std::vector<std::string>& addresses) {
  Found found;
  found.kind = Found::Kind::kNothing;
  std::vector<int> chosen;
  if (!websearch::ChooseHits(columns, std::move(rows), chosen)) return found;
  for (int row : chosen) {
    if (row >= 0 && static_cast<size_t>(row) < addresses.size()) {
      queue_.push_back(addresses[row]);
    }
  }
  queueActive_ = !queue_.empty();
  if (queueActive_) found.kind = Found::Kind::kQueued;
  return found;
}

}  // namespace orv::websearch
