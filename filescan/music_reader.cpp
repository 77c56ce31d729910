#include "filescan/music_reader.h"

#include <cstdint>

#include "contract/filter.h"
#include "contract/host_string.h"
#include "filescan/id3v1_tag.h"
#include "filescan/id3v2_tag.h"
#include "filescan/mpeg_audio_frames.h"
#include "filescan/music_tags.h"
#include "filescan/title_text.h"
#include "platform/clock.h"
#include "platform/file_source.h"
#include "text/buffered_reader.h"
#include "text/format.h"
#include "text/number.h"

namespace orv::filescan {
namespace {

constexpr int32_t kMediumMp3 = 23;
constexpr int32_t kSoundStereo = 1;

std::string WithoutTrailingBlanks(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                           text.back() == '\n' || text.back() == '\v' || text.back() == '\f')) {
    text.pop_back();
  }
  return text;
}

}  // namespace

std::string PlayingTime(int64_t seconds) {
  // Whole seconds of a walk over at most a few billion frames: the hours fit an int.
  if (seconds < 0 || seconds > INT32_MAX) seconds = 0;
  const int whole = static_cast<int>(seconds);
  return text::FormatText("%02d:%02d:%02d", whole / 3600, whole / 60 % 60, whole % 60).substr(0, 9);
}

bool ReadMusicFrom(text::ByteSource& source, const std::string& fileTitle, MediaItem& item) {
  text::BufferedReader reader(source);
  const std::optional<Id3v2Tag> front = ReadId3v2(reader);
  const std::optional<MpegAudioFacts> frames = WalkMpegAudioFrames(reader);
  if (!frames) return false;
  std::optional<Id3v1Tag> back;
  std::string_view tail;
  if (reader.Size() >= kId3v1Size && reader.View(reader.Size() - kId3v1Size, kId3v1Size, tail)) {
    back = ParseId3v1(tail);
  }
  // A file with neither tag still makes an item: its file title and what its frames tell.
  const MusicTags tags = MergeMusicTags(back, front);

  const std::string title = WithoutTrailingBlanks(tags.title);
  Assign(&item.title, UnderscoresToSpaces(title.empty() ? fileTitle : title));
  if (!tags.genre.empty()) Assign(&item.type, tags.genre);
  const std::string artist = WithoutTrailingBlanks(tags.artist);
  if (!artist.empty()) Assign(&item.author, artist);
  const std::string album = WithoutTrailingBlanks(tags.album);
  if (!album.empty()) Assign(&item.coauthor, album);
  Assign(&item.comment, text::FormatText("BitRate:%d Kbits/s - Sample Rate:%d KHz",
                                         frames->averageBitRate, frames->sampleRate / 1000));
  item.year = text::IntegerValue(tags.year);
  if (item.year == 0) item.year = platform::LocalTime(platform::Now()).tm_year + 1900;
  item.price = 0;
  CopyFixedText(item.length, sizeof item.length,
                PlayingTime(static_cast<int64_t>(frames->duration)));
  item.sound = kSoundStereo;
  item.chap = tags.track;
  item.category = ORV_CATEGORY_AUDIO;
  item.medium = kMediumMp3;
  return true;
}

void ReadMusic(const std::string& path, const std::string& fileTitle, MediaItem& item) {
  platform::FileSource file;
  if (file.Open(path)) ReadMusicFrom(file, fileTitle, item);
}

}  // namespace orv::filescan
