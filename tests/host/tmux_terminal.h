// A terminal for tests: a private tmux server (its own socket name, never the user's server)
// running one command in a pane of a given size. Tests send keys as a person would and read
// the screen as text.
#ifndef ORV_TESTS_HOST_TMUX_TERMINAL_H
#define ORV_TESTS_HOST_TMUX_TERMINAL_H

#include <string>
#include <vector>

namespace orv::host::testing {

class TmuxTerminal {
 public:
  // Starts `command` (a shell command line) in a cols x rows pane.
  TmuxTerminal(int cols, int rows, const std::string& command);
  ~TmuxTerminal();  // stops the server and what runs in it
  TmuxTerminal(const TmuxTerminal&) = delete;
  TmuxTerminal& operator=(const TmuxTerminal&) = delete;

  bool started() const { return started_; }
  std::string Screen();
  // The same with the attributes as SGR escape sequences (bold, dim, reverse video).
  std::string StyledScreen();
  // Polls the screen until it holds every text (true), or 30 seconds pass (false).
  bool WaitFor(const std::vector<std::string>& texts);
  // Until the screen no longer holds the text.
  bool WaitForGone(const std::string& text);
  // Key names as tmux knows them: Tab, BTab, Space, Enter, Escape, Down, End, M-y, C-c, BSpace.
  void Keys(const std::vector<std::string>& keys);
  // Characters typed as they are.
  void Type(const std::string& text);
  // A tmux format of the pane, such as "#{alternate_on}".
  std::string Query(const std::string& format);

 private:
  std::string Tmux(const std::vector<std::string>& args, int* status = nullptr);

  std::string socket_;
  bool started_ = false;
};

}  // namespace orv::host::testing

#endif  // ORV_TESTS_HOST_TMUX_TERMINAL_H
