#include "filescan/exif_parser.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

#include "text/byte_cursor.h"

namespace orv::filescan {
namespace {

using text::ByteCursor;
using text::ByteOrder;

// IFD0 -> EXIF -> interoperability, and the chain of next directories: far below this.
constexpr int kMaxDirectoryDepth = 8;

enum Tag : uint16_t {
  kTagMake = 271,
  kTagModel = 272,
  kTagOrientation = 274,
  kTagXResolution = 282,
  kTagYResolution = 283,
  kTagResolutionUnit = 296,
  kTagThumbnailOffset = 513,
  kTagThumbnailLength = 514,
  kTagExposureTime = 33434,
  kTagFNumber = 33437,
  kTagExifDirectory = 34665,
  kTagExposureProgram = 34850,
  kTagIsoEquivalent = 34855,
  kTagExifVersion = 36864,
  kTagDateTimeOriginal = 36867,
  kTagCompressedBits = 37122,
  kTagShutterSpeed = 37377,
  kTagAperture = 37378,
  kTagBrightness = 37379,
  kTagExposureBias = 37380,
  kTagMaxAperture = 37381,
  kTagDistance = 37382,
  kTagMeteringMode = 37383,
  kTagLightSource = 37384,
  kTagFlash = 37385,
  kTagFocalLength = 37386,
  kTagUserComment = 37510,
  kTagPixelXDimension = 40962,
  kTagPixelYDimension = 40963,
  kTagInteropDirectory = 40965,
  kTagFocalPlaneXRes = 41486,
  kTagFocalPlaneYRes = 41487,
  kTagFocalPlaneUnit = 41488,
};

const int kFormatSizes[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};

// The resolution unit as a factor to dots per inch; nothing for an unknown unit.
bool UnitFactor(int unit, float& factor) {
  switch (unit) {
    case 1:
    case 2:
      factor = 1.0f;
      return true;
    case 3:
      factor = 0.3937007874f;
      return true;
    case 4:
      factor = 0.03937007874f;
      return true;
    case 5:
      factor = 0.00003937007874f;
      return true;
    default:
      return false;
  }
}

// EXIF texts are ASCII: up to the first zero byte, anything else shown as '?'.
std::string AsciiText(std::string_view bytes, size_t maxChars) {
  std::string out;
  for (char c : bytes) {
    if (c == '\0' || out.size() >= maxChars) break;
    const unsigned char u = static_cast<unsigned char>(c);
    out += (u >= 0x20 && u < 0x7F) ? c : '?';
  }
  return out;
}

class Parser {
 public:
  Parser(std::string_view tiff, ByteOrder order, ExifInfo& info)
      : tiff_(tiff), order_(order), info_(info) {}

  // False when this directory failed its own checks (the text is in lastError).
  bool ReadDirectory(uint64_t start, int depth);

 private:
  double Number(std::string_view value, uint16_t format) const;
  bool ReadEntry(uint64_t at, uint32_t& thumbnailOffset, uint32_t& thumbnailLength, int depth);
  bool FollowLink(uint32_t offset, int depth);
  void Fail(const char* text) { info_.lastError = text; }

