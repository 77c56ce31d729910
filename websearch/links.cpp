#include "websearch/links.h"

#include "platform/page_fetch.h"
#include "text/ascii.h"

namespace orv::websearch {

std::string WithoutQuotes(std::string_view link) {
  std::string out;
  out.reserve(link.size());
  for (char c : link) {
    if (c != '"' && c != '\'') out += c;
  }
  return std::string(text::TrimAsciiBlanks(out));
}

bool StartsWithScheme(std::string_view link) {
  const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (link.empty() || !letter(link[0])) return false;
  for (size_t at = 1; at < link.size(); ++at) {
    const char c = link[at];
    if (c == ':') return true;
    if (!letter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
  }
  return false;
}

std::string AbsoluteLink(std::string_view link, std::string_view webRoot) {
  std::string unquoted = WithoutQuotes(link);
  if (unquoted.empty()) return unquoted;
  // Only a leading scheme makes a link absolute: "/go?u=http://x" or "a.ftp.html" are paths of
  // the site. Whether the scheme may be fetched is the web client's to decide.
  if (StartsWithScheme(unquoted)) return unquoted;
  std::string root(webRoot);
  if (unquoted.compare(0, 2, "//") == 0) {
    const size_t colon = root.find(':');
    return (colon == std::string::npos ? std::string("http:") : root.substr(0, colon + 1)) +
           unquoted;
  }
  if (!root.empty() && root.back() == '/') root.pop_back();
  if (unquoted.front() != '/') unquoted.insert(0, "/");
  return root + unquoted;
}

std::string PictureAddress(std::string_view value, std::string_view pictureStart,
                           std::string_view webRoot, bool absolute) {
  std::string address(value);
  const size_t slash = pictureStart.find('/');
  if (slash != std::string_view::npos) {
    const size_t open = pictureStart.find('<');
    const bool closingTag = pictureStart.find("</") != std::string_view::npos &&
                            open != std::string_view::npos && slash == open + 1;
    if (!closingTag) address.insert(0, pictureStart);
  }
  return absolute ? AbsoluteLink(address, webRoot) : WithoutQuotes(address);
}

std::string WebAddressOrNone(std::string address) {
  if (StartsWithScheme(address) && !platform::IsWebAddress(address)) address.clear();
  return address;
}

}  // namespace orv::websearch
