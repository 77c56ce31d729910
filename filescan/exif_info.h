// What the EXIF parser learns of a picture: the frame size from the JPEG frame header, and the
// camera data of its EXIF block. Only some of it reaches the item (exif_comment.h); the rest is
// kept as the tag table fills it.
#ifndef ORV_FILESCAN_EXIF_INFO_H
#define ORV_FILESCAN_EXIF_INFO_H

#include <cstdint>
#include <string>

namespace orv::filescan {

struct ExifInfo {
  std::string version;      // 4 characters
  std::string cameraMake;   // at most 31 characters
  std::string cameraModel;  // at most 39 characters
  std::string dateTime;     // 19 characters
  int height = 0, width = 0;
  int orientation = 0, isColor = 0, process = 0, flashUsed = 0;
  float focalLength = 0, exposureTime = 0, apertureFNumber = 0, distance = 0, ccdWidth = 0,
        exposureBias = 0;
  int whiteBalance = 0, meteringMode = 0, exposureProgram = 0, isoEquivalent = 0,
      compressionLevel = 0;
  float focalPlaneXRes = 0, focalPlaneYRes = 0, focalPlaneUnits = 0, xResolution = 0,
        yResolution = 0, resolutionUnit = 0, brightness = 0;
  std::string comments;  // the first comment segment, or the EXIF user comment
  uint32_t thumbnailOffset = 0, thumbnailSize = 0;
  bool isExif = false;  // an EXIF block was parsed without failure
  std::string lastError;

  // While parsing: the largest image width of the EXIF tags, and which of the resolution tags
  // were already taken (the thumbnail's directory comes second and must not replace them).
  int largestWidth = 0;
  bool hasXResolution = false, hasYResolution = false, hasResolutionUnit = false;
};

}  // namespace orv::filescan

#endif  // ORV_FILESCAN_EXIF_INFO_H
