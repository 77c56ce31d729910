// orvhost's help: every command describes itself, with exactly its own options.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "host/commands/command_line.h"
#include "host_run.h"

namespace orv::host::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class HelpTest : public HostRunTest {};

// The option names listed under "options:" ("  --name VALUE" lines).
std::set<std::string> ListedOptions(const std::string& help) {
  std::set<std::string> names;
  const size_t section = help.find("\noptions:\n");
  if (section == std::string::npos) return names;
  for (size_t at = help.find("\n  --", section); at != std::string::npos;
       at = help.find("\n  --", at + 1)) {
    const size_t end = help.find_first_of(" \n", at + 5);
    names.insert(help.substr(at + 5, end - at - 5));
  }
  return names;
}

TEST_F(HelpTest, EachCommandsHelpNamesItsOwnOptionsAndExamples) {
  for (const char* word : {"info", "configure", "import", "export", "list", "collection"}) {
    SCOPED_TRACE(word);
    const CommandName name = *CommandOfWord(word);
    std::set<std::string> own;
    for (const OptionSpec& option : OptionSpecs()) {
      for (CommandName command : option.commands) {
        if (command == name) own.insert(option.name);
      }
    }
    const RunResult help = Orvhost({"help", word});
    ASSERT_EQ(help.status, 0) << help.err;
    EXPECT_THAT(help.out, StartsWith(std::string("usage: orvhost ") + word));
    EXPECT_EQ(ListedOptions(help.out), own) << help.out;
    EXPECT_THAT(help.out, HasSubstr("\nexamples:\n  orvhost "));
    EXPECT_THAT(help.out, HasSubstr("\n  orvhost " + std::string(word) + " "));
    // COMMAND --help is the same page, whatever else is on the line.
    EXPECT_EQ(Orvhost({word, "--help"}).out, help.out);
    EXPECT_EQ(Orvhost({word, "x", "--collection", "y", "--help"}).out, help.out);
  }
  // The trace and the answers file where they apply.
  const std::string import = Orvhost({"import", "--help"}).out;
  EXPECT_THAT(import, HasSubstr("--trace writes one JSON object per call"));
  EXPECT_THAT(import, HasSubstr("--answers FILE"));
  EXPECT_THAT(Orvhost({"help", "configure"}).out, HasSubstr("dialog 129 set"));
  EXPECT_THAT(Orvhost({"help", "list"}).out, ::testing::Not(HasSubstr("JSON object per call")));
}

TEST_F(HelpTest, UsageVersionAndUnknownTopics) {
  const RunResult usage = Orvhost({"--help"});
  EXPECT_EQ(usage.status, 0);
  EXPECT_THAT(usage.out, HasSubstr("orvhost import FILTER [PATH]"));
  EXPECT_THAT(usage.out, HasSubstr("orvhost help COMMAND"));
  EXPECT_EQ(Orvhost({"help"}).out, usage.out);

  const RunResult version = Orvhost({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_THAT(version.out, ::testing::MatchesRegex("orvhost [0-9]+\\.[0-9]+\\.[0-9]+\n"));

  const RunResult unknown = Orvhost({"help", "frobnicate"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_THAT(unknown.err, HasSubstr("unknown command frobnicate"));
  EXPECT_EQ(Orvhost({"--version", "now"}).status, 2);
}

}  // namespace
}  // namespace orv::host::testing
