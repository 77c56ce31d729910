// A web site on a loopback socket for the web search tests: canned answers by request target,
// the faults real sites have (error statuses, a cut transfer, a stall, a slow drip, an endless
// answer, garbage, a connection closed at once, a redirect), and a record
// of every request so that tests compare the exact addresses asked for.
//
// The server binds 127.0.0.1 on an ephemeral port and answers from a thread of its own, one
// connection at a time, each closed after its answer. It also answers requests sent to it as a
// proxy (an absolute address in the request line), routed by the address's path.
#ifndef ORV_TESTS_WEBSEARCH_FAKE_SITE_H
#define ORV_TESTS_WEBSEARCH_FAKE_SITE_H

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace orv::testing {

struct FakeResponse {
  enum class Fault {
    kNone,
    kCut,      // announces the whole body, sends half of it and closes
    kStall,    // sends the headers and half the body, then nothing until the client gives up
    kDrip,     // sends the headers, then the body one byte every `dripMs`
    kEndless,  // sends the headers without a length, then the body over and over, for ever
    kGarbage,  // sends the body alone, no status line or headers, and closes
    kClose,    // closes the connection as soon as the request is in
  };
  int status = 200;
  std::string contentType = "text/html";
  std::string body;
  std::string location;  // a redirect's target
  Fault fault = Fault::kNone;
  int dripMs = 20;
};

struct FakeRequest {
  std::string target;   // as sent: a path, or an absolute address through a proxy
  std::string path;     // the path and query
  std::string headers;  // the header lines, as sent
};

// A page of `body` with `status` (200 by default).
FakeResponse Page(std::string body, std::string contentType = "text/html; charset=utf-8");

class FakeSite {
 public:
  FakeSite();
  ~FakeSite();
  FakeSite(const FakeSite&) = delete;
  FakeSite& operator=(const FakeSite&) = delete;

  int Port() const { return port_; }
  // "http://127.0.0.1:PORT", without a trailing slash.
  std::string Root() const;

  // The answer to requests for `path` (path and query, exactly); others get a 404 page.
  void Serve(const std::string& path, FakeResponse response);

  std::vector<FakeRequest> Requests() const;
  // The paths asked for, in order.
  std::vector<std::string> Paths() const;

 private:
  void Run();
  void Answer(int connection);

  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  mutable std::mutex mutex_;
  std::map<std::string, FakeResponse> routes_;
  std::vector<FakeRequest> requests_;
  std::thread thread_;
};

// The body of a fake site program (for the Windows tests, which cannot start one themselves):
// prints "port N" on standard output, then serves until the process is ended.
int ServeUntilKilled(FakeSite& site);

}  // namespace orv::testing

#endif  // ORV_TESTS_WEBSEARCH_FAKE_SITE_H
