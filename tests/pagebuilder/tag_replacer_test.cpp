#include "pagebuilder/tag_replacer.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "pagebuilder/template_tags.h"

namespace orv::pagebuilder {
namespace {

// The plain way: each tag in turn, every occurrence, searching on after each inserted value.
std::string ReplaceInTurn(std::string text, const TagSet& tags,
                          const std::vector<std::string>& values) {
  for (size_t step = 0; step < tags.size(); ++step) {
    const std::string& tag = tags.tag(step);
    for (size_t at = text.find(tag); at != std::string::npos; at = text.find(tag, at)) {
      text.replace(at, tag.size(), values[step]);
      at += values[step].size();
    }
  }
  return text;
}

std::string Fill(const std::string& text, const TagSet& tags,
                 const std::vector<std::string>& values, size_t maxBytes = 1u << 20) {
  std::vector<std::string_view> views(values.begin(), values.end());
  TagReplacer replacer(text, tags);
  std::string out;
  replacer.Fill(views.data(), ~uint64_t{0}, maxBytes, out);
  return out;
}

const TagSet& ThreeTags() {
  static const TagSet tags({"<!--a-->", "<!--b-->", "<!--c-->"});
  return tags;
}

TEST(TagReplacer, ValueHoldingALaterTagIsFilledInTurnButAnEarlierOneStays) {
  EXPECT_EQ(Fill("[<!--b-->]", ThreeTags(), {"A", "<!--c-->|<!--a-->", "C"}), "[C|<!--a-->]");
}

TEST(TagReplacer, EveryOccurrenceIsReplacedAndOtherCommentsStay) {
  EXPECT_EQ(Fill("<!--a--><!--x--><!--a-->-<!--c--><!--a", ThreeTags(), {"1", "2", "3"}),
            "1<!--x-->1-3<!--a");
}

TEST(TagReplacer, TagsFormedAcrossAValueAreReplacedOnlyByLaterSteps) {
  // Removing b joins "<!--" and "c-->" into a later tag: replaced.
  EXPECT_EQ(Fill("<!--<!--b-->c-->", ThreeTags(), {"A", "", "C"}), "C");
  // ... into an earlier tag: kept.
  EXPECT_EQ(Fill("<!--<!--b-->a-->", ThreeTags(), {"A", "", "C"}), "<!--a-->");
  // A value completing a tag with the text around it.
  EXPECT_EQ(Fill("<!--<!--a-->-->", ThreeTags(), {"c", "B", "C"}), "C");
  EXPECT_EQ(Fill("<!-<!--a-->c-->", ThreeTags(), {"-", "B", "C"}), "C");
}

TEST(TagReplacer, OnlyTheStepsAskedForAreFilled) {
  std::vector<std::string_view> values = {"A", "B", "C"};
  TagReplacer replacer("<!--a--><!--b--><!--c-->", ThreeTags());
  std::string out;
  EXPECT_TRUE(replacer.Fill(values.data(), 0b101, 1000, out));
  EXPECT_EQ(out, "A<!--b-->C");
  // The prepared text is unchanged by a fill.
  EXPECT_TRUE(replacer.Fill(values.data(), 0b010, 1000, out));
  EXPECT_EQ(out, "<!--a-->B<!--c-->");
}

TEST(TagReplacer, GrowthBeyondTheCapSkipsTheStep) {
  // Each step multiplies the text: a holds ten b, b holds ten c.
  std::string tenB, tenC;
  for (int i = 0; i < 10; ++i) {
    tenB += "<!--b-->";
    tenC += "<!--c-->";
  }
  std::vector<std::string_view> values = {tenB, tenC, "0123456789"};
  TagReplacer replacer("<!--a-->", ThreeTags());
  std::string out;
  EXPECT_TRUE(replacer.Fill(values.data(), ~uint64_t{0}, 1000, out));
  EXPECT_EQ(out.size(), 1000u);
  EXPECT_FALSE(replacer.Fill(values.data(), ~uint64_t{0}, 999, out));
  EXPECT_LE(out.size(), 999u);
  EXPECT_NE(out.find("<!--c-->"), std::string::npos);
}

TEST(TagReplacer, MatchesTheReplacementInTurnOnRandomTexts) {
  // Texts and values made of tag pieces, so that tags keep forming across values.
  const TagSet& tags = TemplateTags();
  const std::vector<std::string> pieces = {"<!--",
                                           "-->",
                                           "<!-",
                                           "-",
                                           "<",
                                           "!",
                                           "x",
                                           "title",
                                           "year",
                                           "numb",
                                           "comment",
                                           "header01",
                                           "<!--title-->",
                                           "<!--year-->",
                                           "<!--repeat-->",
                                           "<!--lang-->",
                                           "<!--header02-->",
                                           "\r\n"};
  std::mt19937 random(12345);
  const auto make = [&](int maxPieces) {
    std::string text;
    const int n = std::uniform_int_distribution<int>(0, maxPieces)(random);
    for (int i = 0; i < n; ++i) {
      text += pieces[std::uniform_int_distribution<size_t>(0, pieces.size() - 1)(random)];
    }
    return text;
  };
  for (int round = 0; round < 3000; ++round) {
    const std::string text = make(24);
    std::vector<std::string> values(tags.size());
    for (std::string& value : values) value = make(3);
    std::vector<std::string_view> views(values.begin(), values.end());
    TagReplacer replacer(text, tags);
    std::string out;
    replacer.Fill(views.data(), ~uint64_t{0}, 1u << 24, out);
    ASSERT_EQ(out, ReplaceInTurn(text, tags, values)) << "template: " << text;
    // A second fill of the same replacer gives the same again.
    replacer.Fill(views.data(), ~uint64_t{0}, 1u << 24, out);
    ASSERT_EQ(out, ReplaceInTurn(text, tags, values));
  }
}

TEST(TagSet, RecognisesOnlyWholeTagsOfTheSet) {
  const TagSet& tags = TemplateTags();
  EXPECT_EQ(tags.Identify("<!--title-->", 0), StepOfTag(kTagTitle));
  EXPECT_EQ(tags.Identify("x<!--header24-->", 1), StepOfHeader(24));
  EXPECT_EQ(tags.Identify("<!--Title-->", 0), -1);
  EXPECT_EQ(tags.Identify("<!--title->", 0), -1);
  EXPECT_EQ(tags.Identify("<!--titles-->", 0), -1);
  EXPECT_EQ(tags.Identify("<!--", 0), -1);
  EXPECT_EQ(tags.Identify("<!---->", 0), -1);
}

}  // namespace
}  // namespace orv::pagebuilder
