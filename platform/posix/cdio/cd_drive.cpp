// The CD drive on Linux through libcdio, which reads a drive, a CUE/BIN, a cdrdao TOC or an NRG
// image the same way. $ORVHOST_CDROM may list images ("a.cue:b.toc"): they then make one drive
// whose disc is the image TakeNextDisc reached.
#include "platform/cd_drive.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>

#include <cstdlib>

namespace orv::platform {
namespace {

constexpr int kMaxTracks = 99;

struct ImageDrive {
  std::string variable;  // the value the list was made from
  std::vector<std::string> images;
  size_t current = 0;
  bool started = false;  // the first acquisition takes the first image
};

ImageDrive& Images() {
  static ImageDrive drive;
  const char* value = std::getenv("ORVHOST_CDROM");
  const std::string now = value ? value : "";
  if (now != drive.variable) {
    drive = ImageDrive();
    drive.variable = now;
    size_t start = 0;
    while (start <= now.size()) {
      const size_t colon = now.find(':', start);
      const std::string image = now.substr(start, colon - start);
      if (!image.empty()) drive.images.push_back(image);
      if (colon == std::string::npos) break;
      start = colon + 1;
    }
  }
  return drive;
}

// libcdio reports to stderr by default; the filter speaks only through its results.
void Silence() {
  static const bool done = [] {
    cdio_log_set_handler([](cdio_log_level_t, const char*) {});
    return true;
  }();
  (void)done;
}

TrackPosition FromFrames(lba_t frames) {
  return TrackPosition{static_cast<int32_t>(frames / 4500),
                       static_cast<int32_t>((frames / 75) % 60), static_cast<int32_t>(frames % 75)};
}

bool ReadOpen(CdIo_t* cdio, DiscToc& toc) {
  const track_t first = cdio_get_first_track_num(cdio);
  const track_t count = cdio_get_num_tracks(cdio);
  if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count < 1 ||
      count > kMaxTracks || first + count - 1 > kMaxTracks) {
    return false;
  }
  bool audio = false;
  for (track_t t = first; t < first + count && !audio; ++t) {
    audio = cdio_get_track_format(cdio, t) == TRACK_FORMAT_AUDIO;
  }
  if (!audio) return false;
  DiscToc read;
  // Block addresses count the 150-frame lead-in, as MCI's positions do. The lead-out is taken
  // as libcdio gives it: it already lies one frame past the last track's start and length.
  for (track_t t = first; t < first + count; ++t) {
    const lba_t start = cdio_get_track_lba(cdio, t);
    if (start == CDIO_INVALID_LBA || start < 0) return false;
    read.push_back(FromFrames(start));
  }
  const lba_t leadOut = cdio_get_track_lba(cdio, CDIO_CDROM_LEADOUT_TRACK);
  if (leadOut == CDIO_INVALID_LBA || leadOut < 0) return false;
  read.push_back(FromFrames(leadOut));
  toc = std::move(read);
  return true;
}

}  // namespace

std::vector<std::string> ListCdDrives() {
  ImageDrive& images = Images();
  if (!images.images.empty()) return {images.images.front()};
  Silence();
  std::vector<std::string> drives;
  char** devices = cdio_get_devices(DRIVER_DEVICE);
  for (char** device = devices; device && *device && drives.size() < 26; ++device) {
    drives.emplace_back(*device);
  }
  cdio_free_device_list(devices);
  return drives;
}

bool ReadToc(DiscToc& toc, const std::string& drive) {
  toc.clear();
  ImageDrive& images = Images();
  const bool image = !images.images.empty() && (drive.empty() || drive == images.images.front());
  Silence();
  // A drive, or an image in whichever of the formats reads it.
  const std::string source = image ? images.images[images.current] : drive;
  const std::vector<driver_id_t> drivers =
      image ? std::vector<driver_id_t>{DRIVER_CDRDAO, DRIVER_BINCUE, DRIVER_NRG}
            : std::vector<driver_id_t>{DRIVER_DEVICE};
  for (driver_id_t driver : drivers) {
    CdIo_t* cdio = cdio_open(source.empty() ? nullptr : source.c_str(), driver);
    if (!cdio) continue;
    const bool read = ReadOpen(cdio, toc);
    cdio_destroy(cdio);
    if (read) return true;
    toc.clear();
  }
  return false;
}

void SetDoor(bool open, const std::string& drive) {
  if (!Images().images.empty()) return;  // an image has no tray
  Silence();
  if (open) {
    cdio_eject_media_drive(drive.empty() ? nullptr : drive.c_str());
  } else {
    cdio_close_tray(drive.empty() ? nullptr : drive.c_str(), nullptr);
  }
}

void TakeNextDisc() {
  ImageDrive& images = Images();
  if (images.images.empty()) return;
  if (!images.started) {
    images.started = true;
    images.current = 0;
  } else if (images.current + 1 < images.images.size()) {
    ++images.current;
  }
}

}  // namespace orv::platform
