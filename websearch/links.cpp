#include "websearch/links.h"

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

std::string AbsoluteLink(std::string_view link, std::string_view webRoot) {
  std::string unquoted = WithoutQuotes(link);
  if (unquoted.empty()) return unquoted;
  const std::string lower = text::ToLowerAscii(unquoted);
  const bool named = (!webRoot.empty() && lower.find(webRoot) != std::string::npos) ||
                     lower.find("http") != std::string::npos ||
                     lower.find("ftp") != std::string::npos;
  if (named) return unquoted;
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

}  // namespace orv::websearch
