// The summary information property set of an office document: the stream's header and section
// list, the section whose format id is FMTID_SummaryInformation, its code page (property 1)
// and six of its strings. Strings are converted from the set's code page to the user's.
#ifndef ORV_FILESCAN_PROPERTY_SET_H
#define ORV_FILESCAN_PROPERTY_SET_H

#include <string>
#include <string_view>

namespace orv::filescan {

// In the user's code page; a property that is absent, or not a string, is empty.
struct SummaryProperties {
  std::string title;       // 2
  std::string subject;     // 3
  std::string author;      // 4
  std::string keywords;    // 5
  std::string comments;    // 6
  std::string lastAuthor;  // 8
};

// False when `stream` is not a property set holding a summary information section.
bool ParseSummaryProperties(std::string_view stream, SummaryProperties& properties);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_PROPERTY_SET_H
