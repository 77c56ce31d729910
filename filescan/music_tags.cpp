#include "filescan/music_tags.h"

#include "filescan/genre_names.h"
#include "text/ascii.h"
#include "text/number.h"

namespace orv::filescan {
namespace {

// The ID3v1 text unless it is blank, or was cut at its field's end and the ID3v2 text is the
// whole of it.
std::string Chosen(const std::string& v1, bool v1Full, const std::string& v2) {
  if (text::TrimAsciiBlanks(v1).empty()) return v2;
  if (v1Full && v2.size() > v1.size() && v2.compare(0, v1.size(), v1) == 0) return v2;
  return v1;
}

}  // namespace

MusicTags MergeMusicTags(const std::optional<Id3v1Tag>& v1, const std::optional<Id3v2Tag>& v2) {
  MusicTags tags;
  if (v2) {
    tags.title = v2->title;
    tags.artist = v2->artist;
    tags.album = v2->album;
    tags.year = v2->year;
    tags.track = v2->track;
    tags.genre = v2->genre;
  }
  if (!v1) return tags;
  tags.title = Chosen(v1->title, v1->titleFull, tags.title);
  tags.artist = Chosen(v1->artist, v1->artistFull, tags.artist);
  tags.album = Chosen(v1->album, v1->albumFull, tags.album);
  if (text::IntegerValue(v1->year) != 0 || tags.year.empty()) tags.year = v1->year;
  if (v1->track != 0) tags.track = v1->track;
  if (const std::optional<std::string> genre = GenreName(v1->genre)) tags.genre = *genre;
  return tags;
}

}  // namespace orv::filescan
