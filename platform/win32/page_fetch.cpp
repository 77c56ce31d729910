// The web client on Windows: one WinInet internet handle for the life of the library.
//
// Seen under Wine: InternetSetOption(INTERNET_OPTION_PROXY) on the session fails (12009) and the
// requests then go straight to the site, while a session opened with INTERNET_OPEN_TYPE_PROXY
// uses the proxy; so when the option is refused the session is opened again that way. The
// status callback fires only for requests made with a non-zero context.
// windows.h must come before the other Windows headers.
// clang-format off
#include <windows.h>
#include <wininet.h>
// clang-format on

#include "platform/page_fetch.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace orv::platform {

namespace {

constexpr DWORD kBlock = 4095;
constexpr size_t kStatusLimit = 511;

void SetStatus(std::string& status, const std::string& text) {
  status = text.substr(0, kStatusLimit);
}

std::string ErrorText(DWORD code) {
  char text[256] = {};
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS,
                           GetModuleHandleA("wininet.dll"), code, 0, text, sizeof text, nullptr);
  if (n == 0) {
    n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                       text, sizeof text, nullptr);
  }
  std::string message(text, n);
  while (!message.empty() && (message.back() == '\r' || message.back() == '\n')) {
    message.pop_back();
  }
  return message.empty() ? "Internet error " + std::to_string(code) : message;
}

// The status line of each step of a request; the context is the client's status text.
void CALLBACK OnStatus(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD length) {
  auto* text = reinterpret_cast<std::string*>(context);
  if (!text) return;
  const char* detail = info && length > 0 ? static_cast<const char*>(info) : "";
  char line[512];
  switch (status) {
    case INTERNET_STATUS_RESOLVING_NAME:
      std::snprintf(line, sizeof line, "Resolving name for %s", detail);
      break;
    case INTERNET_STATUS_NAME_RESOLVED:
      std::snprintf(line, sizeof line, "Resolved name for %s", detail);
      break;
    case INTERNET_STATUS_CONNECTING_TO_SERVER:
      std::snprintf(line, sizeof line, "Connecting to socket address ");
      break;
    case INTERNET_STATUS_CONNECTED_TO_SERVER:
      std::snprintf(line, sizeof line, "Connected to socket address");
      break;
    case INTERNET_STATUS_SENDING_REQUEST:
      std::snprintf(line, sizeof line, "Sending request...");
      break;
    case INTERNET_STATUS_REQUEST_SENT:
      std::snprintf(line, sizeof line, "Request sent");
      break;
    case INTERNET_STATUS_RECEIVING_RESPONSE:
    case INTERNET_STATUS_HANDLE_CLOSING:
      return;
    case INTERNET_STATUS_RESPONSE_RECEIVED:
      std::snprintf(line, sizeof line, "Response received");
      break;
    case INTERNET_STATUS_CLOSING_CONNECTION:
      std::snprintf(line, sizeof line, "Closing the connection to the server");
      break;
    case INTERNET_STATUS_CONNECTION_CLOSED:
      std::snprintf(line, sizeof line, "Connection to the server closed");
      break;
    case INTERNET_STATUS_HANDLE_CREATED:
      line[0] = '\0';
      break;
    case INTERNET_STATUS_REQUEST_COMPLETE:
      if (length == sizeof(INTERNET_ASYNC_RESULT) && info) {
        const auto* result = static_cast<const INTERNET_ASYNC_RESULT*>(info);
        std::snprintf(line, sizeof line, "Request complete, dwResult = %8.8lX, dwError = %8.8lX",
                      static_cast<unsigned long>(result->dwResult),
                      static_cast<unsigned long>(result->dwError));
      } else {
        std::snprintf(line, sizeof line, "Request complete");
      }
      break;
    default:
      std::snprintf(line, sizeof line, "Unknown status: %lu", static_cast<unsigned long>(status));
      break;
  }
  *text = line;
}

bool QueryNumber(HINTERNET request, DWORD what, DWORD& value) {
  DWORD size = sizeof value;
  return HttpQueryInfoA(request, what | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr) != FALSE;
}

std::string QueryText(HINTERNET request, DWORD what) {
  char text[1024] = {};
  DWORD size = sizeof text - 1;
  if (!HttpQueryInfoA(request, what, text, &size, nullptr)) return std::string();
  return std::string(text, size < sizeof text ? size : sizeof text - 1);
}

// Where the request ended after redirects; nothing when that cannot be read. A long address
// takes a second query with the size the first one asked for, up to a bound.
std::optional<std::string> FinalAddress(HINTERNET request) {
  constexpr DWORD kMaxAddress = 64 * 1024;
  std::string text(2048, '\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    DWORD size = static_cast<DWORD>(text.size() - 1);
    if (InternetQueryOptionA(request, INTERNET_OPTION_URL, &text[0], &size)) {
      text.resize(std::strlen(text.c_str()));  // zeroed, with room for its terminator
      return text;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size >= kMaxAddress) break;
    text.assign(size + 2, '\0');
  }
  return std::nullopt;
}

void SetTimeout(HINTERNET handle, DWORD option, DWORD ms) {
  InternetSetOptionA(handle, option, &ms, sizeof ms);
}

}  // namespace

struct WebClient::Session {
  HINTERNET internet = nullptr;
  ~Session() {
    if (internet) InternetCloseHandle(internet);
  }
};

WebClient::WebClient() = default;
WebClient::~WebClient() = default;

void WebClient::DropSession() { session_.reset(); }

