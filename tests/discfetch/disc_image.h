// Disc images the tests make for themselves, which libcdio reads like a disc in a drive: a
// CUE sheet with a BIN of silence sized for the tracks (sparse: it takes no room on disk), or
// a cdrdao TOC file over such a BIN.
#ifndef ORV_TESTS_DISCFETCH_DISC_IMAGE_H
#define ORV_TESTS_DISCFETCH_DISC_IMAGE_H

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace orv::discfetch::testing {

struct ImageTrack {
  int frames;  // length in frames, 75 per second
  bool audio = true;
};

inline std::string Msf(int frames) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", frames / 4500, frames / 75 % 60, frames % 75);
  return text;
}

inline void WriteSilence(const std::filesystem::path& bin, const std::vector<ImageTrack>& tracks) {
  long long frames = 0;
  for (const ImageTrack& track : tracks) frames += track.frames;
  std::ofstream(bin, std::ios::binary).close();
  std::filesystem::resize_file(bin, static_cast<uintmax_t>(frames) * 2352);
}

// NAME.cue and NAME.bin in `folder`; returns the CUE sheet's path.
inline std::string WriteCueImage(const std::filesystem::path& folder, const std::string& name,
                                 const std::vector<ImageTrack>& tracks) {
  WriteSilence(folder / (name + ".bin"), tracks);
  std::string cue = "FILE \"" + name + ".bin\" BINARY\n";
  int start = 0;
  for (size_t i = 0; i < tracks.size(); ++i) {
    const std::string number = (i + 1 < 10 ? "0" : "") + std::to_string(i + 1);
    cue += "  TRACK " + number + (tracks[i].audio ? " AUDIO\n" : " MODE1/2352\n");
    cue += "    INDEX 01 " + Msf(start) + "\n";
    start += tracks[i].frames;
  }
  const std::filesystem::path path = folder / (name + ".cue");
  std::ofstream(path, std::ios::binary) << cue;
  return path.string();
}

// NAME.toc (cdrdao) and NAME.bin; audio tracks only.
inline std::string WriteTocImage(const std::filesystem::path& folder, const std::string& name,
                                 const std::vector<ImageTrack>& tracks) {
  WriteSilence(folder / (name + ".bin"), tracks);
  std::string toc = "CD_DA\n";
  int start = 0;
  for (const ImageTrack& track : tracks) {
    // libcdio finds a TOC's data file from the working folder: name it in full.
    toc += "TRACK AUDIO\nFILE \"" + (folder / (name + ".bin")).string() + "\" " + Msf(start) + " " +
           Msf(track.frames) + "\n";
    start += track.frames;
  }
  const std::filesystem::path path = folder / (name + ".toc");
  std::ofstream(path, std::ios::binary) << toc;
  return path.string();
}

// The worked example: starts 0:02:00 and 3:30:37, lead-out 7:01:12 (identifier 0501a302).
inline std::vector<ImageTrack> WorkedExampleTracks() { return {{15637}, {15800}}; }
// The disc id of WorkedExampleTracks().
inline constexpr const char* kExampleId = "0501a302";

// A disc of `count` tracks of `seconds` each.
inline std::vector<ImageTrack> EvenTracks(int count, int seconds) {
  return std::vector<ImageTrack>(static_cast<size_t>(count), ImageTrack{seconds * 75});
}

}  // namespace orv::discfetch::testing

#endif  // ORV_TESTS_DISCFETCH_DISC_IMAGE_H
