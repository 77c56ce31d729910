#include "tests/discfetch/fake_cddb_server.h"

#include <chrono>
#include <fstream>
#include <iterator>

namespace orv::discfetch::testing {
namespace {

constexpr const char* kHttpHeader = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n";

void Pause(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::string Lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

std::string DiscIdOf(const std::string& entry) {
  const size_t at = entry.find("DISCID=");
  if (at == std::string::npos) return "";
  const size_t end = entry.find_first_of("\r\n,", at);
  return Lower(entry.substr(at + 7, end - at - 7));
}

std::string FirstLineValue(const std::string& entry, const std::string& keyword) {
  const size_t at = entry.find(keyword + "=");
  if (at == std::string::npos) return "";
  const size_t end = entry.find_first_of("\r\n", at);
  return entry.substr(at + keyword.size() + 1, end - at - keyword.size() - 1);
}

// The "+"-separated words of the command in the request line.
std::vector<std::string> CommandWords(const std::string& request) {
  std::vector<std::string> words;
  const size_t at = request.find("cmd=");
  if (at == std::string::npos) return words;
  const size_t end = request.find_first_of("& ", at);
  std::string command = request.substr(at + 4, end - at - 4);
  size_t start = 0;
  while (start <= command.size()) {
    const size_t plus = command.find('+', start);
    words.push_back(command.substr(start, plus - start));
    if (plus == std::string::npos) break;
    start = plus + 1;
  }
  return words;
}

}  // namespace

std::string CommandOf(const std::string& request) {
  const std::vector<std::string> words = CommandWords(request);
  if (words.empty()) return "";
  if (words[0] == "cddb" && words.size() > 1) return words[1];
  return words[0];
}

FakeCddbServer::FakeCddbServer() {
  listener_.Listen(0);
  thread_ = std::thread([this] { Serve(); });
}

FakeCddbServer::~FakeCddbServer() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

void FakeCddbServer::AddEntry(const std::string& category, const std::string& entryText) {
  std::lock_guard<std::mutex> lock(mutex_);
  entries_[DiscIdOf(entryText)] = category + "\n" + WithCrLf(entryText);
}

void FakeCddbServer::AddEntryFile(const std::string& category, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  AddEntry(category, std::string(std::istreambuf_iterator<char>(in), {}));
}

void FakeCddbServer::Script(const std::string& command, std::vector<Answer> answers) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (Answer& answer : answers) scripts_[command].push_back(std::move(answer));
}

void FakeCddbServer::SetDelivery(Delivery delivery) {
  std::lock_guard<std::mutex> lock(mutex_);
  delivery_ = delivery;
}

std::vector<std::string> FakeCddbServer::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

size_t FakeCddbServer::RequestCount(const std::string& command) const {
  size_t count = 0;
  for (const std::string& request : Requests()) count += CommandOf(request) == command;
  return count;
}

void FakeCddbServer::Serve() {
  while (!stop_) {
    platform::TcpConnection connection = listener_.Accept(50);
    if (connection.IsOpen()) Handle(connection);
  }
}

void FakeCddbServer::Handle(platform::TcpConnection& connection) {
  std::string request;
  char buffer[2048];
  const auto started = std::chrono::steady_clock::now();
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
    if (stop_ || std::chrono::steady_clock::now() - started > std::chrono::seconds(5)) return;
    if (connection.WaitReadable(50) != platform::TcpError::kNone) continue;
    const long got = connection.Receive(buffer, sizeof buffer);
    if (got <= 0) return;
    request.append(buffer, static_cast<size_t>(got));
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back(request);
  }
  Send(connection, AnswerFor(request));
}

