// The CD drive: which drives there are, the table of contents of the disc in one, the tray.
//
// Positions are absolute disc addresses in minutes, seconds and frames (75 per second), the
// 150-frame lead-in included, as the drive reports them. A table holds one entry per track
// start, then the lead-out. On Windows the MCI "cdaudio" device and GetDriveTypeA answer; on
// Linux libcdio, or, when $ORVHOST_CDROM names disc images (CUE/BIN, cdrdao TOC, NRG,
// separated by ":"), those images stand for one drive whose disc is swapped at each
// acquisition. Nothing stays open between calls.
#ifndef ORV_PLATFORM_CD_DRIVE_H
#define ORV_PLATFORM_CD_DRIVE_H

#include <cstdint>
#include <string>
#include <vector>

namespace orv::platform {

struct TrackPosition {
  int32_t minutes = 0;
  int32_t seconds = 0;
  int32_t frames = 0;
};

// N track starts then the lead-out; empty when no table could be read.
using DiscToc = std::vector<TrackPosition>;

// The CD drives, in the system's order ("D:" on Windows, device paths on Linux); empty when
// there is none.
std::vector<std::string> ListCdDrives();

// The disc's table of contents from `drive`, or from the default CD audio device when `drive`
// is empty. False, with `toc` empty, when there is no disc, no track, or no audio track at all
// (data tracks beside an audio track are kept: every track is in the table).
bool ReadToc(DiscToc& toc, const std::string& drive = std::string());

// Opens (`open`) or closes the tray of `drive` (the default device when empty). Failures are
// ignored: there may be no tray to move.
void SetDoor(bool open, const std::string& drive);

// The user says a disc is in the drive and should be read now. With disc images this moves to
// the next image (the first call to the first), the last one staying in; a real drive has
// nothing to do.
void TakeNextDisc();

}  // namespace orv::platform

#endif  // ORV_PLATFORM_CD_DRIVE_H