int WebClient::FetchPage(const std::string& address, WebPage& page, const std::string& agent) {
  page = WebPage();
  // WinInet would open file:// and ftp:// addresses too.
  if (!IsWebAddress(address)) {
    SetStatus(status_, RefusedAddressText(address));
    return 0;
  }
  if (!session_) {
    auto session = std::make_unique<Session>();
    session->internet =
        InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!session->internet) {
      SetStatus(status_, ErrorText(GetLastError()));
      return 0;
    }
    if (useProxy_) {
      std::string list = proxyServer_ + ":" + std::to_string(proxyPort_);
      INTERNET_PROXY_INFO proxy{};
      proxy.dwAccessType = INTERNET_OPEN_TYPE_PROXY;
      proxy.lpszProxy = list.c_str();
      proxy.lpszProxyBypass = nullptr;
      if (!InternetSetOptionA(session->internet, INTERNET_OPTION_PROXY, &proxy, sizeof proxy)) {
        // A configured proxy is never skipped: the session is made with it instead.
        InternetCloseHandle(session->internet);
        session->internet =
            InternetOpenA(agent.c_str(), INTERNET_OPEN_TYPE_PROXY, list.c_str(), nullptr, 0);
        if (!session->internet) {
          SetStatus(status_, ErrorText(GetLastError()));
          return 0;
        }
      }
      if (!proxyUser_.empty()) {
        InternetSetOptionA(session->internet, INTERNET_OPTION_PROXY_USERNAME, proxyUser_.data(),
                           static_cast<DWORD>(proxyUser_.size()));
        InternetSetOptionA(session->internet, INTERNET_OPTION_PROXY_PASSWORD, proxyPassword_.data(),
                           static_cast<DWORD>(proxyPassword_.size()));
      }
    }
    InternetSetStatusCallbackA(session->internet, &OnStatus);
    session_ = std::move(session);
  }
  const WebTimeouts timeouts = CurrentWebTimeouts();
  SetTimeout(session_->internet, INTERNET_OPTION_CONNECT_TIMEOUT, timeouts.connectMs);
  SetTimeout(session_->internet, INTERNET_OPTION_SEND_TIMEOUT, timeouts.idleMs);
  SetTimeout(session_->internet, INTERNET_OPTION_RECEIVE_TIMEOUT, timeouts.idleMs);

  const DWORD start = GetTickCount();
  // No cache: each attempt asks the site again.
  const DWORD flags =
      INTERNET_FLAG_TRANSFER_BINARY | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
  HINTERNET request = InternetOpenUrlA(session_->internet, address.c_str(), nullptr, 0, flags,
                                       reinterpret_cast<DWORD_PTR>(&status_));
  if (!request) {
    SetStatus(status_, ErrorText(GetLastError()));
    return 0;
  }
  // Where redirects led: anything but http or https, or an address that cannot be read, is
  // refused before a byte is read.
  const std::optional<std::string> landed = FinalAddress(request);
  if (!landed || !IsWebAddress(*landed)) {
    const std::string reason = RefusedAddressText(landed.value_or("(unreadable)"));
    InternetCloseHandle(request);
    SetStatus(status_, reason);
    return 0;
  }
  DWORD code = 0, expected = 0;
  if (QueryNumber(request, HTTP_QUERY_STATUS_CODE, code)) page.status = static_cast<int>(code);
  const bool sized = QueryNumber(request, HTTP_QUERY_CONTENT_LENGTH, expected);
  page.contentType = QueryText(request, HTTP_QUERY_CONTENT_TYPE);
  const std::string location = QueryText(request, HTTP_QUERY_LOCATION);

  char block[kBlock];
  bool failed = false;
  while (true) {
    // A site that sends a byte now and then is never silent for long: the whole page is
    // bounded. Asking what is there first keeps a read from waiting to fill the whole block.
    if (GetTickCount() - start > timeouts.wholeMs) {
      SetStatus(status_, TooSlowText(timeouts.wholeMs));
      failed = true;
      break;
    }
    DWORD available = 0;
    if (!InternetQueryDataAvailable(request, &available, 0, 0)) {
      SetStatus(status_, ErrorText(GetLastError()));
      failed = true;
      break;
    }
    DWORD read = 0;
    if (!InternetReadFile(request, block, available == 0 || available > kBlock ? kBlock : available,
                          &read)) {
      SetStatus(status_, ErrorText(GetLastError()));
      failed = true;
      break;
    }
    if (read == 0) break;
    if (read > kMaxPageBytes - page.bytes.size()) {
      SetStatus(status_, "The page is larger than " + std::to_string(kMaxPageBytes >> 20) + " MiB");
      failed = true;
      break;
    }
    page.bytes.append(block, read);
    SetStatus(status_, TransferStatusText(page.bytes.size(), (GetTickCount() - start) / 1000.0));
  }
  // Closing the request reports the closed connection through the status callback: a failure
  // keeps its own reason, whenever that report arrives.
  const std::string reason = failed ? status_ : std::string();
  InternetCloseHandle(request);
  if (failed) status_ = reason;
  // WinInet ends a transfer the server cut short as if it were complete.
  if (!failed && sized && page.bytes.size() < expected) {
    SetStatus(status_, "The transfer was cut after " + std::to_string(page.bytes.size()) + " of " +
                           std::to_string(expected) + " bytes");
    failed = true;
  }
  // A redirect WinInet did not follow (to another scheme) is no page.
  if (!failed && page.status >= 300 && page.status < 400) {
    SetStatus(status_, RefusedAddressText(location.empty() ? address : location));
    page.bytes.clear();
    return 0;
  }
  if (!failed && page.status >= 400) {
    // The error page stays, for the caller to read why.
    SetStatus(status_, "The server answered with HTTP status " + std::to_string(page.status));
    return 0;
  }
  if (failed) {
    page.bytes.clear();
    return 0;
  }
  status_.clear();
  return 1;
}

}  // namespace orv::platform
