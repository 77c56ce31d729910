// The program reader: the version resource onto the item.
#include "filescan/program_reader.h"

#include <gtest/gtest.h>

#include "platform/version_info.h"
#include "tests/builders/pe_builder.h"
#include "tests/filescan/scan_fixture.h"

namespace orv::filescan {
namespace {

using namespace orv::testing;

struct ProgramRead {
  std::string title, editor, comment, coauthor, lang, type;
};

ProgramRead ReadImage(const VersionSpec& version, bool pe32Plus = false,
                      bool withResources = true) {
  PeSpec layout;
  layout.pe32Plus = pe32Plus;
  layout.withResources = withResources;
  layout.versionBlock = BuildVersionBlock(version);
  TempFolder folder;
  HostItem item;
  ReadProgram(folder.Write("rt_tool.dll", BuildPe(layout).bytes), "rt_tool", *item);
  return {StringOf(item->title),    StringOf(item->editor), StringOf(item->comment),
          StringOf(item->coauthor), StringOf(item->lang),   StringOf(item->type)};
}

TEST(ProgramReader, TitleEditorCommentAndLanguageFromTheVersionResource) {
  for (bool plus : {false, true}) {
    const ProgramRead read = ReadImage(ReportToolVersion(), plus);
    EXPECT_EQ(read.title, "Report tool v1.2.3.4");
    EXPECT_EQ(read.editor, "Acme");
    EXPECT_EQ(read.coauthor, "rt.dll");
    EXPECT_EQ(read.comment, "Suite v6, 4, 0, 0\\nrt.dll\\n(c) Acme");
    EXPECT_EQ(read.lang, platform::LanguageName(0x0409));
    EXPECT_FALSE(read.type.empty());
  }
}

TEST(ProgramReader, MissingStringsLeaveTheirPartOut) {
  VersionSpec noOriginal = ReportToolVersion();
  noOriginal.strings.erase(noOriginal.strings.begin() + 4);
  const ProgramRead read = ReadImage(noOriginal);
  EXPECT_EQ(read.coauthor, "");
  EXPECT_EQ(read.comment, "Suite v6, 4, 0, 0\\n(c) Acme");

  VersionSpec bare;
  bare.strings = {{"Comments", "built by hand"}};
  bare.fileVersion[0] = 2, bare.fileVersion[1] = 0, bare.fileVersion[2] = 10,
  bare.fileVersion[3] = 300;
  const ProgramRead untitled = ReadImage(bare);
  EXPECT_EQ(untitled.title, "rt_tool v2.0.10.300");
  EXPECT_EQ(untitled.comment, "\\nbuilt by hand");
  EXPECT_EQ(untitled.editor, "");
}

TEST(ProgramReader, TableKeysInLowerCaseAreFoundAndLongStringsCut) {
  VersionSpec layout = ReportToolVersion();
  layout.tableKey = "040904b0";
  layout.strings.push_back({"Comments", std::string(300, 'c')});
  const ProgramRead read = ReadImage(layout);
  EXPECT_EQ(read.editor, "Acme");
  EXPECT_EQ(read.comment, "Suite v6, 4, 0, 0\\nrt.dll\\n(c) Acme\\n" + std::string(255, 'c'));
}

// No pair to look the strings up with: nothing is read past the end of the list.
TEST(ProgramReader, AnEmptyTranslationListGivesNoStringsAndNoLanguage) {
  VersionSpec layout = ReportToolVersion();
  layout.translations.clear();
  const ProgramRead read = ReadImage(layout);
  EXPECT_EQ(read.title, "rt_tool v1.2.3.4");
  EXPECT_EQ(read.editor, "");
  EXPECT_EQ(read.comment, "");
  EXPECT_EQ(read.lang, "");
}

TEST(ProgramReader, WithoutVersionInformationTheFileTitleStays) {
  const ProgramRead none = ReadImage(ReportToolVersion(), false, false);
  EXPECT_EQ(none.title, "rt_tool");
  EXPECT_EQ(none.comment, "");
  EXPECT_FALSE(none.type.empty());
  VersionSpec noList = ReportToolVersion();
  noList.withTranslationList = false;
  EXPECT_EQ(ReadImage(noList).title, "rt_tool");
}

}  // namespace
}  // namespace orv::filescan
