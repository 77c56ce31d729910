// Crafted regression inputs of the office document, program and web page targets: each is a
// good file of the builders with one damage a reader must survive, named after it.
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/reader_inputs.h"
#include "tests/builders/compound_file_builder.h"
#include "tests/builders/pe_builder.h"
#include "tests/builders/property_set_builder.h"

namespace orv::fuzz {
namespace {

using namespace orv::testing;


uint32_t Le32At(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// Compound files ----------------------------------------------------------------------------

// Directory entry fields.
constexpr size_t kNameBytes = 0x40, kLeft = 0x44, kRight = 0x48, kChild = 0x4C, kStart = 0x74,
                 kSize = 0x78;

std::string SmallSummary() {
  return BuildPropertySet({CodePageProperty(1252), StringProperty(2, "Rapport"),
                           StringProperty(4, "Ann"), StringProperty(6, std::string(200, 'c'))});
}

// The summary stream in regular sectors (4096 bytes or more).
CompoundFileImage RegularSummary() {
  return BuildCompoundFile(
      {{"WordDocument", std::string(700, 'd')},
       {kSummaryName, BuildPropertySet({StringProperty(2, "Rapport"),
                                        StringProperty(6, std::string(4200, 'c'))})}});
}

// The summary stream in the mini stream.
CompoundFileImage MiniSummary() { return BuildCompoundFile({{kSummaryName, SmallSummary()}}); }

void AddCompoundFiles(std::vector<InputFile>& out) {
  const auto add = [&](const std::string& name, const std::string& bytes) {
    out.push_back({"compound_file", name, bytes});
  };
  {
    CompoundFileImage image = RegularSummary();
    const uint32_t start = image.streamStarts[1];
    PatchLe(image.bytes, image.FatEntryOffset(start + 1), start, 4);
    add("cfb_fat_loop", image.bytes);
  }
  {
    CompoundFileImage image = MiniSummary();
    PatchLe(image.bytes, image.FatEntryOffset(image.directorySector), image.directorySector, 4);
    add("cfb_directory_chain_loop", image.bytes);
  }
  {
    CompoundFileImage image = MiniSummary();
    const uint32_t start = image.streamStarts[0];
    PatchLe(image.bytes, image.MiniFatEntryOffset(start + 1), start, 4);
    add("cfb_mini_fat_loop", image.bytes);
  }
  {
    CompoundFileImage image = MiniSummary();
    const uint32_t ministream = Le32At(image.bytes, image.EntryOffset(0) + kStart);
    PatchLe(image.bytes, image.FatEntryOffset(ministream), ministream, 4);
    add("cfb_mini_stream_chain_loop", image.bytes);
  }
  {
    // 238 FAT sectors: 109 in the header, the rest in a DIFAT sector whose next is itself. The
    // file has the 240 sectors that many FAT sectors need.
    CompoundFileImage image = MiniSummary();
    constexpr uint32_t kDifat = 200;
    image.bytes.resize(241 * 512, '\0');
    PatchLe(image.bytes, 0x2C, 238, 4);
    PatchLe(image.bytes, 0x44, kDifat, 4);
    PatchLe(image.bytes, 0x48, 0xFFFFFFFFu, 4);
    PatchLe(image.bytes, image.SectorOffset(kDifat) + 508, kDifat, 4);
    add("cfb_difat_loop", image.bytes);
  }
  {
    // Three streams whose sibling links point at one another, and no summary to find.
    CompoundFileImage image = BuildCompoundFile({{"WordDocument", std::string(100, 'w')},
                                                 {"1Table", std::string(100, 't')},
                                                 {"Data", std::string(100, 'd')}});
    PatchLe(image.bytes, image.EntryOffset(0) + kChild, 1, 4);
    for (uint32_t id = 1; id <= 3; ++id) {
      PatchLe(image.bytes, image.EntryOffset(id) + kLeft, id % 3 + 1, 4);
      PatchLe(image.bytes, image.EntryOffset(id) + kRight, (id + 1) % 3 + 1, 4);
    }
    add("cfb_sibling_cycle", image.bytes);
  }
  {
    // 120 siblings in one chain of left links: a tree as deep as it has entries.
    std::vector<CfbStream> streams;
    for (int i = 0; i < 120; ++i) streams.push_back({"s" + std::to_string(1000 + i), ""});
    CompoundFileImage image = BuildCompoundFile(streams);
    PatchLe(image.bytes, image.EntryOffset(0) + kChild, 1, 4);
    for (uint32_t id = 1; id <= 120; ++id) {
      PatchLe(image.bytes, image.EntryOffset(id) + kLeft, id < 120 ? id + 1 : kCfbFree, 4);
      PatchLe(image.bytes, image.EntryOffset(id) + kRight, kCfbFree, 4);
    }
    add("cfb_deep_sibling_tree", image.bytes);
  }
  {
    CompoundFileImage image = RegularSummary();
    PatchLe(image.bytes, image.EntryOffset(2) + kStart, 0x7FFFFFF0u, 4);
    add("cfb_stream_sector_past_file", image.bytes);
  }
  {
    CompoundFileImage image = MiniSummary();
    PatchLe(image.bytes, image.EntryOffset(1) + kStart, 0x00FFFFFFu, 4);
    add("cfb_mini_sector_past_mini_stream", image.bytes);
  }
  {
    CompoundFileImage image = MiniSummary();
    PatchLe(image.bytes, 0x2C, 0xFFFFFFFFu, 4);
    add("cfb_fat_count_huge", image.bytes);
  }
  {
    // A stream of 4 GiB - 1 bytes (version 3 keeps 32 bits of the size).
    CompoundFileImage image = MiniSummary();
    PatchLe(image.bytes, image.EntryOffset(1) + kSize, 0xFFFFFFFFu, 4);
    add("cfb_stream_size_huge", image.bytes);
  }
  {
    CompoundFileImage image = MiniSummary();
    PatchLe(image.bytes, image.EntryOffset(1) + kSize, 0, 4);
    add("cfb_zero_size_summary_stream", image.bytes);
  }
  {
    CompoundFileImage image = MiniSummary();
    PatchLe(image.bytes, image.EntryOffset(1) + kNameBytes, 39, 2);
    add("cfb_entry_name_odd_length", image.bytes);
  }
  {
    CompoundFileImage image = MiniSummary();
    PatchLe(image.bytes, image.EntryOffset(0) + kChild, 0x7FFFFFFFu, 4);
    add("cfb_child_id_past_directory", image.bytes);
  }
}

// Property sets -----------------------------------------------------------------------------

// The section starts at 48; its table of (id, offset) pairs at 56.
constexpr size_t kSection = 48;
constexpr size_t kSectionCount = 24, kFirstOffset = 44, kPropertyCount = 52, kTable = 56;

// Where property `index` of the table has its value (after the type word).
size_t ValueAt(const std::string& set, size_t index) {
  return kSection + Le32At(set, kTable + 8 * index + 4) + 4;
}

void AddPropertySets(std::vector<InputFile>& out) {
  const auto add = [&](const std::string& name, const std::string& bytes) {
    out.push_back({"property_set", name, bytes});
  };
  const std::string good = SmallSummary();
  {
    std::string set = good;
    PatchLe(set, kFirstOffset, 0xFFFFFF00u, 4);
    add("propset_section_offset_past_stream", set);
  }
  {
    std::string set = good;
    PatchLe(set, kTable + 8 * 1 + 4, 0xFFFFFFF0u, 4);
    add("propset_property_offset_past_section", set);
  }
  {
    // 0x20000001 properties of 8 bytes: only 8 bytes when counted in 32 bits.
    std::string set = good;
    PatchLe(set, kPropertyCount, 0x20000001u, 4);
    add("propset_property_count_overflow", set);
  }
  {
    // Four billion sections listed, none of them the summary: the list runs out first.
    std::string set = good;
    PatchLe(set, kSectionCount, 0xFFFFFFFFu, 4);
    set[28] ^= 1;
    add("propset_section_count_huge", set);
  }
  {
    std::string set = good;
    PatchLe(set, ValueAt(set, 1), 0xFFFFFFFFu, 4);
    add("propset_string_count_huge", set);
  }
  {
    // 0x80000001 UTF-16 characters: two bytes when counted in 32 bits.
    std::string wide;
    Put32(wide, 0x80000001u);
    wide += Utf16Le("Titre") + std::string(2, '\0');
    add("propset_wide_string_count_overflow",
        BuildPropertySet({CodePageProperty(1252), {2, wide, kVtLpwstr}}));
  }
  {
    // A UTF-16 set's 8-bit string of 7 bytes, and a wide string the stream ends inside of.
    std::string odd;
    Put32(odd, 7);
    odd += std::string("R\0a\0p\0p\0", 8);
    std::string wide;
    Put32(wide, 20);
    wide += Utf16Le("Auteur");
    std::string set =
        BuildPropertySet({CodePageProperty(1200), {2, odd, kVtLpstr}, {4, wide, kVtLpwstr}});
    set.pop_back();
    add("propset_odd_length_utf16", set);
  }
  add("propset_unknown_code_page",
      BuildPropertySet({CodePageProperty(12345), StringProperty(2, "Caf\xE9"),
                        StringProperty(4, "Zo\xC3\xA9")}));
  add("propset_code_page_invalid_bytes",
      BuildPropertySet(
          {CodePageProperty(932), StringProperty(2, "\x81"), StringProperty(4, "\xFF\xFF\x82")}));
  {
    std::string none;
    Put32(none, 0);
    add("propset_zero_count_string",
        BuildPropertySet({CodePageProperty(1252), {2, none, kVtLpstr}, {4, none, kVtLpwstr}}));
  }
}

// Programs ----------------------------------------------------------------------------------

// PE32 headers of the builder: the section count, the optional header's size, the resource
// section's entry in the section table.
constexpr size_t kSectionCountAt = 0x86, kOptionalSizeAt = 0x94, kResourceSection = 0x1A0;
// The version block's root node ends at 92: its first child starts there.
constexpr size_t kFirstChild = 92;

PeImage ReportTool(std::string block = BuildVersionBlock(ReportToolVersion())) {
  PeSpec layout;
  layout.versionBlock = std::move(block);
  return BuildPe(layout);
}

void AddProgramRegressions(std::vector<InputFile>& out) {
  const auto add = [&](const std::string& name, const std::string& bytes) {
    out.push_back({"pe_version", name, bytes});
  };
  // Resource directory offsets: the type level's entry target at 20, the name level's at 44,
  // the data entry (address, size) at 72.
  {
    PeImage image = ReportTool();
    PatchLe(image.bytes, image.resourceOffset + 20, 0x80000000u, 4);
    add("pe_resource_directory_self_pointing", image.bytes);
  }
  {
    PeImage image = ReportTool();
    PatchLe(image.bytes, image.resourceOffset + 44, 0x80000018u, 4);
    add("pe_name_directory_points_to_itself", image.bytes);
  }
  {
    PeImage image = ReportTool();
    PatchLe(image.bytes, 0x3C, 0xFFFFFFF0u, 4);
    add("pe_header_offset_past_file", image.bytes);
  }
  {
    PeImage image = ReportTool();
    PatchLe(image.bytes, kResourceSection + 20, 0xFFFFFE00u, 4);
    add("pe_section_raw_offset_past_file", image.bytes);
  }
  {
    PeImage image = ReportTool();
    PatchLe(image.bytes, kSectionCountAt, 0xFFFF, 2);
    add("pe_section_count_over_limit", image.bytes);
  }
  {
    // 65535 named and 65535 numbered entries: 131070 entries of 8 bytes.
    PeImage image = ReportTool();
    PatchLe(image.bytes, image.resourceOffset + 12, 0xFFFFFFFFu, 4);
    add("pe_directory_entry_count_huge", image.bytes);
  }
  {
    PeImage image = ReportTool();
    PatchLe(image.bytes, image.resourceOffset + 76, 0xFFFFFFFFu, 4);
    add("pe_version_block_size_huge", image.bytes);
  }
  {
    // The section's virtual size reaches the block's address; its bytes in the file do not.
    PeImage image = ReportTool();
    PatchLe(image.bytes, kResourceSection + 8, 0x100000, 4);
    PatchLe(image.bytes, image.resourceOffset + 72, 0x2000 + 0x8000, 4);
    add("pe_block_past_section_raw_data", image.bytes);
  }
  {
    PeImage image = ReportTool();
    PatchLe(image.bytes, kOptionalSizeAt, 96, 2);
    add("pe_optional_header_too_short", image.bytes);
  }

  const std::string block = BuildVersionBlock(ReportToolVersion());
  {
    std::string damaged = block;
    PatchLe(damaged, kFirstChild, 0, 2);
    add("version_block_zero_length_node", ReportTool(damaged).bytes);
  }
  {
    std::string damaged = block;
    PatchLe(damaged, kFirstChild, 0xFFFF, 2);
    add("version_node_length_past_parent", ReportTool(damaged).bytes);
  }
  {
    // 300 nodes of 6 bytes (no key, no value) before the real children.
    std::string filler;
    for (int i = 0; i < 300; ++i) filler += std::string("\x06\x00\x00\x00\x00\x00\x00\x00", 8);
    std::string padded = block.substr(0, kFirstChild) + filler + block.substr(kFirstChild);
    PatchLe(padded, 0, padded.size(), 2);
    add("version_block_six_byte_nodes", ReportTool(padded).bytes);
  }
  {
    // A string table whose first node's key is cut inside a UTF-16 unit, and a binary value of
    // 7 bytes read as a string.
    const std::string strings = std::string(
                                    "\x09\x00\x00\x00\x01\x00"
                                    "C\0o\0\0\0",
                                    12) +
                                VersionNode("CompanyName", std::string("A\0c\0m\0e", 7), 0, 7) +
                                VersionStringNode("FileDescription", "Report tool");
    std::string pairs;
    Put16(pairs, 0x0409), Put16(pairs, 0x04B0);
    const std::string children =
        VersionNode("StringFileInfo", "", 1, 0, VersionNode("040904B0", "", 1, 0, strings)) +
        VersionNode("VarFileInfo", "", 1, 0, VersionNode("Translation", pairs, 0, 4));
    add("version_strings_odd_length",
        ReportTool(VersionNode("VS_VERSION_INFO", block.substr(40, 52), 0, 52, children)).bytes);
  }
}

// Web pages ---------------------------------------------------------------------------------

void AddWebPageRegressions(std::vector<InputFile>& out) {
  const auto add = [&](const std::string& name, const std::string& page) {
    out.push_back({"web_page", name, page});
  };
  add("web_page_unknown_charset",
      "<html><head><meta charset=\"x-klingon\"><title>Caf\xE9</title>"
      "<meta name=\"description\" content=\"Th\xE9\"></head></html>");
  add("web_page_charset_invalid_bytes",
      "<html><head><meta charset=shift_jis><title>\x82\xFF</title>"
      "<meta name=description content=\"\x81\"></head></html>");
  add("web_page_utf16_odd_length_title",
      "<html><head><meta charset=\"utf-16\"><title>abc</title></head></html>");
  add("web_page_title_close_before_open", "<html><head></title>x<title>T</head></html>");
  add("web_page_unclosed_title_and_description",
      "<html><head><title>T<meta name=\"description\" content=\"no end");
  add("web_page_charset_at_end_of_input", "<html><head><meta x><meta charset");
  add("web_page_charset_equals_at_end_of_input", "<html><head><meta charset = ");
  add("web_page_zero_byte_before_title",
      std::string("<html><head>\0<title>hidden</title></head></html>", 48));
  // Tags that are never closed, and a charset no tag names: every tag runs to the end.
  std::string metas = "<html><head><title>\xC3\xA9</title>";
  for (int i = 0; i < 6000; ++i) metas += "<meta ";
  add("web_page_many_unclosed_meta_tags", metas + "charset=x-unknown");
}

}  // namespace

std::vector<InputFile> DocumentRegressions() {
  std::vector<InputFile> out;
  AddCompoundFiles(out);
  AddPropertySets(out);
  AddProgramRegressions(out);
  AddWebPageRegressions(out);
  return out;
}

}  // namespace orv::fuzz
