// Builds small PE images for tests (PE32 or PE32+), with or without a version resource: the
// headers, a code section and a resource section holding the resource directory (type 16,
// name 1, one language) and a VS_VERSIONINFO block made by BuildVersionBlock.
#ifndef ORV_TESTS_BUILDERS_PE_BUILDER_H
#define ORV_TESTS_BUILDERS_PE_BUILDER_H

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/builders/le_bytes.h"

namespace orv::testing {

inline void PadTo4(std::string& bytes) {
  while (bytes.size() % 4) bytes += '\0';
}

// One node of a version block: length, value length, type, key, value, children.
inline std::string VersionNode(const std::string& key, const std::string& value, uint16_t type,
                               uint16_t valueLength, const std::string& children = "") {
  std::string body = Utf16Le(key) + std::string(2, '\0');
  std::string node(6, '\0');
  node += body;
  PadTo4(node);
  node += value;
  if (!children.empty()) PadTo4(node);
  node += children;
  PatchLe(node, 0, node.size(), 2);
  PatchLe(node, 2, valueLength, 2);
  PatchLe(node, 4, type, 2);
  PadTo4(node);
  return node;
}

inline std::string VersionStringNode(const std::string& name, const std::string& utf8) {
  const std::string value = Utf16Le(utf8) + std::string(2, '\0');
  return VersionNode(name, value, 1, static_cast<uint16_t>(value.size() / 2));
}

struct VersionSpec {
  uint16_t fileVersion[4] = {1, 2, 3, 4};
  uint32_t signature = 0xFEEF04BD;
  std::string tableKey = "040904B0";
  std::vector<std::pair<std::string, std::string>> strings;  // name, UTF-8 value
  std::vector<std::pair<uint16_t, uint16_t>> translations = {{0x0409, 0x04B0}};
  bool withTranslationList = true;
};

// The version resource of a small report tool, with the usual strings of a US-English table.
inline VersionSpec ReportToolVersion() {
  VersionSpec layout;
  layout.strings = {{"FileDescription", "Report tool"}, {"CompanyName", "Acme"},
                  {"ProductName", "Suite"},           {"ProductVersion", "6, 4, 0, 0"},
                  {"OriginalFilename", "rt.dll"},     {"LegalCopyright", "(c) Acme"}};
  return layout;
}

inline std::string BuildVersionBlock(const VersionSpec& layout) {
  std::string fixed;
  Put32(fixed, layout.signature), Put32(fixed, 0x00010000);
  Put32(fixed, static_cast<uint32_t>(layout.fileVersion[0]) << 16 | layout.fileVersion[1]);
  Put32(fixed, static_cast<uint32_t>(layout.fileVersion[2]) << 16 | layout.fileVersion[3]);
  Put32(fixed, static_cast<uint32_t>(layout.fileVersion[0]) << 16 | layout.fileVersion[1]);
  Put32(fixed, static_cast<uint32_t>(layout.fileVersion[2]) << 16 | layout.fileVersion[3]);
  Put32(fixed, 0x3F), Put32(fixed, 0), Put32(fixed, 0x40004), Put32(fixed, 2), Put32(fixed, 0);
  Put32(fixed, 0), Put32(fixed, 0);
  std::string strings;
  for (const auto& [name, value] : layout.strings) strings += VersionStringNode(name, value);
  std::string children;
  if (!layout.strings.empty())
    children +=
        VersionNode("StringFileInfo", "", 1, 0, VersionNode(layout.tableKey, "", 1, 0, strings));
  if (layout.withTranslationList) {
    std::string pairs;
    for (const auto& [language, codePage] : layout.translations)
      Put16(pairs, language), Put16(pairs, codePage);
    children +=
        VersionNode("VarFileInfo", "", 1, 0,
                    VersionNode("Translation", pairs, 0, static_cast<uint16_t>(pairs.size())));
  }
  return VersionNode("VS_VERSION_INFO", fixed, 0, static_cast<uint16_t>(fixed.size()), children);
}

struct PeSpec {
  bool pe32Plus = false;
  bool withResources = true;
  uint32_t resourceType = 16;  // RT_VERSION
  uint16_t language = 0x0409;
  std::string versionBlock;  // from BuildVersionBlock
};

struct PeImage {
  std::string bytes;
  size_t resourceOffset = 0;  // file offset of the resource directory's root
  size_t typeDirectoryOffset = 0;
  // The file offset of the root directory's first entry (its id and its target).
  size_t RootEntryOffset() const { return resourceOffset + 16; }
};

inline PeImage BuildPe(const PeSpec& layout) {
  constexpr uint32_t kFileAlign = 0x200, kSectionAlign = 0x1000, kResourceAddress = 0x2000;
  PeImage image;
  // Resource section: three one-entry directories, then the data entry and the block.
  std::string rsrc;
  const auto directory = [&](uint32_t id, uint32_t target) {
    Put32(rsrc, 0), Put32(rsrc, 0), Put16(rsrc, 4), Put16(rsrc, 0);
    Put16(rsrc, 0), Put16(rsrc, 1);
    Put32(rsrc, id), Put32(rsrc, target);
  };
  directory(layout.resourceType, 0x80000000u | 24);
  directory(1, 0x80000000u | 48);
  directory(layout.language, 72);
  Put32(rsrc, kResourceAddress + 88), Put32(rsrc, static_cast<uint32_t>(layout.versionBlock.size()));
  Put32(rsrc, 0), Put32(rsrc, 0);
  rsrc += layout.versionBlock;
  const uint32_t rsrcRaw =
      static_cast<uint32_t>((rsrc.size() + kFileAlign - 1) / kFileAlign * kFileAlign);
  rsrc.resize(rsrcRaw, '\0');

  const uint16_t optionalSize = layout.pe32Plus ? 240 : 224;
  const uint16_t sections = layout.withResources ? 2 : 1;
  std::string out("MZ");
  out.resize(0x3C, '\0');
  Put32(out, 0x80);
  out.resize(0x80, '\0');
  out += std::string("PE\0\0", 4);
  Put16(out, layout.pe32Plus ? 0x8664 : 0x14C), Put16(out, sections);
  Put32(out, 0), Put32(out, 0), Put32(out, 0);
  Put16(out, optionalSize), Put16(out, layout.pe32Plus ? 0x2022 : 0x2102);
  const size_t optionalAt = out.size();
  Put16(out, layout.pe32Plus ? 0x20B : 0x10B);
  out += '\x0E', out += '\0';
  Put32(out, kFileAlign), Put32(out, layout.withResources ? rsrcRaw : 0), Put32(out, 0);
  Put32(out, 0x1000), Put32(out, 0x1000);  // entry point, base of code
  if (layout.pe32Plus) {
    Put64(out, 0x180000000ull);
  } else {
    Put32(out, 0x2000), Put32(out, 0x10000000);  // base of data, image base
  }
  Put32(out, kSectionAlign), Put32(out, kFileAlign);
  Put16(out, 5), Put16(out, 1), Put16(out, 0), Put16(out, 0), Put16(out, 5), Put16(out, 1);
  Put32(out, 0);
  Put32(out, kResourceAddress + (layout.withResources ? kSectionAlign : 0));  // size of image
  Put32(out, 0x200), Put32(out, 0), Put16(out, 2), Put16(out, 0x140);
  const int stackWords = 4;
  for (int i = 0; i < stackWords; ++i) layout.pe32Plus ? Put64(out, 0x100000) : Put32(out, 0x100000);
  Put32(out, 0), Put32(out, 16);
  for (int i = 0; i < 16; ++i) {
    const bool resource = i == 2 && layout.withResources;
    Put32(out, resource ? kResourceAddress : 0);
    Put32(out, resource ? static_cast<uint32_t>(88 + layout.versionBlock.size()) : 0);
  }
  out.resize(optionalAt + optionalSize, '\0');
  const auto section = [&](const char* name, uint32_t address, uint32_t size, uint32_t raw,
                           uint32_t flags) {
    std::string n(name);
    n.resize(8, '\0');
    out += n;
    Put32(out, size), Put32(out, address), Put32(out, size), Put32(out, raw);
    Put32(out, 0), Put32(out, 0), Put16(out, 0), Put16(out, 0), Put32(out, flags);
  };
  section(".text", 0x1000, kFileAlign, 0x200, 0x60000020);
  if (layout.withResources) section(".rsrc", kResourceAddress, rsrcRaw, 0x400, 0x40000040);
  out.resize(0x200, '\0');
  std::string code(kFileAlign, '\0');
  code[0] = '\xC3';
  out += code;
  if (layout.withResources) {
    image.resourceOffset = out.size();
    image.typeDirectoryOffset = out.size() + 24;
    out += rsrc;
  }
  image.bytes = out;
  return image;
}

}  // namespace orv::testing

#endif  // ORV_TESTS_BUILDERS_PE_BUILDER_H
