#include "platform/posix/terminal/forms/form_session.h"

#include <fcntl.h>
#include <langinfo.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#define NCURSES_WIDECHAR 1
#include <ncursesw/curses.h>

namespace orv::ui::form {
namespace {

// Signals that end the program: the terminal is restored first, then the signal does what it
// would have done.
constexpr int kEndingSignals[] = {SIGINT,  SIGTERM, SIGHUP, SIGQUIT, SIGABRT,
                                  SIGSEGV, SIGBUS,  SIGFPE, SIGILL};
constexpr int kSignalCount = sizeof kEndingSignals / sizeof kEndingSignals[0];

// A second press on the same cell this soon after the first is a double click.
constexpr auto kDoubleClickTime = std::chrono::milliseconds(400);

// One session per module: every module links its own copy of this file.
struct Session {
  int depth = 0;
  int fd = -1;
  FILE* out = nullptr;
  FILE* in = nullptr;
  SCREEN* screen = nullptr;
  WINDOW* input = nullptr;  // never drawn on, so reading keys never repaints anything
  std::string savedLocale;
  Canvas backdrop;
  struct sigaction previous[kSignalCount];
  bool installed[kSignalCount] = {};
  int clickRow = -1, clickCol = -1;  // the last press that may begin a double click
  std::chrono::steady_clock::time_point clickTime;

