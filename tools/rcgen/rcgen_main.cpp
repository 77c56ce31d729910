// rcgen INPUT.rc OUTPUT.cpp [DEPFILE]
//
// Build tool: turns a module's UTF-8 resource script into the C++ resource table linked into
// that module on Linux. Errors are printed as "INPUT:LINE: error: message" and fail the build;
// nothing is written then. The optional DEPFILE (make syntax) names the icon files read, so
// that the build regenerates the table when an icon changes.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <system_error>

#include "tools/rcgen/rc_script.h"
#include "tools/rcgen/table_writer.h"

namespace fs = std::filesystem;

namespace {

// Far beyond any script or icon of ours; guards against reading a wrong, huge file.
constexpr std::uintmax_t kMaxFileSize = 16u * 1024u * 1024u;

bool ReadFile(const fs::path& path, std::string& out, std::string& error) {
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) {
    error = "cannot read " + path.string() + ": " + ec.message();
    return false;
  }
  if (size > kMaxFileSize) {
    error = path.string() + " is too large";
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path.string();
    return false;
  }
  out.assign(static_cast<size_t>(size), '\0');
  in.read(out.data(), static_cast<std::streamsize>(size));
  if (static_cast<std::uintmax_t>(in.gcount()) != size) {
    error = "cannot read " + path.string();
    return false;
  }
  return true;
}

// Scripts may write folders with backslashes, as Windows tools accept.
fs::path IconPath(const fs::path& scriptFolder, std::string name) {
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
  const fs::path path(name);
  return path.is_absolute() ? path : scriptFolder / path;
}

// An .ico file starts with a zero word, the type 1 and a non-zero image count.
bool LooksLikeIcon(const std::string& bytes) {
  return bytes.size() >= 6 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0 &&
         (bytes[4] != 0 || bytes[5] != 0);
}

// Make-syntax depfile escaping: spaces, '#' and '$' are the characters that break a rule.
std::string DepfilePath(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == ' ' || c == '#') out += '\\';
    if (c == '$') out += '$';
    out += c;
  }
  return out;
}

// Written beside the target, then renamed: an interrupted run leaves no half file behind.
bool WriteWhole(const fs::path& path, const std::string& text) {
  fs::path temporary = path;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    if (!out) {
      std::cerr << "rcgen: cannot write " << temporary.string() << "\n";
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code ec;
  fs::rename(temporary, path, ec);
  if (ec) {
    std::cerr << "rcgen: cannot write " << path.string() << ": " << ec.message() << "\n";
    fs::remove(temporary, ec);
    return false;
  }
  return true;
}

int Run(const fs::path& input, const fs::path& output, const fs::path& depfile) {
  std::string source, error;
  if (!ReadFile(input, source, error)) {
    std::cerr << "rcgen: " << error << "\n";
    return 1;
  }
  orv::platform::ResourceScript script;
  orv::platform::ScriptError parseError;
  if (!orv::platform::ParseResourceScript(source, script, parseError)) {
    std::cerr << input.string() << ":" << parseError.line << ": error: " << parseError.message
              << "\n";
    return 1;
  }
  std::map<int, std::string> iconData;
  std::string depends = DepfilePath(output.string()) + ":";
  for (const auto& [id, icon] : script.icons) {
    std::string bytes;
    const fs::path iconPath = IconPath(input.parent_path(), icon.fileName);
    depends += " " + DepfilePath(iconPath.string());
    if (!ReadFile(iconPath, bytes, error)) {
      std::cerr << input.string() << ":" << icon.line << ": error: icon " << id << ": " << error
                << "\n";
      return 1;
    }
    if (!LooksLikeIcon(bytes)) {
      std::cerr << input.string() << ":" << icon.line << ": error: icon " << id << ": "
                << icon.fileName << " is not an icon file\n";
      return 1;
    }
    iconData.emplace(id, std::move(bytes));
  }
  const std::string text =
      orv::rcgen::WriteResourceTable(script, iconData, input.filename().string());
  if (!WriteWhole(output, text)) return 1;
  if (!depfile.empty() && !WriteWhole(depfile, depends + "\n")) return 1;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::cerr << "usage: rcgen INPUT.rc OUTPUT.cpp [DEPFILE]\n";
    return 2;
  }
  try {
    return Run(argv[1], argv[2], argc == 4 ? fs::path(argv[3]) : fs::path());
  } catch (const std::exception& e) {
    std::cerr << "rcgen: " << e.what() << "\n";
    return 1;
  }
}
