// Names of the pages written in file mode, one page per item, beside the chosen output path.
//
// Numbered names put the number before the first "." of the chosen file name, two digits at
// least (liste.htm -> liste01.htm, liste02.htm ...), or append it unpadded when the file name
// has no "." (liste -> liste1, liste2 ...). Names from titles are the title made safe for a
// file name plus the chosen file name's extension (".htm" when it has none). No page of a run
// replaces another page of the same run: a name already taken gets " (2)", " (3)" ... before
// its extension.
#ifndef ORV_PAGEBUILDER_PAGE_NAMES_H
#define ORV_PAGEBUILDER_PAGE_NAMES_H

#include <set>
#include <string>
#include <string_view>

namespace orv::pagebuilder {

// The title as a file name: path separators, "..", the characters : * < > | ? / \ " and control
// characters become blanks, and the name is cut to a length every file system takes. Empty when
// nothing usable is left (only blanks and dots) or when the name would open a device on Windows
// (CON, NUL, COM1 ...): the page then takes a numbered name.
std::string FileNameFromTitle(std::string_view title);

class PageNamer {
 public:
  // `outputPath` has a folder (Open refuses one without).
  explicit PageNamer(std::string_view outputPath);

  // The full path of the next page: from the title when `fromTitle` and the title gives a
  // usable name, else the next numbered name.
  std::string Next(std::string_view title, bool fromTitle);

  // Keeps `fileName` (in the output folder) from being handed out: a page that would take it
  // gets a " (n)" name instead.
  void Reserve(std::string_view fileName);

  // The numbered name of page n, whether or not it was handed out.
  std::string NumberedPath(int n) const;

 private:
  std::string Claim(const std::string& stem, const std::string& extension);

  std::string folder_;     // with its trailing separator
  std::string stem_;       // file name before its first "." (all of it without one)
  std::string extension_;  // from the first "." on; empty when there is none
  bool dotted_ = false;
  int nextNumber_ = 1;
  std::set<std::string> taken_;  // names handed out, compared without ASCII case
};

}  // namespace orv::pagebuilder

#endif  // ORV_PAGEBUILDER_PAGE_NAMES_H