Answer FakeCddbServer::AnswerFor(const std::string& request) {
  std::lock_guard<std::mutex> lock(mutex_);
  const std::string command = CommandOf(request);
  std::deque<Answer>& script = scripts_[command];
  if (!script.empty()) {
    Answer answer = script.front();
    script.pop_front();
    return answer;
  }
  Answer answer;
  answer.delivery = delivery_;
  const std::vector<std::string> words = CommandWords(request);
  if (command == "sites") {
    answer.cddbText = "210 OK, site information follows (until terminating `.')\r\n" +
                      std::string("127.0.0.1 http ") + std::to_string(Port()) +
                      " /~cddb/cddb.cgi N000.00 W000.00 The fake server\r\n.\r\n";
  } else if (command == "stat") {
    answer.cddbText =
        "210 OK, status information follows (until terminating `.')\r\nServer status:\r\n"
        "    current proto: 5\r\n    max proto: 6\r\n    gets: no\r\n    Database entries: " +
        std::to_string(entries_.size()) + "\r\n.\r\n";
  } else if (command == "query" && words.size() > 2) {
    const auto found = entries_.find(Lower(words[2]));
    if (found == entries_.end()) {
      answer.cddbText = "202 No match for disc ID " + words[2] + ".\r\n";
    } else {
      const std::string category = found->second.substr(0, found->second.find('\n'));
      const std::string entry = found->second.substr(found->second.find('\n') + 1);
      answer.cddbText =
          "200 " + category + " " + found->first + " " + FirstLineValue(entry, "DTITLE") + "\r\n";
    }
  } else if (command == "read" && words.size() > 3) {
    const auto found = entries_.find(Lower(words[3]));
    if (found == entries_.end()) {
      answer.cddbText = "401 " + words[2] + " " + words[3] + " No such CD entry in database.\r\n";
    } else {
      const std::string entry = found->second.substr(found->second.find('\n') + 1);
      answer.cddbText =
          "210 " + words[2] + " " + words[3] + " CD database entry follows\r\n" + entry +
          (entry.size() >= 2 && entry.substr(entry.size() - 2) == "\r\n" ? "" : "\r\n") + ".\r\n";
    }
  } else {
    answer.cddbText = "500 Unrecognized command.\r\n";
  }
  return answer;
}

void FakeCddbServer::Send(platform::TcpConnection& connection, const Answer& answer) {
  if (answer.httpStatus != "200 OK") {
    // An error page, then the connection closes.
    connection.SendAll("HTTP/1.0 " + answer.httpStatus + "\r\nContent-Type: text/html\r\n\r\n" +
                           "<html><body>" + answer.httpStatus + "</body></html>\n",
                       2000);
    return;
  }
  std::string whole = kHttpHeader + answer.cddbText;
  const auto waitForClient = [&] {
    // The connection stays open until the client gives up (or the test ends).
    char byte;
    while (!stop_) {
      if (connection.WaitReadable(50) == platform::TcpError::kNone &&
          connection.Receive(&byte, 1) <= 0) {
        return;
      }
    }
  };
  switch (answer.delivery) {
    case Delivery::kWhole:
      connection.SendAll(whole, 2000);
      return;
    case Delivery::kLfOnly: {
      std::string lf;
      for (char c : whole) {
        if (c != '\r') lf += c;
      }
      connection.SendAll(lf, 2000);
      return;
    }
    case Delivery::kDrip:
      for (size_t at = 0; at < whole.size() && !stop_; at += 5) {
        if (connection.SendAll(whole.substr(at, 5), 2000) != platform::TcpError::kNone) return;
        Pause(2);
      }
      return;
    case Delivery::kHeaderFirst:
      connection.SendAll(kHttpHeader, 2000);
      Pause(150);
      connection.SendAll(answer.cddbText, 2000);
      return;
    case Delivery::kStall:
      waitForClient();
      return;
    case Delivery::kStallMidway:
      connection.SendAll(whole.substr(0, whole.size() / 2), 2000);
      waitForClient();
      return;
    case Delivery::kCloseEarly:
      connection.SendAll(whole.substr(0, whole.size() / 2), 2000);
      return;
    case Delivery::kCloseAtOnce:
      return;
    case Delivery::kSlowDrip:
      // The send fails once the client has gone.
      for (size_t at = 0; at < whole.size() && !stop_; ++at) {
        if (connection.SendAll(whole.substr(at, 1), 2000) != platform::TcpError::kNone) return;
        Pause(kSlowDripMs);
      }
      return;
    case Delivery::kEndless: {
      if (connection.SendAll(kHttpHeader, 2000) != platform::TcpError::kNone) return;
      const std::string text = answer.cddbText.empty() ? std::string(4096, 'x') : answer.cddbText;
      while (!stop_ && connection.SendAll(text, 2000) == platform::TcpError::kNone) {
      }
      return;
    }
  }
}

}  // namespace orv::discfetch::testing
