#include "host/commands/command_line.h"

#include <gtest/gtest.h>

namespace orv::host {
namespace {

std::optional<Command> Parse(const std::vector<std::string>& args) {
  std::string error;
  return ParseCommandLine(args, error);
}

TEST(CommandLineTest, OptionsMayComeAnywhereAndInEitherForm) {
  const std::optional<Command> c = Parse(
      {"import", "--trace", "filmcard", "--collection=/tmp/c.db", "a.film", "--answers", "r"});
  ASSERT_TRUE(c);
  EXPECT_EQ(c->name, CommandName::kImport);
  EXPECT_EQ(c->filter, "filmcard");
  EXPECT_EQ(c->path, "a.film");
  EXPECT_EQ(c->collection, "/tmp/c.db");
  EXPECT_EQ(c->answers, "r");
  EXPECT_TRUE(c->trace);

  // After "--" a word that looks like an option is an operand.
  const std::optional<Command> dashed = Parse({"import", "filmcard", "--", "--odd.film"});
  ASSERT_TRUE(dashed);
  EXPECT_EQ(dashed->path, "--odd.film");
}

TEST(CommandLineTest, SetKeepsEverythingAfterTheFirstEquals) {
  const std::optional<Command> c =
      Parse({"configure", "x", "--set", "Template=a=b.htm", "--set", "Empty=", "--show"});
  ASSERT_TRUE(c);
  ASSERT_EQ(c->sets.size(), 2u);
  EXPECT_EQ(c->sets[0], std::make_pair(std::string("Template"), std::string("a=b.htm")));
  EXPECT_EQ(c->sets[1], std::make_pair(std::string("Empty"), std::string()));
  EXPECT_TRUE(c->show);
}

TEST(CommandLineTest, CollectionSettingsNameCategoriesAndLists) {
  const std::optional<Command> c =
      Parse({"collection", "--picture-dir", "Audio=/p", "--picture-dir", "5=/q", "--code-list",
             "format2=A|B", "--code-list", "book.sound=S", "--proxy", "h.example:8080"});
  ASSERT_TRUE(c);
  ASSERT_EQ(c->pictureDirs.size(), 2u);
  EXPECT_EQ(c->pictureDirs[0].first, 2);
  EXPECT_EQ(c->pictureDirs[1].first, 5);
  ASSERT_EQ(c->codeLists.size(), 2u);
  EXPECT_EQ(c->codeLists[0].category, 1);  // no prefix: video
  EXPECT_EQ(c->codeLists[0].list, CodeList::kFormat2);
  EXPECT_EQ(c->codeLists[1].category, 4);
  EXPECT_EQ(c->codeLists[1].list, CodeList::kSound);
  EXPECT_EQ(*c->proxyHost, "h.example");
  EXPECT_EQ(*c->proxyPort, 8080);
}

TEST(CommandLineTest, HelpNamesItsTopic) {
  const std::optional<Command> topic = Parse({"help", "export"});
  ASSERT_TRUE(topic);
  EXPECT_EQ(topic->name, CommandName::kHelp);
  EXPECT_EQ(topic->helpTopic, CommandName::kExport);
  // --help wins over whatever else the line holds, an option of another command included.
  const std::optional<Command> asked = Parse({"list", "--trace", "--help"});
  ASSERT_TRUE(asked);
  EXPECT_EQ(asked->helpTopic, CommandName::kList);
  const std::optional<Command> general = Parse({"--help"});
  ASSERT_TRUE(general);
  EXPECT_FALSE(general->helpTopic);
  // After "--", "--help" is an operand.
  const std::optional<Command> operand = Parse({"import", "x", "--", "--help"});
  ASSERT_TRUE(operand);
  EXPECT_EQ(operand->name, CommandName::kImport);
  EXPECT_EQ(operand->path, "--help");
}

TEST(CommandLineTest, RefusesWhatItCannotUse) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"list", "--trace"},  // option of another command
           {"list", "--category", "0"},
           {"list", "--category", "vidéo"},
           {"collection", "--proxy", "host"},
           {"collection", "--proxy", ":80"},
           {"collection", "--proxy", "h:0"},
           {"collection", "--proxy", "h:8x"},
           {"collection", "--code-list", "music.sound=x"},
           {"import", "x", "--trace=yes"},
           {"info"},
           {"export", "x"},
           {"help", "import", "export"},
           {"help", "--version"},
           {"--version", "x"},
           {"collection", "--proxy", "", "--proxy-user", ""},
       }) {
    std::string error;
    EXPECT_FALSE(ParseCommandLine(args, error)) << args[0] << " " << args.back();
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
}  // namespace orv::host
