#include "discfetch/cddb_answer.h"

#include <algorithm>

#include "text/ascii.h"
#include "text/codepage.h"
#include "text/lines.h"
#include "text/number.h"

namespace orv::discfetch {
namespace {

using text::SplitLines;

bool IsListCode(int code) { return code >= 210 && code <= 219; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Tokens separated by runs of spaces; `rest` is what follows the spaces after the last token
// taken.
bool NextToken(std::string_view& line, std::string_view& token) {
  size_t at = 0;
  while (at < line.size() && line[at] == ' ') ++at;
  if (at >= line.size()) return false;
  size_t end = line.find(' ', at);
  if (end == std::string_view::npos) end = line.size();
  token = line.substr(at, end - at);
  line.remove_prefix(end);
  return true;
}

std::string_view SkipSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  return text;
}

// "N123 45": hemisphere letter, three digits of degrees, a separator, two digits of minutes.
bool ParseCoordinate(std::string_view token, char positive, char negative, int32_t& isPositive,
                     int32_t& minutes) {
  if (token.size() != 7 || (token[0] != positive && token[0] != negative)) return false;
  for (size_t i : {1, 2, 3, 5, 6}) {
    if (!IsDigit(token[i])) return false;
  }
  isPositive = token[0] == positive ? 1 : 0;
  const int degrees = (token[1] - '0') * 100 + (token[2] - '0') * 10 + (token[3] - '0');
  minutes = degrees * 60 + (token[5] - '0') * 10 + (token[6] - '0');
  return true;
}

bool ParseMatchLine(std::string_view line, QueryMatch& match) {
  std::string_view category, id;
  if (!NextToken(line, category) || !NextToken(line, id)) return false;
  const std::optional<uint32_t> discId = text::LeadingHex32(id);
  const std::string_view discText = SkipSpaces(line);
  if (!discId || discText.empty()) return false;
  // The category goes back into the read request's line: only a plain word may.
  for (char c : category) {
    if (static_cast<unsigned char>(c) <= 0x20 || static_cast<unsigned char>(c) >= 0x7f ||
        c == '&' || c == '?' || c == '#' || c == '%') {
      return false;
    }
  }
  match = QueryMatch();
  match.cddbCategory = std::string(category);
  match.discId = *discId;
  const size_t slash = discText.find('/');
  if (slash == std::string_view::npos) {
    match.matchTitle = EntryTextToUser(discText);
  } else {
    match.matchArtist = EntryTextToUser(text::TrimSpaces(discText.substr(0, slash)));
    match.matchTitle = EntryTextToUser(text::TrimSpaces(discText.substr(slash + 1)));
  }
  return true;
}

std::optional<bool> YesNo(std::string_view value) {
  if (value == "yes") return true;
  if (value == "no") return false;
  return std::nullopt;
}

}  // namespace

std::optional<size_t> CompleteAnswerLength(std::string_view received, bool singleLine) {
  if (singleLine) {
    const std::optional<std::string_view> body = AnswerBody(received);
    // The code is judged once the whole status line is in, not as soon as the header ends.
    if (body && body->find('\n') != std::string_view::npos && !IsListCode(StatusCode(*body))) {
      return received.size();
    }
  }
  for (size_t at = received.find('\n'); at != std::string_view::npos;
       at = received.find('\n', at + 1)) {
    const std::string_view rest = received.substr(at + 1);
    if (rest.substr(0, 2) == ".\n" || rest.substr(0, 3) == ".\r\n") {
      return at > 0 && received[at - 1] == '\r' ? at - 1 : at;
    }
  }
  return std::nullopt;
}

AnswerReception::State AnswerReception::Add(std::string_view piece) {
  if (state_ != State::kIncomplete) return state_;
  if (piece.size() > kMaxAnswerBytes - text_.size()) return state_ = State::kTooLarge;
  const size_t before = text_.size();
  text_.append(piece);
  // A terminator or header end may have begun in the last bytes of the earlier text; one that
  // begins before them was already decided.
  const size_t from = searched_;
  searched_ = text_.size() < 3 ? 0 : text_.size() - 3;
  const std::string_view text = text_;
  if (!bodyFound_) {
    const size_t crlf = text.find("\r\n\r\n", from);
    const size_t lf = text.find("\n\n", from);
    if (crlf != std::string_view::npos || lf != std::string_view::npos) {
      bodyFound_ = true;
      bodyStart_ = lf == std::string_view::npos || (crlf != std::string_view::npos && crlf < lf)
                       ? crlf + 4
                       : lf + 2;
    }
  }
  if (singleLine_ && bodyFound_ && !statusLineJudged_ &&
      text.find('\n', std::max(bodyStart_, before)) != std::string_view::npos) {
    statusLineJudged_ = true;
    if (!IsListCode(StatusCode(text.substr(bodyStart_)))) return state_ = State::kComplete;
  }
  for (size_t at = text.find('\n', from); at != std::string_view::npos;
       at = text.find('\n', at + 1)) {
    const std::string_view rest = text.substr(at + 1);
    if (rest.substr(0, 2) == ".\n" || rest.substr(0, 3) == ".\r\n") {
      text_.resize(at > 0 && text_[at - 1] == '\r' ? at - 1 : at);
      return state_ = State::kComplete;
    }
  }
  return state_;
}

std::optional<std::string_view> AnswerBody(std::string_view received) {
  const size_t crlf = received.find("\r\n\r\n");
  const size_t lf = received.find("\n\n");
  if (crlf == std::string_view::npos && lf == std::string_view::npos) return std::nullopt;
  // Whichever empty line comes first ends the header; servers that send bare LF lines end it
  // with two LFs.
  if (lf == std::string_view::npos || (crlf != std::string_view::npos && crlf < lf)) {
    return received.substr(crlf + 4);
  }
  return received.substr(lf + 2);
}

int StatusCode(std::string_view answer) {
  if (answer.size() < 3 || !IsDigit(answer[0]) || !IsDigit(answer[1]) || !IsDigit(answer[2])) {
    return -1;
  }
  return (answer[0] - '0') * 100 + (answer[1] - '0') * 10 + (answer[2] - '0');
}

std::string EntryTextToUser(std::string_view bytes) {
  return text::IsValidUtf8(bytes) ? text::Utf8ToUser(bytes) : text::Latin1ToUser(bytes);
}

int HttpStatus(std::string_view received) {
  if (received.substr(0, 5) != "HTTP/") return -1;
  const size_t space = received.find(' ');
  if (space == std::string_view::npos || space > 16) return -1;
  return StatusCode(received.substr(space + 1));
}

std::string_view FirstLine(std::string_view text) {
  const size_t end = text.find('\n');
  std::string_view line = text.substr(0, end);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

bool RefusesProtocolLevel(std::string_view answer) {
  const int code = StatusCode(answer);
  if (code < 400 || code > 599) return false;
  // "501 Illegal protocol level", "502 Protocol level already 5", "500 proto 6 unsupported".
  const std::string line = text::ToLowerAscii(FirstLine(answer));
  return line.find("proto") != std::string::npos;
}

bool ParseSites(std::string_view answer, std::vector<CddbSite>& sites) {
  if (!IsListCode(StatusCode(answer))) return false;
  sites.clear();
  const std::vector<std::string_view> lines = SplitLines(answer);
  for (size_t i = 1; i < lines.size(); ++i) {
    std::string_view rest = lines[i];
    std::string_view host, protocol, port, path, latitude, longitude;
    if (!NextToken(rest, host) || !NextToken(rest, protocol) || !NextToken(rest, port) ||
        !NextToken(rest, path) || !NextToken(rest, latitude) || !NextToken(rest, longitude)) {
      continue;
    }
    if (!text::EqualsIgnoringAsciiCase(protocol, "http")) continue;
    const std::optional<int> portNumber = text::ParseDigits(port, 5);
    CddbSite site;
    if (!portNumber || *portNumber < 1 || *portNumber > 65535 ||
        !ParseCoordinate(latitude, 'N', 'S', site.north, site.latitudeMinutes) ||
        !ParseCoordinate(longitude, 'E', 'W', site.east, site.longitudeMinutes)) {
      continue;
    }
    site.host = std::string(host);
    site.port = *portNumber;
    site.path = std::string(path);
    site.description = EntryTextToUser(SkipSpaces(rest));
    sites.push_back(std::move(site));
  }
  return true;
}

bool ParseStatus(std::string_view answer, ServerStatus& status) {
  if (!IsListCode(StatusCode(answer))) return false;
  status = ServerStatus();
  const std::pair<const char*, int32_t*> numbers[] = {
      {"current proto", &status.currentProto},
      {"max proto", &status.maxProto},
      {"current users", &status.currentUsers},
      {"max users", &status.maxUsers},
      {"Database entries", &status.databaseEntries}};
  const std::pair<const char*, bool*> flags[] = {{"gets", &status.gets},
                                                 {"updates", &status.updates},
                                                 {"posting", &status.posting},
                                                 {"quotes", &status.quotes},
                                                 {"strip ext", &status.stripExt}};
  const auto isKnown = [&](std::string_view key) {
    for (const auto& number : numbers) {
      if (key == number.first) return true;
    }
    for (const auto& flag : flags) {
      if (key == flag.first) return true;
    }
    return false;
  };
  NamedCounts* section = nullptr;  // where the indented name and count lines go
  const std::vector<std::string_view> lines = SplitLines(answer);
  // The status line and the "Server status:" line before the values are skipped.
  for (size_t i = 2; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos) break;  // malformed: keep what was read
    const std::string_view key = text::TrimAsciiBlanks(line.substr(0, colon));
    const std::string_view value = text::TrimAsciiBlanks(line.substr(colon + 1));
    if (key == "Database entries by category") {
      section = &status.categoryCounts;
      continue;
    }
    if (key == "Pending File transmissions") {
      section = &status.pendingTransmissions;
      continue;
    }
    if (section && line.front() == ' ' && !key.empty() && !isKnown(key)) {
      section->emplace_back(std::string(key), text::IntegerValue(value));
      continue;
    }
    section = nullptr;
    if (key.empty() || value.empty()) break;
    for (const auto& [name, target] : numbers) {
      if (key == name) *target = text::IntegerValue(value);
    }
    for (const auto& [name, target] : flags) {
      if (key != name) continue;
      const std::optional<bool> flag = YesNo(value);
      if (!flag) return true;  // malformed: what was read stays, the command still succeeds
      *target = *flag;
    }
  }
  return true;
}

bool ParseQuery(std::string_view answer, std::vector<QueryMatch>& matches) {
  matches.clear();
  const int code = StatusCode(answer);
  const std::vector<std::string_view> lines = SplitLines(answer);
  QueryMatch match;
  if (code == 200) {
    if (!lines.empty() && lines[0].size() > 4 && ParseMatchLine(lines[0].substr(4), match)) {
      matches.push_back(match);
    }
  } else if (IsListCode(code)) {
    for (size_t i = 1; i < lines.size(); ++i) {
      if (ParseMatchLine(lines[i], match)) matches.push_back(match);
    }
  }
  return !matches.empty();
}

std::optional<std::string_view> ReadAnswerEntry(std::string_view answer) {
  if (!IsListCode(StatusCode(answer))) return std::nullopt;
  const size_t end = answer.find('\n');
  if (end == std::string_view::npos || end + 1 >= answer.size()) return std::nullopt;
  return answer.substr(end + 1);
}

}  // namespace orv::discfetch
