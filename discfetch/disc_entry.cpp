#include "discfetch/disc_entry.h"

#include <optional>

#include "text/ascii.h"
#include "text/lines.h"
#include "text/number.h"

namespace orv::discfetch {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  while (true) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    if (text.empty()) return words;
    const size_t end = text.find(' ');
    words.push_back(text.substr(0, end));
    if (end == std::string_view::npos) return words;
    text.remove_prefix(end);
  }
}

// TTITLEn / EXTTn: the list grows to hold index n and never shrinks, so a lower index read
// later keeps the titles already there. An index outside 0 to kMaxEntryTracks - 1 is not a
// track: the line is ignored.
void AppendIndexed(std::vector<std::string>& list, std::string_view number,
                   const std::string& value) {
  const int32_t index = text::IntegerValue(number);
  if (index < 0 || index >= kMaxEntryTracks) return;
  if (list.size() < static_cast<size_t>(index) + 1) list.resize(static_cast<size_t>(index) + 1);
  list[static_cast<size_t>(index)] += value;
}

}  // namespace

std::string DecodeEscapes(std::string_view value) {
  std::string out;
  out.reserve(value.size());
  for (size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == '\\' && i + 1 < value.size()) {
      const char next = value[i + 1];
      if (next == 'n' || next == 't' || next == '\\') {
        out += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

bool ParseDiscEntry(std::string_view text, DiscEntry& entry) {
  entry = DiscEntry();
  bool signature = false, inOffsets = false, lengthSeen = false, submitter = false;
  bool idSeen = false, titleSeen = false;
  std::string discTitle, playOrder;
  for (const std::string_view line : text::SplitLines(text)) {
    if (StartsWith(line, "#")) {
      const std::string_view rest = text::TrimSpaces(line.substr(1));
      const std::string_view comment = rest.size() > 1 ? rest : std::string_view();
      if (StartsWith(comment, "xmcd")) {
        signature = true;
      } else if (comment.find("Track frame offsets:") != std::string_view::npos) {
        inOffsets = true;
      } else if (StartsWith(comment, "Disc length:")) {
        inOffsets = false;
        lengthSeen = true;
        // The number after the keyword, spaces skipped: "Disc length:2832" reads too.
        entry.discLength = text::IntegerValue(comment.substr(12));
      } else if (StartsWith(comment, "Revision:")) {
        entry.revision = text::IntegerValue(comment.substr(9));
      } else if (StartsWith(comment, "Submitted via:")) {
        const std::vector<std::string_view> words = Words(comment.substr(14));
        if (words.size() < 2) return false;
        submitter = true;
        entry.submitClient = std::string(words[0]);
        entry.submitVersion = std::string(words[1]);
        entry.submitComment = words.size() > 2 ? std::string(words[2]) : std::string();
      } else if (inOffsets && !comment.empty()) {
        entry.offsets.push_back(text::IntegerValue(comment));
      }
      continue;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view keyword = line.substr(0, equals);
    const std::string value = DecodeEscapes(line.substr(equals + 1));
    if (keyword == "DISCID") {
      if (value.size() > 7) {
        const std::optional<uint32_t> id = text::LeadingHex32(value);
        idSeen = id.has_value();
        if (id) entry.discId = *id;
      }
    } else if (keyword == "DTITLE") {
      titleSeen = true;
      discTitle += value;
    } else if (keyword == "DYEAR") {
      entry.discYear = text::IntegerValue(value);
    } else if (keyword == "DGENRE") {
      entry.discGenre += value;
    } else if (StartsWith(keyword, "TTITLE")) {
      AppendIndexed(entry.trackTitles, keyword.substr(6), value);
    } else if (keyword == "EXTD") {
      entry.extendedData += value;
    } else if (StartsWith(keyword, "EXTT")) {
      AppendIndexed(entry.trackExtendedData, keyword.substr(4), value);
    } else if (keyword == "PLAYORDER") {
      playOrder += value;
    }
  }
  if (!signature || entry.offsets.empty() || !lengthSeen || !submitter || !idSeen || !titleSeen ||
      entry.trackTitles.size() != entry.trackExtendedData.size()) {
    return false;
  }
  const size_t split = discTitle.find(" / ");
  if (split == std::string::npos) {
    entry.discArtist = entry.discTitle = discTitle;
  } else {
    entry.discArtist = discTitle.substr(0, split);
    entry.discTitle = discTitle.substr(split + 3);
  }
  for (size_t start = 0; start < playOrder.size();) {
    const size_t comma = playOrder.find(',', start);
    const std::string piece = playOrder.substr(start, comma - start);
    // Every piece before a comma counts; the last one only when it is not empty.
    if (comma != std::string::npos || !piece.empty()) {
      entry.playOrder.push_back(text::IntegerValue(piece));
    }
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

}  // namespace orv::discfetch
