// The transcript line of a message box that says why a run ended. orvhost sets $ORVHOST_TRACE
// for an import or export with --trace; the filter, which shares the process's standard output,
// writes the line itself, just before the host writes the line of the call that showed it.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/ui.h"
#include "text/codepage.h"

namespace orv::ui {
namespace {

std::string Quoted(std::string_view utf8) {
  std::string out = "\"";
  for (char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (byte < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace

void TranscribeMessage(std::string_view caption, std::string_view text) {
  const char* trace = std::getenv("ORVHOST_TRACE");
  if (!trace || std::string_view(trace) != "1") return;
  const std::string line =
      "{\"op\":\"MessageBox\",\"caption\":" + Quoted(text::UserToUtf8(caption)) +
      ",\"text\":" + Quoted(text::UserToUtf8(text)) + "}\n";
  std::fputs(line.c_str(), stdout);
  std::fflush(stdout);
}

}  // namespace orv::ui