  std::string_view tiff_;
  ByteOrder order_;
  ExifInfo& info_;
  std::set<uint64_t> visited_;
};

double Parser::Number(std::string_view value, uint16_t format) const {
  ByteCursor c(value, order_);
  uint8_t u8 = 0;
  uint16_t u16 = 0;
  uint32_t u32 = 0, u32b = 0;
  uint64_t u64 = 0;
  switch (format) {
    case 1:
      return c.U8(u8) ? u8 : 0;
    case 3:
      return c.U16(u16) ? u16 : 0;
    case 4:
      return c.U32(u32) ? u32 : 0;
    case 5:
    case 10: {
      if (!c.U32(u32) || !c.U32(u32b)) return 0;
      const double numerator = format == 5 ? double(u32) : double(int32_t(u32));
      const double denominator = format == 5 ? double(u32b) : double(int32_t(u32b));
      return denominator == 0 ? 0 : numerator / denominator;
    }
    case 6:
      return c.U8(u8) ? int8_t(u8) : 0;
    case 8:
      return c.U16(u16) ? int16_t(u16) : 0;
    case 9:
      return c.U32(u32) ? int32_t(u32) : 0;
    case 11: {
      if (!c.U32(u32)) return 0;
      float f;
      static_assert(sizeof f == sizeof u32);
      std::memcpy(&f, &u32, sizeof f);
      return f;
    }
    case 12: {
      if (!c.U64(u64)) return 0;
      double d;
      std::memcpy(&d, &u64, sizeof d);
      return d;
    }
    default:
      return 0;
  }
}

// An int field from a number of the file: out-of-range values give 0 rather than overflow.
int ToInt(double value) {
  return std::isfinite(value) && value > -2147483648.0 && value < 2147483647.0
             ? static_cast<int>(value)
             : 0;
}

bool Parser::FollowLink(uint32_t offset, int depth) {
  if (offset >= tiff_.size()) {
    Fail("Illegal subdirectory link");
    return false;
  }
  // A directory already read, or one too deep, is not read again: links may point back.
  if (depth < kMaxDirectoryDepth && visited_.count(offset) == 0) ReadDirectory(offset, depth + 1);
  return true;
}

bool Parser::ReadEntry(uint64_t at, uint32_t& thumbnailOffset, uint32_t& thumbnailLength,
                       int depth) {
  // The directory's size was checked: the 12 bytes are there.
  ByteCursor entry(tiff_, order_);
  uint16_t tag = 0, format = 0;
  uint32_t components = 0, valueOrOffset = 0;
  entry.Seek(at);
  entry.U16(tag);
  entry.U16(format);
  entry.U32(components);
  const size_t valueAt = entry.Position();
  entry.U32(valueOrOffset);
  if (format < 1 || format > 12) {
    Fail("Illegal format code in EXIF dir");
    return false;
  }
  const uint64_t size = uint64_t{components} * kFormatSizes[format];
  std::string_view value;
  if (size > 4) {
    if (valueOrOffset > tiff_.size() || size > tiff_.size() - valueOrOffset) {
      Fail("Illegal pointer offset value in EXIF.");
      return false;
    }
    value = tiff_.substr(valueOrOffset, static_cast<size_t>(size));
  } else {
    value = tiff_.substr(valueAt, static_cast<size_t>(size));
  }
  const double number = Number(value, format);
  float factor = 0;
  switch (tag) {
    case kTagMake:
      info_.cameraMake = AsciiText(value, 31);
      break;
    case kTagModel:
      info_.cameraModel = AsciiText(value, 39);
      break;
    case kTagOrientation:
      info_.orientation = ToInt(number);
      if (info_.orientation < 1 || info_.orientation > 8) {
        info_.lastError = "Undefined rotation value";
        info_.orientation = 0;
      }
      break;
    // The first directory is the main image's; the second describes the thumbnail, whose
    // resolution must not replace it.
    case kTagXResolution:
      if (!info_.hasXResolution) info_.xResolution = static_cast<float>(number);
      info_.hasXResolution = true;
      break;
    case kTagYResolution:
      if (!info_.hasYResolution) info_.yResolution = static_cast<float>(number);
      info_.hasYResolution = true;
      break;
    case kTagResolutionUnit:
      if (!info_.hasResolutionUnit && UnitFactor(ToInt(number), factor)) {
        info_.resolutionUnit = factor;
        info_.hasResolutionUnit = true;
      }
      break;
    case kTagThumbnailOffset:
      thumbnailOffset = static_cast<uint32_t>(ToInt(number));
      break;
    case kTagThumbnailLength:
      thumbnailLength = static_cast<uint32_t>(ToInt(number));
      break;
    case kTagExposureTime:
      info_.exposureTime = static_cast<float>(number);
      break;
    case kTagFNumber:
      info_.apertureFNumber = static_cast<float>(number);
      break;
    case kTagExposureProgram:
      info_.exposureProgram = ToInt(number);
      break;
    case kTagIsoEquivalent:
      // Some old cameras wrote the speed divided by 200. A negative value is no speed (and
      // would overflow once multiplied).
      info_.isoEquivalent = std::max(ToInt(number), 0);
      if (info_.isoEquivalent < 50) info_.isoEquivalent *= 200;
      break;
    case kTagExifVersion:
      info_.version = AsciiText(value, 4);
      break;
    case kTagDateTimeOriginal:
      info_.dateTime = AsciiText(value, 19);
      break;
    case kTagCompressedBits:
      info_.compressionLevel = ToInt(number);
      break;
    case kTagShutterSpeed:
      if (info_.exposureTime == 0) info_.exposureTime = static_cast<float>(1 / std::exp2(number));
      break;
    case kTagAperture:
    case kTagMaxAperture:
      if (info_.apertureFNumber == 0) {
        info_.apertureFNumber = static_cast<float>(std::exp2(number / 2));
      }
      break;
    case kTagBrightness:
      info_.brightness = static_cast<float>(number);
      break;
    case kTagExposureBias:
      info_.exposureBias = static_cast<float>(number);
      break;
    case kTagDistance:
      info_.distance = static_cast<float>(number);
      break;
    case kTagMeteringMode:
      info_.meteringMode = ToInt(number);
      break;
    case kTagLightSource:
      info_.whiteBalance = ToInt(number);
      break;
    case kTagFlash:
      info_.flashUsed = (ToInt(number) & 7) != 0 ? 1 : 0;
      break;
    case kTagFocalLength:
      info_.focalLength = static_cast<float>(number);
      break;
    case kTagUserComment: {
      std::string_view text = value;
      while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
      if (text.substr(0, 5) == "ASCII") {
        size_t at = 5;
        while (at < 10 && at < text.size() && (text[at] == '\0' || text[at] == ' ')) ++at;
        text = at < 10 && at < text.size() ? text.substr(at) : std::string_view();
      }
      info_.comments = AsciiText(text, 199);
      break;
    }
    case kTagPixelXDimension:
    case kTagPixelYDimension:
      if (ToInt(number) > info_.largestWidth) info_.largestWidth = ToInt(number);
      break;
    case kTagFocalPlaneXRes:
      info_.focalPlaneXRes = static_cast<float>(number);
      break;
    case kTagFocalPlaneYRes:
      info_.focalPlaneYRes = static_cast<float>(number);
      break;
    case kTagFocalPlaneUnit:
      if (UnitFactor(ToInt(number), factor)) info_.focalPlaneUnits = factor;
      break;
    case kTagExifDirectory:
    case kTagInteropDirectory: {
      uint32_t offset = 0;
      ByteCursor link(value, order_);
      if (!link.U32(offset)) offset = UINT32_MAX;
      return FollowLink(offset, depth);
    }
    default:
      break;
  }
  return true;
}

bool Parser::ReadDirectory(uint64_t start, int depth) {
  visited_.insert(start);
  ByteCursor cursor(tiff_, order_);
  uint16_t count = 0;
  if (!cursor.Seek(start) || !cursor.U16(count) || !cursor.Has(uint64_t{12} * count)) {
    Fail("Illegally sized directory");
    return false;
  }
  uint32_t thumbnailOffset = 0, thumbnailLength = 0;
  for (uint16_t i = 0; i < count; ++i) {
    if (!ReadEntry(cursor.Position(), thumbnailOffset, thumbnailLength, depth)) return false;
    cursor.Skip(12);
  }
  uint32_t next = 0;
  if (cursor.U32(next) && next != 0) {
    if (!FollowLink(next, depth)) return true;
  }
  if (thumbnailOffset != 0 && thumbnailLength != 0 && thumbnailOffset <= tiff_.size() &&
      thumbnailLength <= tiff_.size() - thumbnailOffset) {
    info_.thumbnailOffset = thumbnailOffset;
    info_.thumbnailSize = thumbnailLength;
  }
  return true;
}

}  // namespace

bool ParseExifBlock(std::string_view block, ExifInfo& info) {
  info.flashUsed = 0;
  info.comments.clear();
  info.largestWidth = 0;
  if (block.size() < 6 || block.substr(0, 6) != std::string_view("Exif\0\0", 6)) {
    info.lastError = "Incorrect Exif header";
    return false;
  }
  const std::string_view tiff = block.substr(6);
  ByteOrder order;
  if (tiff.substr(0, 2) == "II") {
    order = ByteOrder::kLittle;
  } else if (tiff.substr(0, 2) == "MM") {
    order = ByteOrder::kBig;
  } else {
    info.lastError = "Invalid Exif alignment marker.";
    return false;
  }
  uint16_t magic = 0;
  if (!text::ReadU16At(tiff, 2, order, magic) || magic != 42) {
    info.lastError = "Invalid Exif start (1)";
    return false;
  }
  uint32_t first = 0;
  if (!text::ReadU32At(tiff, 4, order, first) || first < 8 || first > 16) {
    info.lastError = "Suspicious offset of first IFD value";
    return false;
  }
  // The first directory is where its offset says (writers put it at 8, right after the header).
  Parser parser(tiff, order, info);
  if (!parser.ReadDirectory(first, 0)) return false;
  if (info.focalPlaneXRes != 0) {
    info.ccdWidth =
        static_cast<float>(double(info.largestWidth) * info.focalPlaneUnits / info.focalPlaneXRes);
  }
  return true;
}

}  // namespace orv::filescan
