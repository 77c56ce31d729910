// The IPTC caption block that picture editors keep in a Photoshop resource ("8BIM", number
// 0x0404) of the JPEG application segment 13, wherever it stands among the segments before the
// image data (after a JFIF segment, an EXIF one, or any other): its records 2:120 (caption),
// 2:110 (credit), 2:101 (country), 2:122 (writer), 2:20 (supplemental categories) and 2:25
// (keywords), in the user's code page (UTF-8 when record 1:90 says so, else windows-1252).
#ifndef ORV_FILESCAN_IPTC_BLOCK_H
#define ORV_FILESCAN_IPTC_BLOCK_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/byte_source.h"

namespace orv::filescan {

struct IptcInfo {
  std::string caption;
  std::string credit;
  std::string country;
  std::string writer;
  std::vector<std::string> supplementalCategories;
  std::vector<std::string> keywords;
};

// The records of an IPTC resource's data. Records of other record numbers (such as 1:90, the
// character set) and empty records are passed over; the scan ends at bytes that are no record
// or at a record running past the data.
IptcInfo ParseIptcRecords(std::string_view data);

// The IPTC resource data of a JPEG file, read up to the segment that holds it; nothing when the
// file is not a JPEG or holds no such block before its scan.
std::optional<std::string> FindIptcResource(text::ByteSource& source);

// Both together: nothing when the file holds no block.
std::optional<IptcInfo> ReadIptc(text::ByteSource& source);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_IPTC_BLOCK_H
