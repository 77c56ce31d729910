// The web client on Linux, on one libcurl easy handle kept for the life of the library.
//
// libcurl has no status callback like WinInet's: the status text says what the transfer is
// doing at the few points we see (resolving, reading) and, on a failure, libcurl's own reason.
#include <curl/curl.h>

#include <chrono>
#include <cstdio>

#include "platform/page_fetch.h"

namespace orv::platform {

namespace {

using Clock = std::chrono::steady_clock;

// A stand-in for the system's agent when the store holds none is the caller's; libcurl sends
// nothing of its own.
struct Transfer {
  WebPage* page = nullptr;
  std::string* status = nullptr;
  Clock::time_point opened;
  Clock::time_point lastData;
  uint32_t idleMs = 0;
  uint32_t wholeMs = 0;
  bool tooLarge = false;
  bool stalled = false;
  bool tooSlow = false;
};

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

size_t OnData(char* data, size_t size, size_t count, void* user) {
  auto* transfer = static_cast<Transfer*>(user);
  const size_t n = size * count;
  if (n > kMaxPageBytes - transfer->page->bytes.size()) {
    transfer->tooLarge = true;
    return 0;  // ends the transfer with a write error
  }
  transfer->page->bytes.append(data, n);
  transfer->lastData = Clock::now();
  *transfer->status =
      TransferStatusText(transfer->page->bytes.size(), SecondsSince(transfer->opened));
  return n;
}

// Called often while the transfer runs, data or not: the place to notice a silent server.
int OnProgress(void* user, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t uploaded) {
  auto* transfer = static_cast<Transfer*>(user);
  static_cast<void>(downloaded);
  static_cast<void>(uploaded);
  const auto silent =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - transfer->lastData);
  if (silent.count() > static_cast<long long>(transfer->idleMs)) {
    transfer->stalled = true;
    return 1;  // aborts the transfer
  }
  // A site that sends a byte now and then is never silent for long: the whole page is bounded.
  const auto whole =
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - transfer->opened);
  if (whole.count() > static_cast<long long>(transfer->wholeMs)) {
    transfer->tooSlow = true;
    return 1;
  }
  return 0;
}

// The host part of an address, for the status line.
std::string HostOf(const std::string& address) {
  size_t start = address.find("://");
  start = start == std::string::npos ? 0 : start + 3;
  const size_t end = address.find_first_of(":/?#", start);
  return address.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace

struct WebClient::Session {
  CURL* handle = nullptr;
  std::string proxy, proxyUser, proxyPassword;  // libcurl keeps pointers to its options' texts
  ~Session() {
    if (handle) curl_easy_cleanup(handle);
  }
};

WebClient::WebClient() = default;
WebClient::~WebClient() = default;

void WebClient::DropSession() { session_.reset(); }

int WebClient::FetchPage(const std::string& address, WebPage& page, const std::string& agent) {
  page = WebPage();
  if (!IsWebAddress(address)) {
    status_ = RefusedAddressText(address);
    return 0;
  }
  if (!session_) {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    if (!initialised) return 0;
    auto session = std::make_unique<Session>();
    session->handle = curl_easy_init();
    if (!session->handle) {
      status_ = "Cannot open an internet session";
      return 0;
    }
    // Settings of the session, as the internet handle takes them when it is made.
    if (useProxy_) {
      session->proxy = proxyServer_ + ":" + std::to_string(proxyPort_);
      curl_easy_setopt(session->handle, CURLOPT_PROXY, session->proxy.c_str());
      if (!proxyUser_.empty()) {
        session->proxyUser = proxyUser_;
        session->proxyPassword = proxyPassword_;
        curl_easy_setopt(session->handle, CURLOPT_PROXYUSERNAME, session->proxyUser.c_str());
        curl_easy_setopt(session->handle, CURLOPT_PROXYPASSWORD, session->proxyPassword.c_str());
      }
    }
    session_ = std::move(session);
  }
  CURL* handle = session_->handle;
  const WebTimeouts timeouts = CurrentWebTimeouts();
  Transfer transfer;
  transfer.page = &page;
  transfer.status = &status_;
  transfer.opened = transfer.lastData = Clock::now();
  transfer.idleMs = timeouts.idleMs;
  transfer.wholeMs = timeouts.wholeMs;
  char error[CURL_ERROR_SIZE] = {};

  curl_easy_setopt(handle, CURLOPT_URL, address.c_str());
  curl_easy_setopt(handle, CURLOPT_USERAGENT, agent.empty() ? nullptr : agent.c_str());
  curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 10L);
  // A redirect to file://, ftp:// or any other scheme is refused by libcurl itself.
#if LIBCURL_VERSION_NUM >= 0x075500
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
#else
  curl_easy_setopt(handle, CURLOPT_PROTOCOLS, static_cast<long>(CURLPROTO_HTTP | CURLPROTO_HTTPS));
  curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS,
                   static_cast<long>(CURLPROTO_HTTP | CURLPROTO_HTTPS));
#endif
  curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(handle, CURLOPT_ACCEPT_ENCODING, "");
  curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeouts.connectMs));
  // libcurl's own limit, should the progress calls that check the bound come late.
  curl_easy_setopt(handle, CURLOPT_TIMEOUT_MS,
                   static_cast<long>(timeouts.wholeMs) + static_cast<long>(timeouts.idleMs));
  curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, &OnData);
  curl_easy_setopt(handle, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, &OnProgress);
  curl_easy_setopt(handle, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error);
  status_ = "Resolving name for " + HostOf(address);

  const CURLcode code = curl_easy_perform(handle);
  curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, nullptr);
  long status = 0;
  curl_easy_getinfo(handle, CURLINFO_RESPONSE_CODE, &status);
  page.status = static_cast<int>(status);
  const char* type = nullptr;
  if (curl_easy_getinfo(handle, CURLINFO_CONTENT_TYPE, &type) == CURLE_OK && type) {
    page.contentType = type;
  }
  if (code != CURLE_OK) {
    if (transfer.tooLarge) {
      status_ = "The page is larger than " + std::to_string(kMaxPageBytes >> 20) + " MiB";
    } else if (transfer.stalled) {
      status_ = "The server sent nothing for " + std::to_string(timeouts.idleMs) + " ms";
    } else if (transfer.tooSlow || code == CURLE_OPERATION_TIMEDOUT) {
      status_ = TooSlowText(timeouts.wholeMs);
    } else {
      status_ = error[0] ? error : curl_easy_strerror(code);
    }
    page.bytes.clear();
    return 0;
  }
  if (status >= 400) {
    status_ = "The server answered with HTTP status " + std::to_string(status);
    return 0;  // the error page stays, for the caller to read why
  }
  status_.clear();
  return 1;
}

}  // namespace orv::platform
