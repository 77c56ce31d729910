// xmcd entries for the tests, built from the parts a test cares about.
#ifndef ORV_TESTS_DISCFETCH_ENTRY_TEXT_H
#define ORV_TESTS_DISCFETCH_ENTRY_TEXT_H

#include <string>
#include <vector>

namespace orv::discfetch::testing {

// A complete entry: signature, offsets, disc length, submitter, DISCID, DTITLE, one TTITLE and
// one EXTT per title, then `extra` lines (LF line ends).
inline std::string EntryText(const std::string& discId, const std::string& discTitle,
                             const std::vector<std::string>& titles, const std::string& extra = "",
                             int discLength = 421) {
  std::string text = "# xmcd\n#\n# Track frame offsets:\n#\t150\n#\t15787\n#\n# Disc length: " +
                     std::to_string(discLength) +
                     " seconds\n#\n# Revision: 3\n# Submitted via: fakeclient 1.0 tests\n#\n";
  text += "DISCID=" + discId + "\nDTITLE=" + discTitle + "\n";
  for (size_t i = 0; i < titles.size(); ++i) {
    text += "TTITLE" + std::to_string(i) + "=" + titles[i] + "\n";
  }
  text += "EXTD=\n";
  for (size_t i = 0; i < titles.size(); ++i) text += "EXTT" + std::to_string(i) + "=\n";
  return text + extra + "PLAYORDER=\n";
}

}  // namespace orv::discfetch::testing

#endif  // ORV_TESTS_DISCFETCH_ENTRY_TEXT_H
