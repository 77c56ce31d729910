// Crafted regression inputs of the picture, music and video targets: each is a good file of
// the builders with one damage a reader must survive, named after it.
#include <string>
#include <vector>

#include "fuzz/reader_inputs.h"
#include "tests/builders/avi_builder.h"
#include "tests/filescan/jpeg_builder.h"
#include "tests/filescan/mp3_builder.h"

namespace orv::fuzz {
namespace {

using namespace orv::testing;

// Pictures ----------------------------------------------------------------------------------

// A little-endian TIFF directory's entry `k` starts at 10 + 12k (the first directory at 8).
constexpr size_t kFirstEntry = 10;
constexpr size_t kEntryBytes = 12;

std::string ExifPicture(const std::string& tiff) {
  return StartOfImage() + JpegSegment(0xE1, std::string("Exif\0\0", 6) + tiff) +
         FrameSegment(16, 16) + ScanAndEnd();
}

void AddExif(std::vector<InputFile>& out) {
  const auto add = [&](const std::string& name, const std::string& bytes) {
    out.push_back({"jpeg_exif", name, bytes});
  };
  {
    // IFD0 -> IFD1 -> IFD0: the chain of next directories comes back to its start.
    ExifBuilder exif(false);
    const int ifd0 = exif.AddDirectory(), ifd1 = exif.AddDirectory();
    exif.Ascii(ifd0, 271, "Kestrel");
    exif.Next(ifd0, ifd1);
    exif.Short(ifd1, 296, 2);
    exif.Next(ifd1, ifd0);
    add("exif_ifd_loop", ExifPicture(exif.Tiff()));
  }
  {
    // The EXIF directory links back to IFD0 (as its interoperability link) and to itself.
    ExifBuilder exif(true);
    const int ifd0 = exif.AddDirectory(), sub = exif.AddDirectory();
    exif.Link(ifd0, 34665, sub);
    exif.Link(sub, 40965, ifd0);
    exif.Link(sub, 34665, sub);
    exif.Rational(sub, 33434, 1, 125);
    add("exif_subdirectory_loop", ExifPicture(exif.Tiff()));
  }
  {
    // Twelve distinct directories, each the next of the one before: deeper than the walk goes.
    ExifBuilder exif(false);
    int previous = exif.AddDirectory();
    exif.Ascii(previous, 271, "Kestrel");
    for (int i = 1; i < 12; ++i) {
      const int dir = exif.AddDirectory();
      exif.Short(dir, 274, 1);
      exif.Next(previous, dir);
      previous = dir;
    }
    add("exif_deep_directory_chain", ExifPicture(exif.Tiff()));
  }
  {
    // An out-of-line value whose offset lies far past the block.
    ExifBuilder exif(false);
    exif.Ascii(exif.AddDirectory(), 271, "Kestrel Optics");
    std::string tiff = exif.Tiff();
    PatchLe(tiff, kFirstEntry + 8, 0xFFFFFFF0u, 4);
    add("exif_value_offset_past_block", ExifPicture(tiff));
  }
  {
    // 0x20000001 rationals of 8 bytes: 2^32 + 8 bytes, only 8 when counted in 32 bits.
    ExifBuilder exif(false);
    exif.Raw(exif.AddDirectory(), 282, 5, 0x20000001u, std::string(8, '\1'));
    add("exif_component_count_overflow", ExifPicture(exif.Tiff()));
  }
  {
    // A user comment claiming 4 GiB of bytes.
    ExifBuilder exif(true);
    exif.Undefined(exif.AddDirectory(), 37510, std::string("ASCII\0\0\0a comment", 17));
    std::string tiff = exif.Tiff();
    PatchBe(tiff, kFirstEntry + 4, 0xFFFFFFFFu, 4);
    add("exif_user_comment_size_huge", ExifPicture(tiff));
  }
  {
    // A directory of 65535 entries in a block of a few bytes.
    ExifBuilder exif(false);
    exif.Short(exif.AddDirectory(), 274, 1);
    std::string tiff = exif.Tiff();
    PatchLe(tiff, 8, 0xFFFF, 2);
    add("exif_entry_count_past_block", ExifPicture(tiff));
  }
  {
    // The EXIF directory's link points far past the block.
    ExifBuilder exif(false);
    const int ifd0 = exif.AddDirectory();
    exif.Ascii(ifd0, 272, "K-200");
    exif.Long(ifd0, 34665, 0xFFFFFF00u);
    add("exif_subdirectory_link_past_block", ExifPicture(exif.Tiff()));
  }
  {
    // A thumbnail whose offset and length run past the block.
    ExifBuilder exif(false);
    const int ifd0 = exif.AddDirectory(), thumbnail = exif.AddDirectory();
    exif.Next(ifd0, thumbnail);
    exif.Long(thumbnail, 513, 0x7FFFFFF0u);
    exif.Long(thumbnail, 514, 0x20);
    add("exif_thumbnail_past_block", ExifPicture(exif.Tiff()));
  }
  {
    // Rationals over 0 for the resolution, the exposure, the bias and the focal plane.
    ExifBuilder exif(false);
    const int ifd0 = exif.AddDirectory(), sub = exif.AddDirectory();
    exif.Rational(ifd0, 282, 72, 0);
    exif.Rational(ifd0, 283, 0, 0);
    exif.Short(ifd0, 296, 2);
    exif.Link(ifd0, 34665, sub);
    exif.Rational(sub, 33434, 1, 0);
    exif.SignedRational(sub, 37380, -3, 0);
    exif.Rational(sub, 41486, 100, 0);
    exif.Short(sub, 41488, 3);
    exif.Long(sub, 40962, 640);
    add("exif_rational_zero_denominator", ExifPicture(exif.Tiff()));
  }
  {
    // Floats and doubles no camera writes: infinity, NaN, the smallest denormal as the focal
    // plane resolution the CCD width is divided by, a huge resolution, and the lowest ISO.
    ExifBuilder exif(false);
    const int ifd0 = exif.AddDirectory(), sub = exif.AddDirectory();
    exif.Raw(ifd0, 282, 12, 1, U32(0, false) + U32(0x7E37E43C, false));  // 1e300
    exif.Short(ifd0, 296, 5);
    exif.Raw(ifd0, 37377, 12, 1, U32(0, false) + U32(0xC0900000, false));  // shutter -1024
    exif.Link(ifd0, 34665, sub);
    exif.Raw(sub, 33434, 11, 1, U32(0x7F800000, false));                  // infinity
    exif.Raw(sub, 33437, 11, 1, U32(0x7FC00000, false));                  // NaN
    exif.Raw(sub, 37386, 12, 1, U32(0, false) + U32(0xFFF00000, false));  // -infinity
    exif.Raw(sub, 41486, 11, 1, U32(1, false));
    exif.Short(sub, 41488, 3);
    exif.Long(sub, 40962, 4000);
    exif.Raw(sub, 34855, 9, 1, U32(0x80000000u, false));
    add("exif_float_values_infinite_nan_denormal", ExifPicture(exif.Tiff()));
  }

  const std::string scan = FrameSegment(16, 16) + ScanAndEnd();
  add("jpeg_zero_length_segment", StartOfImage() + std::string("\xFF\xE2\x00\x00", 4) + scan);
  add("jpeg_segment_length_past_file",
      StartOfImage() + std::string("\xFF\xFE\xFF\xFF", 4) + "a comment cut short");
  std::string empty;
  for (int i = 0; i < 3000; ++i) empty += std::string("\xFF\xE0\x00\x02", 4);
  add("jpeg_many_empty_segments", StartOfImage() + empty + JpegSegment(0xFE, "late") + scan);
  std::string many;
  for (int i = 0; i < 25; ++i) many += JpegSegment(0xDB, std::string(65, '\1'));
  add("jpeg_too_many_segments", StartOfImage() + many + scan);
  add("jpeg_fill_bytes_run", StartOfImage() + std::string(10, '\xFF') + "\xFE" + scan);
}

void AddIptc(std::vector<InputFile>& out) {
  const auto add = [&](const std::string& name, const std::string& bytes) {
    out.push_back({"iptc", name, bytes});
  };
  const std::string head = StartOfImage() + JfifSegment();
  const std::string tail = FrameSegment(16, 16) + ScanAndEnd();
  const std::string caption = IptcRecord(2, 120, "Port");

  add("iptc_record_length_past_data",
      head + PhotoshopSegment(caption + std::string("\x1C\x02\x19\xFF\xFF", 5) + "bateau") + tail);
  {
    // The resource's 32-bit size says 4 GiB.
    std::string bytes = head + PhotoshopSegment(caption, "nm") + tail;
    PatchBe(bytes, OffsetOf(bytes, "8BIM\x04\x04") + 6 + 4, 0xFFFFFFFFu, 4);
    add("iptc_resource_size_huge", bytes);
  }
  {
    // The Photoshop segment's length runs past the end of the file.
    std::string bytes = head + PhotoshopSegment(caption);
    PatchBe(bytes, OffsetOf(bytes, "\xFF\xED") + 2, 0xFFFF, 2);
    add("iptc_photoshop_segment_past_file", bytes);
  }
  add("iptc_resource_name_past_segment",
      head +
          JpegSegment(0xED, std::string("Photoshop 3.0\0", 14) + "8BIM\x04\x04" + "\xFF" + "ab") +
          tail);
  add("iptc_zero_length_segment",
      head + std::string("\xFF\xE1\x00\x00", 4) + PhotoshopSegment(caption) + tail);
  std::string empties;
  for (int i = 0; i < 2000; ++i) empties += IptcRecord(2, 25, "");
  add("iptc_many_zero_length_records", head + PhotoshopSegment(empties + caption) + tail);
  add("iptc_unknown_character_set",
      head + PhotoshopSegment(IptcRecord(1, 90, "\x1B(B") + IptcRecord(2, 120, "Caf\xE9")) + tail);
  add("iptc_records_cut_in_a_header", caption + std::string("\x1C\x02", 2));
}

// Music -------------------------------------------------------------------------------------

void AddMusicRegressions(std::vector<InputFile>& out) {
  const auto add = [&](const std::string& name, const std::string& bytes) {
    out.push_back({"mp3", name, bytes});
  };
  const std::string tag = Id3v1("Titre", "Artiste", "Album", "1999", 2, 3);
  const std::string frames = MpegFrames(4, 3, 3, 128, 44100);
  add("id3v2_size_past_file",
      std::string("ID3\x03\x00\x00", 6) + Syncsafe(0x0FFFFFFF) + frames + tag);
  add("id3v2_size_not_syncsafe", std::string("ID3\x03\x00\x00\x80\x00\x00\x00", 10) + frames + tag);

  // Bit-rate index 0 ("free format"): no length from the header, and nothing to divide by.
  const std::string freeHeader = Be32(MpegHeaderBits(3, 3, 0, 44100));
  std::string spaced;
  for (int i = 0; i < 6; ++i) spaced += freeHeader + std::string(400, '\0');
  add("mp3_bit_rate_zero_division", spaced + tag);
  std::string packed;
  for (int i = 0; i < 3000; ++i) packed += freeHeader;
  add("mp3_zero_length_frames_back_to_back", packed + tag);

  // Sample-rate index 3 is reserved: a header with it has no rate to divide by.
  std::string reserved;
  for (int i = 0; i < 4; ++i)
    reserved += Be32(MpegHeaderBits(3, 3, 128, 44100) | 3u << 10) + std::string(413, '\0');
  add("mp3_reserved_sample_rate", reserved + tag);
  add("mp3_frame_longer_than_file",
      MpegFrame(3, 3, 320, 32000).substr(0, 300) + std::string("TAG", 3));
  add("mp3_shorter_than_id3v1", freeHeader + std::string(20, '\0'));
  add("mp3_frames_beyond_search_limit", std::string(10002, '\0') + frames + tag);
}

// ID3v2 tags -------------------------------------------------------------------------------

void AddId3v2Regressions(std::vector<InputFile>& out) {
  const auto add = [&](const std::string& name, const std::string& bytes) {
    out.push_back({"id3v2", name, bytes});
  };
  const std::string title = Id3v2TextFrame(3, "TIT2", 0, "Titre");
  add("id3v23_extended_header_size_huge", Id3v2TagOf(3, 0x40, Be32(0xFFFFFFFFu) + title));
  add("id3v24_extended_header_size_past_tag", Id3v2TagOf(4, 0x40, Syncsafe(0x0FFFFFFF) + title));
  std::string huge = Id3v2FrameOf(3, "TPE1", "\0Artiste");
  PatchBe(huge, 4, 0xFFFFFFFFu, 4);
  add("id3v23_frame_size_past_file", Id3v2TagOf(3, 0, title + huge));
  std::string empties;
  for (int i = 0; i < 10000; ++i) empties += Id3v2FrameOf(3, "TXXX", "");
  add("id3v2_zero_size_frames_past_walk_limit", Id3v2TagOf(3, 0, empties + title));
  std::string syncs;
  for (int i = 0; i < 40000; ++i) syncs += std::string("\xFF\0", 2);
  add("id3v23_unsynchronised_tag_of_sync_bytes", Id3v2TagOf(3, 0x80, syncs));
  add("id3v24_frame_flags_longer_than_frame",
      Id3v2TagOf(4, 0, Id3v2FrameOf(4, "TIT2", "\3x", 0x41) + Id3v2FrameOf(4, "TPE1", "", 0x03)));
  add("id3v2_utf16_odd_length_and_lone_surrogate",
      Id3v2TagOf(3, 0, Id3v2FrameOf(3, "TIT2", std::string("\1\xFF\xFE\x00\xD8T", 6)) +
                           Id3v2FrameOf(3, "TPE1", std::string("\2\xD8\x00\x00", 4))));
  add("id3v2_version_unknown_and_encoding_unknown",
      Id3v2TagOf(9, 0, title) + Id3v2TagOf(3, 0, Id3v2FrameOf(3, "TIT2", "\7Titre")));
}

// Videos ------------------------------------------------------------------------------------

AviSpec TwoStreams() {
  AviSpec layout;
  layout.streams = {VideoStream("XVID", 640, 480, 25, 1, 250), AudioStream(0x55, 2, 48000)};
  return layout;
}

// The offset of the first stream header's field `at` (0 type, 20 scale, 24 rate, 32 length).
size_t StreamHeaderField(const std::string& avi, size_t at) {
  return OffsetOf(avi, "strh") + 8 + at;
}

void AddVideoRegressions(std::vector<InputFile>& out) {
  const auto add = [&](const std::string& name, const std::string& bytes) {
    out.push_back({"avi", name, bytes});
  };
  const std::string good = BuildAvi(TwoStreams());
  const std::string body = good.substr(12);

  std::string zeros;
  for (int i = 0; i < 70; ++i) zeros += RiffChunk("JUNK", "");
  add("avi_zero_size_chunks_before_headers", RiffChunk("RIFF", "AVI " + zeros + body));
  {
    // A zero-size chunk inside the header list and inside a stream list, and one before.
    const AviStreamSpec video = VideoStream("DIV3", 352, 288, 25, 1, 100);
    std::string main = good.substr(OffsetOf(good, "avih") + 8, 56);
    PatchLe(main, 24, 1, 4);  // one stream
    const std::string headers = RiffChunk("JUNK", "") + RiffChunk("avih", main) +
                                RiffList("strl", RiffChunk("strd", "") + StreamHeaderChunk(video) +
                                                     RiffChunk("strf", video.format));
    add("avi_zero_size_chunk_in_header_list",
        RiffChunk("RIFF", "AVI " + RiffChunk("JUNK", "") + RiffList("hdrl", headers)));
  }
  {
    std::string bytes = good;
    PatchLe(bytes, OffsetOf(bytes, "strh") + 4, 0xFFFFFFF0u, 4);
    add("avi_chunk_size_past_list", bytes);
  }
  {
    std::string bytes = good;
    PatchLe(bytes, OffsetOf(bytes, "LIST") + 4, 0xFFFFFFFFu, 4);
    add("avi_header_list_size_huge", bytes);
  }
  {
    std::string bytes = good;
    PatchLe(bytes, 4, 0xFFFFFFFFu, 4);
    add("avi_riff_size_past_file", bytes);
  }
  {
    // A chunk of 4 GiB - 1 before the header list: the next chunk's place overflows 32 bits.
    std::string bytes = RiffChunk("RIFF", "AVI " + RiffChunk("JUNK", "") + body);
    PatchLe(bytes, OffsetOf(bytes, "JUNK") + 4, 0xFFFFFFFFu, 4);
    add("avi_top_level_chunk_size_wraps", bytes);
  }
  {
    std::string bytes = good;
    PatchLe(bytes, OffsetOf(bytes, "avih") + 8 + 24, 0xFFFFFFFFu, 4);
    add("avi_stream_count_huge", bytes);
  }
  {
    std::string bytes = good;
    PatchLe(bytes, StreamHeaderField(bytes, 24), 0, 4);
    add("avi_rate_zero", bytes);
  }
  {
    std::string bytes = good;
    PatchLe(bytes, StreamHeaderField(bytes, 20), 0, 4);
    add("avi_scale_zero", bytes);
  }
  {
    // length x scale is 2^64 - 2^33 + 1: it holds in 64 bits, not in 32.
    std::string bytes = good;
    PatchLe(bytes, StreamHeaderField(bytes, 20), 0xFFFFFFFFu, 4);
    PatchLe(bytes, StreamHeaderField(bytes, 24), 1, 4);
    PatchLe(bytes, StreamHeaderField(bytes, 32), 0xFFFFFFFFu, 4);
    add("avi_length_times_scale_overflow", bytes);
  }
  {
    // No frame rectangle, and a bitmap height whose absolute value has no int.
    AviSpec layout;
    AviStreamSpec video = VideoStream("MJPG", 0, 0, 25, 1, 10);
    PatchLe(video.format, 4, 0x80000000u, 4);  // width
    PatchLe(video.format, 8, 0x80000000u, 4);  // height
    layout.streams = {video};
    add("avi_bitmap_height_int32_min", BuildAvi(layout));
  }
  {
    // A format block of 16 KiB where 256 bytes are kept.
    AviSpec layout = TwoStreams();
    layout.streams[1].format += std::string(16 * 1024, '\x7F');
    add("avi_stream_format_larger_than_kept", BuildAvi(layout));
  }
}

}  // namespace

std::vector<InputFile> MediaRegressions() {
  std::vector<InputFile> out;
  AddExif(out);
  AddIptc(out);
  AddMusicRegressions(out);
  AddId3v2Regressions(out);
  AddVideoRegressions(out);
  return out;
}

}  // namespace orv::fuzz
