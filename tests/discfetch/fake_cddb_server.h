// A CDDB server over HTTP on a loopback port of its own (port 0: the system picks), run on a
// thread of the test. It answers the sites, stat, query and read commands from the entries it
// was given (files or texts), records every raw request, and can misbehave on demand: stall,
// close early or at once, send in small pieces, drip one byte at a time, send for ever, send
// LF-only lines, send the header before the rest, or answer whatever a test scripts (202, 211,
// 401, 500, garbage, a huge answer).
#ifndef ORV_TESTS_DISCFETCH_FAKE_CDDB_SERVER_H
#define ORV_TESTS_DISCFETCH_FAKE_CDDB_SERVER_H

#include <atomic>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/tcp.h"

namespace orv::discfetch::testing {

enum class Delivery {
  kWhole,        // the answer in one piece
  kDrip,         // pieces of a few bytes, each sent apart
  kLfOnly,       // every CR LF sent as a bare LF
  kHeaderFirst,  // the HTTP header, a pause, then the CDDB text
  kStall,        // nothing at all; the connection stays open until the client leaves
  kStallMidway,  // half the answer, then nothing while the connection stays open
  kCloseEarly,   // half the answer, then the connection closes
  kCloseAtOnce,  // nothing at all, the connection closes as soon as the request is in
  kSlowDrip,     // one byte every kSlowDripMs, however long the client listens
  kEndless,      // the header, then the CDDB text over and over without a terminator, for ever
};

// Well within the tests' time-out of 300 ms: only a bound on the whole answer stops a slow drip.
inline constexpr int kSlowDripMs = 40;

// A scripted answer: the CDDB text (CR LF lines, terminator included when it needs one).
struct Answer {
  std::string cddbText;
  Delivery delivery = Delivery::kWhole;
  std::string httpStatus = "200 OK";  // "503 Service Unavailable": the gateway refuses
};

class FakeCddbServer {
 public:
  FakeCddbServer();
  ~FakeCddbServer();
  FakeCddbServer(const FakeCddbServer&) = delete;
  FakeCddbServer& operator=(const FakeCddbServer&) = delete;

  int Port() const { return listener_.Port(); }
  std::string Address() const { return "127.0.0.1:" + std::to_string(Port()); }

  // An entry in xmcd text (CR LF or LF lines); its DISCID line names it. Query answers 200 for
  // a known identifier, 202 otherwise; read answers 210 with the entry, 401 for an unknown one.
  void AddEntry(const std::string& category, const std::string& entryText);
  void AddEntryFile(const std::string& category, const std::string& path);
  // The next answers to a command ("sites", "stat", "query", "read"), used before the entries.
  void Script(const std::string& command, std::vector<Answer> answers);
  // How answers from the entries are sent.
  void SetDelivery(Delivery delivery);

  // Every request as it came, in order.
  std::vector<std::string> Requests() const;
  size_t RequestCount(const std::string& command) const;

 private:
  void Serve();
  void Handle(platform::TcpConnection& connection);
  Answer AnswerFor(const std::string& request);
  void Send(platform::TcpConnection& connection, const Answer& answer);

  platform::TcpListener listener_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::map<std::string, std::string> entries_;  // by lower-case identifier: "category\nentry"
  std::map<std::string, std::deque<Answer>> scripts_;
  Delivery delivery_ = Delivery::kWhole;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// The CDDB command a request carries: "sites", "stat", "query", "read" or "".
std::string CommandOf(const std::string& request);

}  // namespace orv::discfetch::testing

#endif  // ORV_TESTS_DISCFETCH_FAKE_CDDB_SERVER_H
