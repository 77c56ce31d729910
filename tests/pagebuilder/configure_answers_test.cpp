// Configure with the options dialog answered from an answers file, as orvhost runs it on Linux.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "pagebuilder/pagebuilder_filter.h"
#include "tests/pagebuilder/export_fixture.h"

namespace orv::pagebuilder {
namespace {

using AnsweredConfigure = orv::testing::ProfileTest;

TEST_F(AnsweredConfigure, TheDialogTakesItsAnswersAndWritesEveryOption) {
  const std::string templatePath = folder_.Write("liste.htm", "<!--title-->");
  const std::string icons = folder_.MakeFolder("icones");
  // Help, then an OK refused for want of a template; then both browse buttons and OK.
  Answer(
      "dialog 129 press 1030 ok\n"
      "msgbox ok\n"
      "msgbox ok\n"
      "dialog 129 press 1021 press 1023 check 1005=1 check 1012=0 ok\n"
      "file \"" +
      templatePath +
      "\"\n"
      "folder \"" +
      icons + "\"\n");
  PagebuilderFilter filter;
  ASSERT_EQ(filter.Configure(profile(), nullptr, 1), 1);
  EXPECT_EQ(Stored(filter.OptionStore()),
            (std::map<std::string, std::string>{{"CopyIcon", "1"},
                                                {"CopyImage", "1"},
                                                {"IconDir", icons},
                                                {"MediaType", "4"},
                                                {"Template", templatePath},
                                                {"UseFileName", "0"}}));
  FilterInfo info;
  filter.GetInfo(info);
  EXPECT_EQ(info.category, 5);

  Answer("dialog 129 set 1020=\"" + templatePath + "\" check 1001=1 cancel\n");
  EXPECT_EQ(filter.Configure(profile(), nullptr, 1), 0);
  EXPECT_EQ(filter.options().mediaType, 4);
  EXPECT_EQ(Stored(filter.OptionStore()).at("MediaType"), "4");
}

}  // namespace
}  // namespace orv::pagebuilder