  ~Session();  // exit() while a dialog is up still gives the terminal back
  void Stop();
};

Session& TheSession() {
  static Session session;
  return session;
}

// What the signal handler needs, written before the handlers are set and only read by them.
int gSignalFd = -1;
struct termios gSavedModes;
char gResetBytes[256];
size_t gResetLength = 0;

extern "C" void RestoreTerminalAndRaise(int sig) {
  // Only async-signal-safe calls here.
  if (gResetLength > 0) {
    const ssize_t ignored = write(gSignalFd, gResetBytes, gResetLength);
    (void)ignored;
  }
  tcsetattr(gSignalFd, TCSANOW, &gSavedModes);
  raise(sig);  // SA_RESETHAND gave it back its default action
}

void AppendReset(const char* capability) {
  const char* bytes = tigetstr(const_cast<char*>(capability));
  if (!bytes || bytes == reinterpret_cast<char*>(-1)) return;
  const size_t length = std::strlen(bytes);
  if (gResetLength + length >= sizeof gResetBytes) return;
  std::memcpy(gResetBytes + gResetLength, bytes, length);
  gResetLength += length;
}

void InstallHandlers(Session& s) {
  for (int i = 0; i < kSignalCount; ++i) {
    struct sigaction current;
    s.installed[i] = false;
    if (sigaction(kEndingSignals[i], nullptr, &current) != 0) continue;
    // A signal the program ignores or handles itself is left to it.
    if ((current.sa_flags & SA_SIGINFO) || current.sa_handler != SIG_DFL) continue;
    struct sigaction ours = {};
    ours.sa_handler = RestoreTerminalAndRaise;
    sigemptyset(&ours.sa_mask);
    ours.sa_flags = SA_RESETHAND;
    if (sigaction(kEndingSignals[i], &ours, &s.previous[i]) == 0) s.installed[i] = true;
  }
}

void RestoreHandlers(Session& s) {
  for (int i = 0; i < kSignalCount; ++i) {
    if (s.installed[i]) sigaction(kEndingSignals[i], &s.previous[i], nullptr);
    s.installed[i] = false;
  }
}

bool UsableTerm() {
  const char* term = std::getenv("TERM");
  if (!term || !*term) return false;
  const std::string name(term);
  return name != "dumb" && name != "unknown";
}

// The terminal of standard input, by its name, so that redirected output does not matter.
int OpenTerminal() {
  if (!isatty(STDIN_FILENO)) return -1;
  const char* name = ttyname(STDIN_FILENO);
  int fd = name ? open(name, O_RDWR | O_NOCTTY | O_CLOEXEC) : -1;
  if (fd < 0) fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  return fd;
}

bool LargeEnough(int fd) {
  struct winsize size = {};
  if (ioctl(fd, TIOCGWINSZ, &size) != 0 || size.ws_row == 0 || size.ws_col == 0) return true;
  return size.ws_row >= kMinimumRows && size.ws_col >= kMinimumCols;
}

// The dialogs' texts are UTF-8: the terminal is driven in a UTF-8 locale, the user's own when
// it is one.
bool UseUtf8Locale(Session& s) {
  const char* current = std::setlocale(LC_CTYPE, nullptr);
  s.savedLocale = current ? current : "C";
  for (const char* name : {"", "C.UTF-8"}) {
    if (std::setlocale(LC_CTYPE, name) && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) {
      return true;
    }
  }
  std::setlocale(LC_CTYPE, s.savedLocale.c_str());
  return false;
}

bool Start(Session& s) {
  if (!UsableTerm()) return false;
  s.fd = OpenTerminal();
  if (s.fd < 0) return false;
  const auto giveUp = [&]() {
    if (s.out) std::fclose(s.out);
    if (s.in) std::fclose(s.in);
    if (!s.out && s.fd >= 0) close(s.fd);
    s.out = s.in = nullptr;
    s.fd = -1;
    return false;
  };
  if (!LargeEnough(s.fd) || tcgetattr(s.fd, &gSavedModes) != 0) return giveUp();
  const int second = fcntl(s.fd, F_DUPFD_CLOEXEC, 0);
  s.out = fdopen(s.fd, "w");
  s.in = second >= 0 ? fdopen(second, "r") : nullptr;
  if (!s.in && second >= 0) close(second);
  if (!s.out || !s.in) return giveUp();
  if (!UseUtf8Locale(s)) return giveUp();
  gSignalFd = s.fd;
  gResetLength = 0;
  InstallHandlers(s);
  s.screen = newterm(nullptr, s.out, s.in);
  if (!s.screen) {
    RestoreHandlers(s);
    std::setlocale(LC_CTYPE, s.savedLocale.c_str());
    return giveUp();
  }
  set_term(s.screen);
  if (LINES < kMinimumRows || COLS < kMinimumCols) {
    endwin();
    delscreen(s.screen);
    s.screen = nullptr;
    RestoreHandlers(s);
    std::setlocale(LC_CTYPE, s.savedLocale.c_str());
    return giveUp();
  }
  cbreak();  // Ctrl-C, Ctrl-\ and Ctrl-Z keep their meaning
  noecho();
  nonl();
  set_escdelay(25);
  s.input = newwin(1, 1, 0, 0);
  keypad(s.input, TRUE);
  wnoutrefresh(s.input);
  mousemask(BUTTON1_PRESSED | BUTTON1_CLICKED | BUTTON4_PRESSED | BUTTON5_PRESSED, nullptr);
  mouseinterval(0);
  AppendReset("rmcup");
  AppendReset("cnorm");
  AppendReset("sgr0");
  AppendReset("rmkx");
  static const char kMouseOff[] = "\033[?1000l\033[?1002l\033[?1006l";
  if (has_mouse() && gResetLength + sizeof kMouseOff < sizeof gResetBytes) {
    std::memcpy(gResetBytes + gResetLength, kMouseOff, sizeof kMouseOff - 1);
    gResetLength += sizeof kMouseOff - 1;
  }
  return true;
}

void Session::Stop() {
  if (!screen) return;
  mousemask(0, nullptr);
  if (input) delwin(input);
  input = nullptr;
  endwin();
  delscreen(screen);
  screen = nullptr;
  RestoreHandlers(*this);
  std::fclose(out);
  std::fclose(in);
  out = in = nullptr;
  fd = -1;
  gResetLength = 0;
  std::setlocale(LC_CTYPE, savedLocale.c_str());
  backdrop = Canvas();
}

Session::~Session() { Stop(); }

attr_t CursesAttributes(uint8_t attributes) {
  attr_t a = A_NORMAL;
  if (attributes & kReverse) a |= A_REVERSE;
  if (attributes & kBold) a |= A_BOLD;
  if (attributes & kUnderline) a |= A_UNDERLINE;
  if (attributes & kDim) a |= A_DIM;
  return a;
}

Key FromKeyCode(wint_t code) {
  switch (code) {
    case KEY_UP:
      return Key::kUp;
    case KEY_DOWN:
      return Key::kDown;
    case KEY_LEFT:
      return Key::kLeft;
    case KEY_RIGHT:
      return Key::kRight;
    case KEY_HOME:
      return Key::kHome;
    case KEY_END:
      return Key::kEnd;
    case KEY_PPAGE:
      return Key::kPageUp;
    case KEY_NPAGE:
      return Key::kPageDown;
    case KEY_BTAB:
      return Key::kBackTab;
    case KEY_ENTER:
      return Key::kEnter;
    case KEY_BACKSPACE:
      return Key::kBackspace;
    case KEY_DC:
      return Key::kDelete;
    case KEY_F(4):
      return Key::kOpenList;
    default: {
      // Alt+Down as xterm sends it.
      const char* name = keyname(static_cast<int>(code));
      return name && std::strcmp(name, "kDN3") == 0 ? Key::kOpenList : Key::kNone;
    }
  }
}

KeyEvent FromCharacter(wint_t ch) {
  KeyEvent event;
  if (ch == '\t') {
    event.key = Key::kTab;
  } else if (ch == '\r' || ch == '\n') {
    event.key = Key::kEnter;
  } else if (ch == 127 || ch == 8) {
    event.key = Key::kBackspace;
  } else if (ch >= ' ') {
    event.key = Key::kChar;
    event.ch = static_cast<char32_t>(ch);
  }
  return event;
}

}  // namespace

FormSession::FormSession() {
  Session& s = TheSession();
  if (s.depth == 0 && !Start(s)) return;
  ++s.depth;
  ok_ = true;
}

FormSession::~FormSession() {
  if (!ok_) return;
  Session& s = TheSession();
  if (--s.depth == 0) s.Stop();
}

int FormSession::Rows() const { return LINES; }
int FormSession::Cols() const { return COLS; }

void FormSession::Show(const Canvas& screen, bool keep) {
  Session& s = TheSession();
  werase(stdscr);
  for (int r = 0; r < std::min(screen.rows(), LINES); ++r) {
    for (int c = 0; c < std::min(screen.cols(), COLS); ++c) {
      const Cell& cell = screen.at(r, c);
      if (cell.ch == 0) continue;
      wchar_t text[2] = {static_cast<wchar_t>(cell.ch), 0};
      cchar_t shown;
      setcchar(&shown, text, CursesAttributes(cell.attributes), 0, nullptr);
      // The bottom-right cell reports an error for the cursor it cannot advance; it is drawn.
      mvwadd_wch(stdscr, r, c, &shown);
    }
  }
  const bool caret = screen.cursorRow >= 0 && screen.cursorRow < LINES && screen.cursorCol >= 0 &&
                     screen.cursorCol < COLS;
  if (caret) wmove(stdscr, screen.cursorRow, screen.cursorCol);
  curs_set(caret ? 1 : 0);
  wnoutrefresh(stdscr);
  doupdate();
  if (keep) s.backdrop = screen;
}

const Canvas& FormSession::Backdrop() const { return TheSession().backdrop; }

KeyEvent FormSession::ReadKey() {
  Session& s = TheSession();
  wint_t ch = 0;
  const int kind = wget_wch(s.input, &ch);
  KeyEvent event;
  if (kind == ERR) return event;  // a signal came (a resize): draw again
  if (kind == KEY_CODE_YES) {
    if (ch == KEY_MOUSE) {
      MEVENT mouse;
      if (getmouse(&mouse) != OK) return event;
      if (mouse.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED)) event.key = Key::kClick;
      if (mouse.bstate & BUTTON4_PRESSED) event.key = Key::kWheelUp;
      if (mouse.bstate & BUTTON5_PRESSED) event.key = Key::kWheelDown;
      event.row = mouse.y;
      event.col = mouse.x;
      if (event.key == Key::kClick) {
        const auto now = std::chrono::steady_clock::now();
        if (mouse.y == s.clickRow && mouse.x == s.clickCol &&
            now - s.clickTime <= kDoubleClickTime) {
          event.key = Key::kDoubleClick;
          s.clickRow = -1;  // a third press begins again
        } else {
          s.clickRow = mouse.y;
          s.clickCol = mouse.x;
          s.clickTime = now;
        }
      }
      return event;
    }
    event.key = FromKeyCode(ch);
    return event;
  }
  if (ch != 27) return FromCharacter(ch);
  // Esc alone, or Alt with the key that comes with it.
  wtimeout(s.input, 0);
  wint_t next = 0;
  const int nextKind = wget_wch(s.input, &next);
  wtimeout(s.input, -1);
  if (nextKind == ERR) {
    event.key = Key::kEscape;
  } else if (nextKind == KEY_CODE_YES) {
    event.key = next == KEY_DOWN ? Key::kOpenList : Key::kNone;
  } else if (next == '[' || next == 'O') {
    // The rest of a sequence the terminal description does not know: dropped.
    wtimeout(s.input, 0);
    while (wget_wch(s.input, &next) != ERR) {
    }
    wtimeout(s.input, -1);
  } else if (next >= ' ') {
    event.key = Key::kAlt;
    event.ch = static_cast<char32_t>(next);
  }
  return event;
}

void FormSession::Beep() { beep(); }

}  // namespace orv::ui::form
