// What a CDDB server sends back over HTTP: the reception (fed in pieces of a size the input
// picks, as recv would cut them, with the answer cap), where the CDDB text begins behind the
// header, and that text read as a sites, stat, query and read answer, the read's entry parsed.
// The piecewise reception must agree with the whole-text rule on where the answer ends.
//
// Input: the bytes received, then (after a byte 0xFF) a choice of mode and piece size. Seeds:
// the fake server's answers (tests/discfetch/fake_cddb_server.cpp).
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "discfetch/cddb_answer.h"
#include "discfetch/disc_entry.h"
#include "fuzz/fuzz_input.h"

namespace {

using namespace orv::discfetch;

void Require(bool condition) {
  if (!condition) std::abort();
}

// The reception as the client runs it; the length the answer was cut to, when it completed.
std::optional<size_t> Receive(std::string_view bytes, bool singleLine, size_t pieceSize) {
  AnswerReception reception(singleLine);
  size_t fed = 0;
  while (fed < bytes.size() && reception.Current() == AnswerReception::State::kIncomplete) {
    const std::string_view piece = bytes.substr(fed, pieceSize);
    if (reception.Add(piece) == AnswerReception::State::kTooLarge) {
      Require(fed + piece.size() > kMaxAnswerBytes);
      return std::nullopt;
    }
    fed += piece.size();
  }
  const std::string_view received = bytes.substr(0, fed);
  const std::optional<size_t> whole = CompleteAnswerLength(received, singleLine);
  if (reception.Current() == AnswerReception::State::kComplete) {
    Require(whole && *whole == reception.Text().size());
    Require(reception.Text() == received.substr(0, *whole));
    // Nothing was complete before the last piece came.
    const size_t last = fed - std::min(fed, pieceSize);
    if (last > 0) Require(!CompleteAnswerLength(received.substr(0, last), singleLine));
    return whole;
  }
  Require(!whole);
  return std::nullopt;
}

void ParseAnswers(std::string_view body) {
  (void)StatusCode(body);
  std::vector<CddbSite> sites;
  if (ParseSites(body, sites)) {
    for (const CddbSite& site : sites) Require(site.port >= 1 && site.port <= 65535);
  }
  ServerStatus status;
  (void)ParseStatus(body, status);
  std::vector<QueryMatch> matches;
  (void)ParseQuery(body, matches);
  if (const std::optional<std::string_view> entryText = ReadAnswerEntry(body)) {
    DiscEntry entry;
    (void)ParseDiscEntry(EntryTextToUser(*entryText), entry);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  orv::fuzz::FuzzInput input(data, size);
  const std::string_view bytes = input.Piece();
  const uint8_t choices = input.Byte();
  const bool singleLine = (choices & 1) != 0;
  // Pieces of 1 byte to the client's whole buffer.
  static constexpr size_t kPieceSizes[] = {1, 2, 3, 7, 64, 511, 4095, 4096};
  const size_t pieceSize = kPieceSizes[(choices >> 1) % 8];

  const std::optional<size_t> length = Receive(bytes, singleLine, pieceSize);
  const std::string_view received = length ? bytes.substr(0, *length) : bytes;
  const std::optional<std::string_view> body = AnswerBody(received);
  // A server may also send no header at all: the text is then read as it is.
  ParseAnswers(body ? *body : received);
  return 0;
}
