#include "filescan/picture_reader.h"

#include "contract/host_string.h"
#include "filescan/iptc_block.h"
#include "filescan/jpeg_segments.h"
#include "filescan/picture_text.h"
#include "filescan/resource_ids.h"
#include "filescan/title_text.h"
#include "platform/file_source.h"
#include "platform/resources.h"
#include "platform/shell_type.h"

namespace orv::filescan {
namespace {

constexpr int32_t kMediumPainting = 38;  // "Tableau"

class EmptySource : public text::ByteSource {
 public:
  uint64_t Size() const override { return 0; }
  bool ReadAt(uint64_t, size_t, std::string& out) override {
    out.clear();
    return false;
  }
};

}  // namespace

void ReadPictureFrom(text::ByteSource& source, const std::string& path,
                     const std::string& fileTitle, MediaItem& item) {
  item.medium = kMediumPainting;
  const std::string title = UnderscoresToSpaces(fileTitle);

  if (const std::optional<IptcInfo> iptc = ReadIptc(source)) {
    const std::string firstLine = CaptionTitle(iptc->caption);
    if (!firstLine.empty()) {
      Assign(&item.title, firstLine);
      Assign(&item.editor, iptc->credit);
      Assign(&item.lang, iptc->country);
      Assign(&item.author, iptc->writer);
      Assign(&item.comment, IptcComment(*iptc));
      Assign(&item.type, "Picture w/ IPTC");
      return;
    }
  }

  ExifInfo exif;
  WalkJpegSegments(source, exif);
  if (exif.isExif) {
    Assign(&item.title, title);
    Assign(&item.type, "Picture w/ EXIF");
    Assign(&item.comment, ExifComment(platform::LoadResourceString(kStringExifComment),
                                      platform::LoadResourceString(kStringFlashNames), exif));
    return;
  }
  Assign(&item.title, title);
  Assign(&item.type, platform::ShellTypeName(path));
}

void ReadPicture(const std::string& path, const std::string& fileTitle, MediaItem& item) {
  platform::FileSource file;
  if (file.Open(path)) {
    ReadPictureFrom(file, path, fileTitle, item);
    return;
  }
  // A file that cannot be opened has neither caption nor camera data.
  EmptySource nothing;
  ReadPictureFrom(nothing, path, fileTitle, item);
}

}  // namespace orv::filescan
