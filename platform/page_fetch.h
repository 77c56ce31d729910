// The web client of the web search filters: one internet session for the whole life of the
// library, the host's proxy, pages downloaded whole into memory, and a one-line status text of
// the last transfer.
//
// WinInet on Windows, libcurl on Linux. Both follow redirects, take HTTPS, and bound every wait:
// about 60 s to connect and 30 s without data by default, so a stalled site cannot hang the
// host, and a page must be whole within kWholePageTimeouts of those 30 s (2 minutes), so a site
// that keeps a byte coming now and then cannot either. $ORV_WEB_TIMEOUT_MS, when set to a number
// of milliseconds, replaces the connect and idle times (the whole page then has four times it;
// the tests use short ones). A page is at most kMaxPageBytes; a response with an HTTP status of
// 400 or more is a failed fetch, not a page.
//
// The proxy and its login are applied when the session is made, at the first fetch; changing
// them makes the next fetch start a new session, so the host's current settings always hold.
#ifndef ORV_PLATFORM_PAGE_FETCH_H
#define ORV_PLATFORM_PAGE_FETCH_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace orv::platform {

constexpr size_t kMaxPageBytes = 32u << 20;
constexpr uint32_t kWholePageTimeouts = 4;

struct WebTimeouts {
  uint32_t connectMs = 60000;
  uint32_t idleMs = 30000;                        // longest wait for the next bytes of an answer
  uint32_t wholeMs = 30000 * kWholePageTimeouts;  // longest time for the page from the request
};

// Only http and https addresses are fetched, also at the end of redirects: a page's link or
// picture must never make the client read a local file or another kind of server. The scheme
// is compared without regard to case.
bool IsWebAddress(const std::string& address);
// The status text of a fetch refused for its address.
std::string RefusedAddressText(const std::string& address);

// "The page was not whole after N ms": the status text of a fetch that took too long.
std::string TooSlowText(uint32_t wholeMs);

// The defaults, or all three set from $ORV_WEB_TIMEOUT_MS.
WebTimeouts CurrentWebTimeouts();

struct WebPage {
  std::string bytes;
  std::string contentType;  // the Content-Type header, "" when there was none
  int status = 0;           // HTTP status of the final answer
};

// "Read %d bytes", with the rate in Kb/s once a whole second has passed: the status line of a
// transfer in progress.
std::string TransferStatusText(size_t bytes, double seconds);

class WebClient {
 public:
  WebClient();
  ~WebClient();
  WebClient(const WebClient&) = delete;
  WebClient& operator=(const WebClient&) = delete;

  void SetProxy(const std::string& server, uint16_t port, bool use);
  void SetProxyLogin(const std::string& user, const std::string& password);

  // 1 when the page was read (possibly empty), 0 when it was not: the address is not http or
  // https, the name does not resolve, the server cannot be reached or stops answering, the
  // transfer is cut, the answer is an HTTP error or larger than kMaxPageBytes. The status text
  // then says why; after an HTTP error the page keeps the status and the error page's body,
  // so that the caller can tell a site refusing robots from one that is broken.
  int FetchPage(const std::string& address, WebPage& page, const std::string& agent);

  const std::string& StatusText() const { return status_; }

  struct Session;  // the platform's handle and its settings

 private:
  void DropSession();

  bool useProxy_ = false;
  std::string proxyServer_;
  uint16_t proxyPort_ = 0;
  std::string proxyUser_, proxyPassword_;
  std::string status_;
  std::unique_ptr<Session> session_;
};

}  // namespace orv::platform

#endif  // ORV_PLATFORM_PAGE_FETCH_H
