// orvhost's help: one screen for every command, and one page per command with its arguments,
// options (from the option table, so the help never misses one), notes and examples.
#include <string>

#include "host/commands/command_line.h"

namespace orv::host {

namespace {

struct CommandText {
  CommandName name;
  const char* usage;     // after "usage: orvhost "
  const char* about;     // what it does, and its arguments
  const char* notes;     // the trace, the answers file, exit status: where they apply
  const char* examples;  // one per line, after "orvhost "
};

const char* const kFilterText =
    "FILTER is a filter name, looked up beside orvhost, then in ../lib/orvhost/filters from\n"
    "orvhost's folder (filmcard, pagebuilder), or the path of a filter library.\n";

const char* const kAnswersText =
    "Dialogs and message boxes of the filter show in the terminal. With --answers FILE (or\n"
    "$ORVHOST_ANSWERS) they are answered from the file instead, one answer per line, in order:\n"
    "  msgbox yes\n"
    "  dialog 129 set 1001=DVD check 1016=1 ok\n"
    "When no answer is left and no terminal is attached, a message box takes its default button\n"
    "and a dialog is cancelled.\n";

const CommandText kCommands[] = {
    {CommandName::kInfo, "info FILTER",
     "Loads the filter, lets it load its options (Configure without its dialog) and prints what\n"
     "it says about itself: name, description, file mask, category, the source it asks for,\n"
     "import or export, and the keys of the options it reads.\n",
     "", "info filmcard\ninfo build/release/bin/pagebuilder.so\n"},
    {CommandName::kConfigure,
     "configure FILTER [--set KEY=VALUE]... [--show] [--dialog] [--answers FILE]",
     "Sets options of the filter without its dialog (--set), shows its options dialog (--dialog),\n"
     "and lists its options (--show, and when nothing else is asked). Options live in the profile\n"
     "under $ORVHOST_CONFIG_DIR, else $XDG_CONFIG_HOME/orvhost.\n"
     "\n"
     "--show lists every option the filter reads, in its order: key, kind (integer or text),\n"
     "default, and the value stored (\"-\" when none is: the filter takes the default). Stored\n"
     "values the filter does not read follow, as \"not read\".\n"
     "--set refuses a key the filter does not read, and for an integer option a text that holds\n"
     "no integer; nothing is written then. Integers are stored as numbers, texts as texts.\n"
     "orvhost.exe, the Windows build, cannot learn what a filter reads: there --show lists the\n"
     "stored values only and --set stores any key, as text.\n",
     "answers",
     "configure filmcard --show\nconfigure filmcard --set AllFiles=0 --set DefValue=15\n"
     "configure pagebuilder --set Template=$HOME/site/catalogue.htm --set MediaType=0\n"
     "configure filmcard --dialog\n"},
    {CommandName::kImport,
     "import FILTER [PATH] [--collection DB] [--answers FILE] [--trace]\n"
     "                      [--keep-duplicates]",
     "Runs an import filter on PATH (a file or a folder, as the filter asks; a filter that finds\n"
     "its source itself takes none) and stores every item it produces in the collection, each as\n"
     "it comes, so an interrupted import keeps what was stored. An item equal in every field to\n"
     "one already in the collection is not stored again (unless --keep-duplicates): an import\n"
     "run again completes the collection without doubling it. A link item (a film's web page)\n"
     "is kept with the item before it. An item is filed under its own category when it has one.\n"
     "Each import is a run: orvhost runs lists them, orvhost undo removes one. Ends with one\n"
     "line: the items stored, those already there, the calls that produced nothing and the time\n"
     "taken. Ctrl-C ends the run after the item under way: what was stored stays, the line says\n"
     "\"interrupted\" and the exit status is 130.\n",
     "trace",
     "import filmcard ~/films/alien.film\nimport filmcard ~/films --collection ~/films.db "
     "--trace\n"},
    {CommandName::kExport, "export FILTER OUTPUT [--collection DB] [--answers FILE] [--trace]",
     "Hands the collection's items of the filter's category (one of its options: see configure\n"
     "--show), in the order they were stored, to an export filter that writes OUTPUT. Ends with\n"
     "one line: the items written, the calls that produced nothing and the time taken. The\n"
     "collection is only read, so one in a folder you cannot write is exported too. Links kept\n"
     "with items are not handed over. Ctrl-C ends the export after the item under way (exit\n"
     "status 130).\n",
     "trace",
     "configure pagebuilder --set Template=$HOME/site/catalogue.htm\n"
     "export pagebuilder ~/site/catalogue.htm\n"},
    {CommandName::kList, "list [--collection DB] [--category CATEGORY] [--json]",
     "Prints the collection's items in the order they were stored, one per line, in columns that\n"
     "fit the terminal ($COLUMNS, else 80 columns, when the output is no terminal): kinds,\n"
     "categories and media by their names, control characters escaped, long titles and authors\n"
     "cut at a word with \"\xE2\x80\xA6\". --json gives every field with its exact value instead.\n"
     "CATEGORY is 1 to 5 or video, audio, software, book, collectible. The collection is only\n"
     "read; a missing one has no items. An item's link shows on the line below it (in JSON: as\n"
     "\"link\", an object of the link item's fields).\n",
     "", "list\nlist --category book --json\n"},
    {CommandName::kRuns, "runs [--collection DB]",
     "Lists the imports stored in the collection, oldest first: run number, when it started\n"
     "(UTC), its items still in the collection, how it ended (done, interrupted, stopped, open\n"
     "failed; \"-\" when the process died), the filter and the source. Items stored by earlier\n"
     "versions of orvhost belong to no run.\n",
     "", "runs\n"},
    {CommandName::kUndo, "undo [RUN] [--collection DB] [--yes]",
     "Removes the items of an import run, RUN or else the last run that still has items, and\n"
     "forgets the run. It first lists what it will remove, then asks on the terminal; with\n"
     "--yes it does not ask. Without a terminal to ask on and without --yes it removes nothing\n"
     "and exits with status 2.\n",
     "", "undo\nundo 3 --yes\n"},
    {CommandName::kRemove, "remove ID... [--collection DB]",
     "Removes these items (the numbers orvhost list shows in its first column), with their links,\n"
     "and lists them. When one of the numbers is no item, nothing is removed.\n",
     "", "remove 12 13\n"},
    {CommandName::kCollection,
     "collection [--collection DB] [--owner T] [--title T] [--currency T]\n"
     "                          [--picture-dir CATEGORY=DIR]... [--code-list NAME=LIST]...\n"
     "                          [--proxy HOST:PORT] [--proxy-user U] [--proxy-password P]",
     "Changes the collection's settings, which the filters see in the document handed to Open,\n"
     "then prints them all; without options it only prints them.\n"
     "CATEGORY is 1 to 5 or video, audio, software, book, collectible. NAME is format1, sound or\n"
     "format2 of video, or a category and a list: audio.sound.\n"
     "The proxy is also written where the host keeps it for the filters that read it themselves:\n"
     "the profile key Software\\Kelvard\\Orvella Premium\\Internet, values ProxyUrl, ProxyPort,\n"
     "ProxyUsr and ProxyPwd. --proxy \"\" removes the proxy from both places.\n",
     "",
     "collection --owner \"Zo\xC3\xA9\" --currency \"\xE2\x82\xAC\"\n"
     "collection --picture-dir video=$HOME/affiches --code-list "
     "audio.sound=\"Mono|St\xC3\xA9r\xC3\xA9o\"\n"
     "collection --proxy proxy.local:3128 --proxy-user zoe --proxy-password secret\n"
     "collection --proxy \"\"\n"},
    {CommandName::kCheckSite, "check-site FILTER [--keywords TEXT] [--page FILE]... [--json]",
     "Runs the site file of a web search filter (filmsearch: the site chosen in its options;\n"
     "auctionsearch: its parameter file) against the live site, or against saved pages given in\n"
     "the order the search fetches them (search page, result page), and prints each step: the\n"
     "address, the HTTP status, the charset the page was read in, and every marker of the site\n"
     "file, found or not, with what it extracted. Exit status 0 when every marker the search\n"
     "needs matched, 1 otherwise. --json prints the same as one JSON object.\n",
     "",
     "check-site filmsearch --keywords \"grand bleu\"\n"
     "check-site filmsearch --page recherche.html --page fiche.html --json\n"},
};

const CommandText* Find(CommandName name) {
  for (const CommandText& text : kCommands) {
    if (text.name == name) return &text;
  }
  return nullptr;
}

// `text` as lines of at most `width` characters after `indent` blanks, broken at blanks.
std::string Wrap(const std::string& text, size_t indent, size_t width) {
  std::string out, line;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find(' ', at);
    if (end == std::string::npos) end = text.size();
    const std::string word = text.substr(at, end - at);
    if (!line.empty() && line.size() + 1 + word.size() > width) {
      out += std::string(indent, ' ') + line + "\n";
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
    at = end + 1;
  }
  if (!line.empty()) out += std::string(indent, ' ') + line + "\n";
  return out;
}

std::string OptionsOf(CommandName name) {
  std::string out;
  for (const OptionSpec& option : OptionSpecs()) {
    bool taken = false;
    for (CommandName command : option.commands) taken = taken || command == name;
    if (!taken) continue;
    out += std::string("  --") + option.name + (*option.value ? " " : "") + option.value + "\n";
    out += Wrap(option.help, 6, 86);
  }
  return out;
}

std::string Indented(const char* lines, const char* prefix) {
  std::string out;
  const std::string text = lines;
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    out += prefix + text.substr(at, end - at) + "\n";
    at = end + 1;
  }
  return out;
}

}  // namespace

