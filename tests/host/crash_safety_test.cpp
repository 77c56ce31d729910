// orvhost killed (SIGKILL) at varied moments of an import, an export and an options write: what
// was stored before stays whole and readable, and the next run works.
#include <errno.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "host_run.h"

namespace orv::host::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kCards = 300;
constexpr int kKills = 10;

class CrashSafetyTest : public HostRunTest {
 protected:
  void SetUp() override {
    HostRunTest::SetUp();
    cards_ = folder_ + "/cards";
    fs::create_directories(cards_);
    for (int i = 1; i <= kCards; ++i) WriteCard(i);
    ASSERT_EQ(Orvhost({"configure", FILMCARD_LIBRARY, "--set", "AllFiles=1", "--set", "CopyJpeg=0"})
                  .status,
              0);
  }

  void WriteCard(int n) {
    const std::string number = std::to_string(n);
    WriteFile(cards_ + "/film" + number + ".film",
              "Film " + number + "\r\nRéalisateur " + number + "\r\n" + std::to_string(1900 + n) +
                  "\r\nFRANCE\r\nDrame\r\n1H30\r\nActeurs " + number + "\r\nRésumé " + number +
                  "\r\nDistributeur\r\n\r\n");
  }

  std::vector<std::string> ImportArgs() const {
    // Every run stores all its cards again, so that each kill lands while items are written.
    return {"import", FILMCARD_LIBRARY, cards_ + "/film1.film", "--collection", collection_,
            "--keep-duplicates"};
  }

  // Starts orvhost, kills it after `delay`, and reaps it.
  void KillAfter(const std::vector<std::string>& args, std::chrono::microseconds delay) {
    const pid_t pid = Start(args);
    ASSERT_GT(pid, 0);
    timespec pause{static_cast<time_t>(delay.count() / 1000000),
                   static_cast<long>(delay.count() % 1000000 * 1000)};
    while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
    }
    kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
    }
  }

  // How long a whole run takes, to spread the kills over it.
  std::chrono::microseconds Duration(const std::vector<std::string>& args) {
    const auto start = std::chrono::steady_clock::now();
    const RunResult r = Orvhost(args);
    EXPECT_EQ(r.status, 0) << r.err;
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 start);
  }

  // The collection lists, and every item in it is whole: its title, author and year agree.
  size_t CheckedItemCount() {
    const RunResult listed = Orvhost({"list", "--collection", collection_, "--json"});
    EXPECT_EQ(listed.status, 0) << listed.err;
    size_t items = 0;
    const std::regex whole(
        R"j("title":"Film ([0-9]+)".*"author":"Réalisateur \1".*"year":[0-9]{4},)j");
    for (const std::string& line : listed.OutLines()) {
      if (line.find("\"title\"") == std::string::npos) continue;
      EXPECT_TRUE(std::regex_search(line, whole)) << line;
      ++items;
    }
    return items;
  }

  std::string cards_;
};

// The stored column of `key` in the table `configure --show` prints, without quotes.
std::string Stored(const std::string& table, const std::string& key) {
  std::istringstream lines(table);
  for (std::string line; std::getline(lines, line);) {
    if (line.compare(0, key.size() + 1, key + " ") != 0) continue;
    // The fourth word: key, kind, default and stored value are single words here.
    std::istringstream words(line);
    std::string value;
    for (int word = 0; word < 4; ++word) words >> value;
    if (value.size() >= 2 && value.front() == '"') value = value.substr(1, value.size() - 2);
    return value;
  }
  return "";
}

TEST_F(CrashSafetyTest, AnImportKilledAnywhereKeepsEveryStoredItemWhole) {
  const auto full = Duration(ImportArgs());
  size_t before = CheckedItemCount();
  ASSERT_EQ(before, static_cast<size_t>(kCards));
  for (int k = 0; k < kKills; ++k) {
    KillAfter(ImportArgs(), full * k / kKills);
    const size_t now = CheckedItemCount();
    EXPECT_GE(now, before) << "a killed import lost items stored before it";
    EXPECT_LE(now, before + kCards);
    before = now;
  }
  const RunResult again = Orvhost(ImportArgs());
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_EQ(CheckedItemCount(), before + kCards) << "the collection takes new items";
}

TEST_F(CrashSafetyTest, AnExportKilledAnywhereLeavesTheEarlierPagesWhole) {
  ASSERT_EQ(Orvhost(ImportArgs()).status, 0);
  const std::string source = std::getenv("ORV_SOURCE_DIR") ? std::getenv("ORV_SOURCE_DIR") : ".";
  const std::string out = folder_ + "/site";
  fs::create_directories(out);
  for (const bool loop : {true, false}) {
    const std::string tmpl =
        source + (loop ? "/samples/templates/catalogue.htm" : "/samples/templates/page.htm");
    ASSERT_EQ(Orvhost({"configure", PAGEBUILDER_LIBRARY, "--set", "Template=" + tmpl, "--set",
                       "MediaType=0"})
                  .status,
              0);
    const std::vector<std::string> exportArgs = {
        "export", PAGEBUILDER_LIBRARY, out + "/catalogue.htm", "--collection", collection_};
    const auto full = Duration(exportArgs);
    // Every page of the first export, as a reference.
    std::map<std::string, std::string> reference;
    for (const auto& entry : fs::directory_iterator(out)) {
      reference[entry.path().filename().string()] = ReadFile(entry.path().string());
    }
    ASSERT_FALSE(reference.empty());
    for (int k = 0; k < kKills; ++k) {
      KillAfter(exportArgs, full * k / kKills);
      for (const auto& [name, bytes] : reference) {
        EXPECT_EQ(ReadFile(out + "/" + name), bytes) << name << " was damaged by a killed export";
      }
    }
    // The next export goes through and leaves no temporary files behind.
    ASSERT_EQ(Orvhost(exportArgs).status, 0);
    for (const auto& entry : fs::directory_iterator(out)) {
      EXPECT_TRUE(reference.count(entry.path().filename().string())) << entry.path();
    }
    fs::remove_all(out);
    fs::create_directories(out);
  }
}

TEST_F(CrashSafetyTest, AnOptionsWriteKilledAnywhereLeavesAReadableProfile) {
  const std::vector<std::string> show = {"configure", FILMCARD_LIBRARY, "--show"};
  const auto full = Duration({"configure", FILMCARD_LIBRARY, "--set", "DefValue=1"});
  int landed = 0;
  for (int k = 0; k < kKills; ++k) {
    const std::string value = std::to_string(100 + k);
    KillAfter({"configure", FILMCARD_LIBRARY, "--set", "DefValue=" + value, "--set",
               "DefSound=" + std::to_string(k % 10)},
              full * k / kKills);
    const RunResult shown = Orvhost(show);
    ASSERT_EQ(shown.status, 0) << shown.err;
    // Both values of one write land together or not at all; earlier options stay.
    EXPECT_EQ(Stored(shown.out, "AllFiles"), "1") << shown.out;
    if (Stored(shown.out, "DefValue") == value) {
      EXPECT_EQ(Stored(shown.out, "DefSound"), std::to_string(k % 10)) << shown.out;
      ++landed;
    }
  }
  RecordProperty("writes_that_landed", landed);
  // The next write clears what the killed writers left behind.
  ASSERT_EQ(Orvhost({"configure", FILMCARD_LIBRARY, "--set", "DefValue=7"}).status, 0);
  for (const auto& entry : fs::recursive_directory_iterator(folder_ + "/config")) {
    EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
  }
}

}  // namespace
}  // namespace orv::host::testing
