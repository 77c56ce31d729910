#include "filescan/picture_text.h"

#include <cmath>

#include "contract/list_piece.h"
#include "text/format.h"

namespace orv::filescan {
namespace {

std::string WithoutLineFeeds(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\n') out += c;
  }
  return out;
}

}  // namespace

std::string ExposureText(float exposureTime) {
  const double t = exposureTime;
  if (!std::isfinite(t) || t <= 0) return std::string();
  if (t > 1) {
    std::string seconds = text::FormatText("%.1f", t);
    if (seconds.size() > 2 && seconds.compare(seconds.size() - 2, 2, ".0") == 0) {
      seconds.resize(seconds.size() - 2);
    }
    return seconds + " s";
  }
  // At most a second here, so 1/t + 0.5 is at least 1.5; very short times are capped.
  const double denominator = std::floor(1 / t + 0.5);
  return text::FormatText("(1/%d)", denominator < 1e9 ? static_cast<int>(denominator) : 1000000000);
}

int DotsPerInch(float resolution, float unitFactor) {
  if (resolution == 0 || unitFactor == 0) return 0;
  const double dpi = std::trunc(double(resolution) / unitFactor);
  return std::isfinite(dpi) && std::fabs(dpi) < 2147483647.0 ? static_cast<int>(dpi) : 0;
}

std::string ExifComment(const std::string& format, const std::string& flashNames,
                        const ExifInfo& info) {
  const std::string flash =
      GetListPiece(info.flashUsed + 1, flashNames, "", "|", EmptyPiece::kDefaultText);
  const std::string focal = text::FormatText("%4.1fmm", double(info.focalLength));
  const std::string aperture = text::FormatText("%3.1f", double(info.apertureFNumber));
  return text::FormatResourceText(
      format.c_str(), info.cameraModel.c_str(), info.cameraMake.c_str(), info.width, info.height,
      DotsPerInch(info.xResolution, info.resolutionUnit),
      DotsPerInch(info.yResolution, info.resolutionUnit), flash.c_str(), focal.c_str(),
      ExposureText(info.exposureTime).c_str(), aperture.c_str());
}

std::string CaptionTitle(const std::string& caption) {
  const std::string text = WithoutLineFeeds(caption);
  return text.substr(0, text.find('\r'));
}

std::string IptcComment(const IptcInfo& info) {
  std::string comment = WithoutLineFeeds(info.caption);
  for (char& c : comment) {
    if (c == '\r') c = ' ';
  }
  if (!comment.empty()) comment += "\\n";
  for (const std::string& category : info.supplementalCategories) comment += category + ", ";
  // One separator between the caption and the keywords when there is no category between.
  if (!info.supplementalCategories.empty()) comment += "\\n";
  for (const std::string& keyword : info.keywords) comment += keyword + ", ";
  return comment;
}

}  // namespace orv::filescan