std::string UsageText() {
  std::string out = "usage:\n";
  for (const CommandText& text : kCommands) {
    // The usage lines are indented for "usage: orvhost "; here they follow "  orvhost ".
    std::string usage = text.usage;
    for (size_t at = usage.find("\n      "); at != std::string::npos;
         at = usage.find("\n      ", at + 1))
      usage.erase(at + 1, 5);
    out += "  orvhost " + usage + "\n";
  }
  out +=
      "  orvhost help COMMAND            what a command does, its options, examples\n"
      "  orvhost --version\n";
  out += kFilterText;
  out += "CATEGORY is 1 to 5 or video, audio, software, book, collectible.\n";
  return out;
}

std::string CommandHelp(CommandName name) {
  const CommandText* text = Find(name);
  if (!text) return UsageText();
  std::string out = std::string("usage: orvhost ") + text->usage + "\n\n" + text->about;
  if (name == CommandName::kInfo || name == CommandName::kConfigure ||
      name == CommandName::kImport || name == CommandName::kExport) {
    out += kFilterText;
  }
  const std::string options = OptionsOf(name);
  if (!options.empty()) out += "\noptions:\n" + options;
  const std::string notes = text->notes;
  if (notes == "trace") {
    out +=
        "\nThe trace: --trace writes one JSON object per call, in call order: Configure, GetInfo,\n"
        "Open with the path, GetCount, each ProcessItem with the item produced, Close.\n";
  }
  if (notes == "trace" || notes == "answers") out += "\n" + std::string(kAnswersText);
  if (notes == "trace") {
    out +=
        "\nExit status: 0 done, 1 the filter could not open its source or output (its own\n"
        "messages say why; orvhost configure FILTER --show lists the options it ran with),\n"
        "2 wrong command line, 3 the collection or the filter library cannot be opened,\n"
        "130 interrupted.\n";
  }
  out += "\nexamples:\n" + Indented(text->examples, "  orvhost ");
  return out;
}

std::string VersionText() { return std::string("orvhost ") + ORVHOST_VERSION + "\n"; }

}  // namespace orv::host
