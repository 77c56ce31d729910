// Items filed by their own category: filescan reports every file as a book (kind 4) but gives
// music the audio category and pictures the collectible one.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "host_run.h"

namespace orv::host::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

class FilingTest : public HostRunTest {
 protected:
  std::string Source() const {
    const char* root = std::getenv("ORV_SOURCE_DIR");
    return root ? root : ".";
  }
};

TEST_F(FilingTest, FileItemsAreListedAndExportedUnderTheirOwnCategory) {
  // filescan asks GIO for type names; GIO keeps its MIME caches for good: not leaks of ours.
  WriteFile(folder_ + "/lsan.supp", "leak:libgio-2.0.so\nleak:libglib-2.0.so\n");
  environment_.push_back("LSAN_OPTIONS=suppressions=" + folder_ + "/lsan.supp");
  RunResult r = Orvhost({"import", "filescan", Source() + "/samples/media", "--collection",
                         collection_, "--trace"});
  ASSERT_EQ(r.status, 0) << r.err;
  // The transcript keeps what filescan said: kind 4 for every file.
  for (const std::string& line : r.OutLines()) {
    if (JsonField(line, "result") == "1" && JsonField(line, "op") == "\"ProcessItem\"") {
      EXPECT_EQ(JsonField(line, "itemKind"), "4") << line;
    }
  }
  const RunResult audio = Orvhost({"list", "--collection", collection_, "--category", "audio"});
  ASSERT_EQ(audio.status, 0) << audio.err;
  EXPECT_THAT(audio.out, HasSubstr("Le vent du nord"));
  EXPECT_THAT(audio.out, HasSubstr("\n3 item(s)\n"));
  const RunResult pictures =
      Orvhost({"list", "--collection", collection_, "--category", "collectible"});
  EXPECT_THAT(pictures.out, HasSubstr("Port de pêche"));
  EXPECT_THAT(pictures.out, Not(HasSubstr("MP3")));
  EXPECT_THAT(Orvhost({"list", "--collection", collection_, "--category", "book"}).out,
              HasSubstr("\n0 item(s)\n"));

  ASSERT_EQ(Orvhost({"configure", "pagebuilder", "--set", "MediaType=1", "--set",
                     "Template=" + Source() + "/samples/templates/catalogue.htm"})
                .status,
            0);
  const std::string page = folder_ + "/musique.htm";
  r = Orvhost({"export", "pagebuilder", page, "--collection", collection_});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_THAT(r.out, HasSubstr("3 items of category audio written by pagebuilder"));
  const std::string html = ReadFile(page);
  EXPECT_THAT(html, HasSubstr("Le vent du nord"));
  EXPECT_THAT(html, HasSubstr("Radio du soir"));
  EXPECT_THAT(html, Not(HasSubstr("Port de p")));
}

}  // namespace
}  // namespace orv::host::testing
