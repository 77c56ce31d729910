// The CD drive through the MCI "cdaudio" device and GetDriveTypeA.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

#include "platform/cd_drive.h"

namespace orv::platform {
namespace {

constexpr DWORD kStatusTrackType = 0x4001;  // MCI_CDA_STATUS_TYPE_TRACK
constexpr DWORD kTrackAudio = 0x440;        // MCI_CDA_TRACK_AUDIO

TrackPosition FromPacked(DWORD_PTR msf) {
  TrackPosition position;
  position.minutes = static_cast<int32_t>(msf & 0xFF);
  position.seconds = static_cast<int32_t>((msf >> 8) & 0xFF);
  position.frames = static_cast<int32_t>((msf >> 16) & 0xFF);
  return position;
}

int32_t Frames(const TrackPosition& p) { return p.minutes * 4500 + p.seconds * 75 + p.frames; }

bool Status(MCIDEVICEID device, DWORD flags, DWORD item, DWORD track, DWORD_PTR& value) {
  MCI_STATUS_PARMS status{};
  status.dwItem = item;
  status.dwTrack = track;
  if (mciSendCommandA(device, MCI_STATUS, flags, reinterpret_cast<DWORD_PTR>(&status)) != 0) {
    return false;
  }
  value = status.dwReturn;
  return true;
}

bool ReadOpenDevice(MCIDEVICEID device, DiscToc& toc) {
  MCI_SET_PARMS set{};
  set.dwTimeFormat = MCI_FORMAT_MSF;
  if (mciSendCommandA(device, MCI_SET, MCI_SET_TIME_FORMAT, reinterpret_cast<DWORD_PTR>(&set))) {
    return false;
  }
  DWORD_PTR count = 0;
  if (!Status(device, MCI_STATUS_ITEM, MCI_STATUS_NUMBER_OF_TRACKS, 0, count)) return false;
  // A disc holds at most 99 tracks; more is a confused device.
  if (count < 1 || count > 99) return false;
  const DWORD tracks = static_cast<DWORD>(count);
  bool audio = false;
  for (DWORD track = 1; track <= tracks && !audio; ++track) {
    DWORD_PTR type = 0;
    if (!Status(device, MCI_STATUS_ITEM | MCI_TRACK, kStatusTrackType, track, type)) return false;
    audio = type == kTrackAudio;
  }
  if (!audio) return false;
  DiscToc read(tracks + 1);
  for (DWORD track = 1; track <= tracks; ++track) {
    DWORD_PTR msf = 0;
    if (!Status(device, MCI_STATUS_ITEM | MCI_TRACK, MCI_STATUS_POSITION, track, msf)) {
      return false;
    }
    read[track - 1] = FromPacked(msf);
  }
  DWORD_PTR length = 0;
  if (!Status(device, MCI_STATUS_ITEM | MCI_TRACK, MCI_STATUS_LENGTH, tracks, length)) return false;
  // MCI gives the last track's start and length; the lead-out is one frame past both.
  const int32_t leadOut = Frames(read[tracks - 1]) + Frames(FromPacked(length)) + 1;
  read[tracks] = TrackPosition{leadOut / 4500, (leadOut / 75) % 60, leadOut % 75};
  toc = std::move(read);
  return true;
}

}  // namespace

std::vector<std::string> ListCdDrives() {
  std::vector<std::string> drives;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const char root[] = {letter, ':', '\0'};
    if (GetDriveTypeA(root) == DRIVE_CDROM) drives.emplace_back(root);
  }
  return drives;
}

bool ReadToc(DiscToc& toc, const std::string& drive) {
  toc.clear();
  MCI_OPEN_PARMSA open{};
  open.lpstrDeviceType = "cdaudio";
  DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_SHAREABLE;
  if (!drive.empty()) {
    open.lpstrElementName = drive.c_str();
    flags |= MCI_OPEN_ELEMENT;
  }
  if (mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&open)) != 0) return false;
  const bool read = ReadOpenDevice(open.wDeviceID, toc);
  mciSendCommandA(open.wDeviceID, MCI_CLOSE, 0, 0);
  if (!read) toc.clear();
  return read;
}

void SetDoor(bool openTray, const std::string& drive) {
  MCI_OPEN_PARMSA open{};
  open.lpstrDeviceType = reinterpret_cast<LPCSTR>(static_cast<DWORD_PTR>(MCI_DEVTYPE_CD_AUDIO));
  DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_OPEN_SHAREABLE;
  char element[3] = {};
  if (!drive.empty() && static_cast<unsigned char>(drive[0]) > 1) {
    element[0] = drive[0];
    element[1] = ':';
    open.lpstrElementName = element;
    flags |= MCI_OPEN_ELEMENT;
  }
  if (mciSendCommandA(0, MCI_OPEN, flags, reinterpret_cast<DWORD_PTR>(&open)) != 0) return;
  mciSendCommandA(open.wDeviceID, MCI_SET, openTray ? MCI_SET_DOOR_OPEN : MCI_SET_DOOR_CLOSED, 0);
  mciSendCommandA(open.wDeviceID, MCI_CLOSE, MCI_WAIT, 0);
}

void TakeNextDisc() {}

}  // namespace orv::platform
