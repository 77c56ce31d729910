#include <gtest/gtest.h>

#include <fstream>

#include "platform/posix/formats/pe_resources.h"
#include "platform/posix/formats/version_block.h"
#include "platform/version_info.h"
#include "tests/builders/counting_source.h"
#include "tests/builders/pe_builder.h"
#include "tests/platform/temp_folder.h"
#include "text/codepage.h"

namespace orv::platform {
namespace {

using orv::testing::BuildPe;
using orv::testing::BuildVersionBlock;
using orv::testing::PatchLe;
using orv::testing::PeSpec;
using orv::testing::ReportToolVersion;
using orv::testing::VersionSpec;

std::string BlockOf(const std::string& bytes) {
  text::MemorySource source(bytes);
  std::string block;
  return FindVersionResource(source, block) ? block : "<none>";
}

std::string StringOf(const std::string& block, std::string_view table, std::string_view name) {
  std::string utf16;
  if (!FindVersionString(block, table, name, utf16)) return "<none>";
  return text::Utf16LeToUtf8(utf16);
}

TEST(PeResources, FindsTheVersionBlockInPe32AndPe32Plus) {
  for (bool plus : {false, true}) {
    PeSpec layout;
    layout.pe32Plus = plus;
    layout.versionBlock = BuildVersionBlock(ReportToolVersion());
    EXPECT_EQ(BlockOf(BuildPe(layout).bytes), layout.versionBlock) << plus;
  }
}

TEST(PeResources, FilesWithoutAVersionResourceGiveNone) {
  PeSpec none;
  none.withResources = false;
  EXPECT_EQ(BlockOf(BuildPe(none).bytes), "<none>");
  PeSpec icons;
  icons.resourceType = 14;  // a group icon, no version
  icons.versionBlock = "abcd";
  EXPECT_EQ(BlockOf(BuildPe(icons).bytes), "<none>");
  EXPECT_EQ(BlockOf("MZ just a DOS stub"), "<none>");
  EXPECT_EQ(BlockOf("#!/bin/sh\necho hi\n"), "<none>");
  EXPECT_EQ(BlockOf(""), "<none>");
}

TEST(PeResources, DirectoriesThatPointBackAndSizesPastTheEndAreRefused) {
  PeSpec layout;
  layout.versionBlock = BuildVersionBlock(ReportToolVersion());
  const orv::testing::PeImage image = BuildPe(layout);

  std::string selfPointing = image.bytes;
  PatchLe(selfPointing, image.RootEntryOffset() + 4, 0x80000000u, 4);  // the root again
  EXPECT_EQ(BlockOf(selfPointing), "<none>");

  std::string dataSize = image.bytes;
  PatchLe(dataSize, image.resourceOffset + 72 + 4, 0x7FFFFFF0u, 4);
  EXPECT_EQ(BlockOf(dataSize), "<none>");

  std::string entryCount = image.bytes;
  PatchLe(entryCount, image.resourceOffset + 14, 0xFFFF, 2);
  EXPECT_EQ(BlockOf(entryCount), "<none>");

  std::string header = image.bytes;
  PatchLe(header, 0x3C, 0xFFFFFF00u, 4);
  EXPECT_EQ(BlockOf(header), "<none>");

  std::string sections = image.bytes;
  PatchLe(sections, 0x86, 0xFFFF, 2);
  EXPECT_EQ(BlockOf(sections), "<none>");

  EXPECT_EQ(BlockOf(image.bytes.substr(0, image.resourceOffset + 80)), "<none>");
}

TEST(PeResources, ReadsOnlyHeadersDirectoriesAndTheBlock) {
  PeSpec layout;
  layout.versionBlock = BuildVersionBlock(ReportToolVersion());
  std::string bytes = BuildPe(layout).bytes + std::string(1 << 20, 'o');  // an overlay
  orv::testing::CountingSource source(bytes);
  std::string block;
  ASSERT_TRUE(FindVersionResource(source, block));
  EXPECT_LT(source.bytesRead, 1000 + block.size());
}

TEST(VersionBlock, DecodesTheFixedPartTheTranslationsAndTheStrings) {
  VersionSpec layout = ReportToolVersion();
  layout.fileVersion[0] = 10, layout.fileVersion[3] = 65535;
  layout.translations = {{0x040C, 0x04E4}, {0x0409, 0x04B0}};
  layout.tableKey = "040c04e4";  // written in lower case, looked up in capitals
  const std::string block = BuildVersionBlock(layout);
  uint32_t high = 0, low = 0;
  std::vector<VersionTranslation> pairs;
  ASSERT_TRUE(DecodeVersionBlock(block, high, low, pairs));
  EXPECT_EQ(high, 0x000A0002u);
  EXPECT_EQ(low, 0x0003FFFFu);
  ASSERT_EQ(pairs.size(), 2u);
  EXPECT_EQ(pairs[0].language, 0x040C);
  EXPECT_EQ(pairs[0].codePage, 0x04E4);
  EXPECT_EQ(StringOf(block, "040C04E4", "FileDescription"), "Report tool");
  EXPECT_EQ(StringOf(block, "040C04E4", "companyname"), "Acme");
  EXPECT_EQ(StringOf(block, "040C04E4", "Comments"), "<none>");
  EXPECT_EQ(StringOf(block, "040904B0", "CompanyName"), "<none>");
}

TEST(VersionBlock, RefusesBlocksWithoutSignatureOrTranslationList) {
  uint32_t high, low;
  std::vector<VersionTranslation> pairs;
  VersionSpec badSignature = ReportToolVersion();
  badSignature.signature = 0x12345678;
  EXPECT_FALSE(DecodeVersionBlock(BuildVersionBlock(badSignature), high, low, pairs));
  VersionSpec noList = ReportToolVersion();
  noList.withTranslationList = false;
  EXPECT_FALSE(DecodeVersionBlock(BuildVersionBlock(noList), high, low, pairs));
  VersionSpec emptyList = ReportToolVersion();
  emptyList.translations.clear();
  EXPECT_TRUE(DecodeVersionBlock(BuildVersionBlock(emptyList), high, low, pairs));
  EXPECT_TRUE(pairs.empty()) << "a list with no pair is still a list";
  EXPECT_FALSE(DecodeVersionBlock("", high, low, pairs));
}

TEST(VersionBlock, DamagedNodesNeverReadPastTheirParent) {
  VersionSpec layout;
  layout.strings = {{"CompanyName", "Acme"}};
  std::string block = BuildVersionBlock(layout);
  // An odd byte count: the text ends at the last whole character.
  const size_t value = block.find(orv::testing::Utf16Le("Acme"));
  ASSERT_NE(value, std::string::npos);
  std::string odd = block.substr(0, value + 7);
  PatchLe(odd, 0, odd.size(), 2);
  std::string stringNode = odd;
  // The string's own length now claims far more than its parents hold.
  const size_t nodeStart = block.rfind(orv::testing::Utf16Le("CompanyName"), value) - 6;
  PatchLe(stringNode, nodeStart, 0xFFFF, 2);
  EXPECT_EQ(StringOf(stringNode, "040904B0", "CompanyName"), "Acm");
  // A zero length ends the walk instead of looping on the same node.
  std::string zero = block;
  PatchLe(zero, nodeStart, 0, 2);
  EXPECT_EQ(StringOf(zero, "040904B0", "CompanyName"), "<none>");
}

TEST(LanguageName, NamesLanguagesAsAFrenchSystemDoes) {
  EXPECT_EQ(LanguageName(0x040C), "Français (France)");
  EXPECT_EQ(LanguageName(0x0409), "Anglais (États-Unis)");
  EXPECT_EQ(LanguageName(0x0000), "Langue neutre");
  EXPECT_EQ(LanguageName(0x0C0C), "Français (Canada)");
  EXPECT_EQ(LanguageName(0x200C), "Français") << "a country the table lacks";
  EXPECT_EQ(LanguageName(0x007F), "Langue inconnue");
}

TEST(VersionInfo, LoadsAFileAndLooksStringsUpByTranslation) {
  orv::testing::TempFolder folder;
  VersionSpec version = ReportToolVersion();
  version.tableKey = "040904b0";
  PeSpec layout;
  layout.pe32Plus = true;
  layout.versionBlock = BuildVersionBlock(version);
  const std::string path = folder / "rt.dll";
  std::ofstream(path, std::ios::binary) << BuildPe(layout).bytes;
  VersionInfo info;
  ASSERT_TRUE(info.Load(path));
  EXPECT_EQ(info.FileVersionHigh(), 0x00010002u);
  ASSERT_EQ(info.Translations().size(), 1u);
  EXPECT_EQ(info.String(info.Translations()[0], "CompanyName"), "Acme");
  EXPECT_EQ(info.String(info.Translations()[0], "Comments"), "");
  EXPECT_FALSE(info.Load(folder / "missing.dll"));
  std::ofstream(folder / "plain.exe") << "not a program";
  EXPECT_FALSE(info.Load(folder / "plain.exe"));
}

}  // namespace
}  // namespace orv::platform
