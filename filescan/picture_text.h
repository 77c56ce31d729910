// The texts a picture's item gets: the comment of string 121 from its camera data, and the
// comment of its IPTC caption block.
#ifndef ORV_FILESCAN_PICTURE_TEXT_H
#define ORV_FILESCAN_PICTURE_TEXT_H

#include <string>

#include "filescan/exif_info.h"
#include "filescan/iptc_block.h"

namespace orv::filescan {

// "(1/250)" for short exposures; longer than a second its seconds, one decimal at most, and
// " s" ("2 s", "1.5 s"); exactly one second "(1/1)"; no exposure time (0, or a value no camera
// writes) gives the empty text.
std::string ExposureText(float exposureTime);

// Dots per inch from a resolution and its unit factor: 0 when either is 0.
int DotsPerInch(float resolution, float unitFactor);

// String 121 filled from the camera data; `flashNames` is string 461 ("Non|Oui").
std::string ExifComment(const std::string& format, const std::string& flashNames,
                        const ExifInfo& info);

// The caption's first line (line feeds removed, up to the first carriage return).
std::string CaptionTitle(const std::string& caption);
// The caption (line feeds removed, carriage returns as spaces), then the supplemental
// categories and the keywords, each group after a backslash-n and each entry followed by ", ".
std::string IptcComment(const IptcInfo& info);

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_PICTURE_TEXT_H
