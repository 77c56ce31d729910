// The fixture of the full-screen form tests: orvhost in a terminal (a private tmux server),
// keys sent as a person types them, the screen, the exit status and the stored options read.
#ifndef ORV_TESTS_HOST_TERMINAL_FORM_FIXTURE_H
#define ORV_TESTS_HOST_TERMINAL_FORM_FIXTURE_H

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "host_run.h"
#include "tests/filmsearch/film_pages.h"
#include "tmux_terminal.h"

namespace orv::host::testing {

class TerminalFormTest : public HostRunTest {
 protected:
  // orvhost with `arguments` in a terminal of that size; `environment` adds variables.
  void Start(const std::string& arguments, int cols = 100, int rows = 40,
             const std::string& environment = "") {
    const std::string f = folder_;
    const std::string command =
        "trap : INT; cd '" + f + "'; stty -g > modes.before; env ORVHOST_CONFIG_DIR='" + f +
        "/config' XDG_CONFIG_HOME='" + f + "/xdgconfig' XDG_DATA_HOME='" + f + "/data' HOME='" + f +
        "/home' " + environment + " '" + ORVHOST_PROGRAM + "' " + arguments +
        " > out.txt 2> err.txt; echo $? > status.tmp; stty -g > modes.after; mv status.tmp "
        "status; sleep 600";
    terminal_ = std::make_unique<TmuxTerminal>(cols, rows, command);
    ASSERT_TRUE(terminal_->started()) << "tmux did not start (" << TMUX_PROGRAM << ")";
  }

  void WaitFor(const std::vector<std::string>& texts) {
    ASSERT_TRUE(terminal_->WaitFor(texts)) << "waiting for " << texts.front() << "\n"
                                           << terminal_->Screen();
  }

  // The exit status once orvhost has ended, -1 when it did not end in time.
  int Finished() {
    const std::string path = folder_ + "/status";
    for (int i = 0; i < 600 && !std::filesystem::exists(path); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!std::filesystem::exists(path)) {
      ADD_FAILURE() << "orvhost did not end\n" << terminal_->Screen();
      return -1;
    }
    const std::string err = ReadFile(folder_ + "/err.txt");
    for (const char* alarm : {"Sanitizer", "runtime error:"}) {
      EXPECT_THAT(err, ::testing::Not(::testing::HasSubstr(alarm)));
    }
    return std::stoi(ReadFile(path));
  }

  // The terminal is as it was before orvhost: line modes, normal screen, no mouse reports.
  void ExpectTerminalGivenBack() {
    EXPECT_EQ(ReadFile(folder_ + "/modes.after"), ReadFile(folder_ + "/modes.before"));
    EXPECT_EQ(terminal_->Query("#{alternate_on} #{mouse_any_flag} #{cursor_flag}"), "0 0 1");
  }

  // "Key=value" lines of the options stored, from the table `configure --show` prints
  // (option, kind, default, stored, meaning; "-" when nothing is stored, texts in quotes).
  std::string Stored(const std::string& filter) {
    static const std::regex row(
        R"re(^(\S+)\s+(integer|text)\s+("(?:[^"\\]|\\.)*"|\S+)\s+("(?:[^"\\]|\\.)*"|\S+)(?:  .*)?$)re");
    std::istringstream table(Orvhost({"configure", filter, "--show"}).out);
    std::string stored;
    for (std::string line; std::getline(table, line);) {
      std::smatch match;
      if (!std::regex_match(line, match, row) || match[4] == "-") continue;
      std::string value = match[4];
      if (value.size() >= 2 && value.front() == '"') value = value.substr(1, value.size() - 2);
      stored += match[1].str() + "=" + value + "\n";
    }
    return stored;
  }
  std::string Out() { return ReadFile(folder_ + "/out.txt"); }

  // Whether the first text on the screen that holds `text` is drawn dim (a disabled control).
  bool Dimmed(const std::string& text) {
    const std::string screen = terminal_->StyledScreen();
    static const std::regex sgr("\x1b\\[([0-9;]*)m");
    bool dim = false;
    size_t at = 0;
    for (std::sregex_iterator it(screen.begin(), screen.end(), sgr), end;; ++it) {
      const size_t stop = it == end ? screen.size() : static_cast<size_t>(it->position());
      if (screen.substr(at, stop - at).find(text) != std::string::npos) return dim;
      if (it == end) break;
      std::istringstream params((*it)[1].str());
      std::string param;
      if ((*it)[1].str().empty()) dim = false;
      while (std::getline(params, param, ';')) {
        if (param.empty() || param == "0" || param == "22") dim = false;
        if (param == "2") dim = true;
      }
      at = stop + it->length();
    }
    ADD_FAILURE() << "no " << text << " on the screen\n" << screen;
    return false;
  }
  // orvhost has not ended (after a moment to do so).
  bool StillRunning() {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return !std::filesystem::exists(folder_ + "/status");
  }

  // A copy of filmsearch with its site file beside it, the site at `root`; its path.
  std::string FilmsearchWithSiteFile(const std::string& root) {
    std::filesystem::create_directories(folder_ + "/lib");
    const std::string library = folder_ + "/lib/filmsearch.so";
    std::filesystem::copy_file(FILMSEARCH_LIBRARY, library,
                               std::filesystem::copy_options::overwrite_existing);
    WriteFile(folder_ + "/lib/filmsearch.ini", orv::testing::FilmSiteFile(root));
    return library;
  }

  std::unique_ptr<TmuxTerminal> terminal_;
};

}  // namespace orv::host::testing

#endif  // ORV_TESTS_HOST_TERMINAL_FORM_FIXTURE_H
