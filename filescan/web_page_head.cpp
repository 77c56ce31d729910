#include "filescan/web_page_head.h"

#include "text/ascii.h"
#include "text/code_page_numbers.h"
#include "text/html_charset.h"
#include "text/html_entities.h"

namespace orv::filescan {
namespace {

constexpr std::string_view kTitleOpen = "<title>";
constexpr std::string_view kTitleClose = "</title>";
constexpr std::string_view kContent = "content=\"";

// A head text as the page shows it: references decoded, the lines it was written on joined.
std::string Shown(uint32_t codePage, std::string_view raw) {
  return text::CollapseAsciiBlanks(text::DecodeEntities(text::CodePageToUser(codePage, raw)));
}

}  // namespace

WebPageHead DecodeWebPageHead(std::string_view page) {
  page = page.substr(0, page.find('\0'));
  const std::string lower = text::ToLowerAscii(page);
  uint32_t codePage = text::DeclaredCodePage(page, lower);
  if (!codePage) codePage = text::kCodePageWindows1252;
  WebPageHead head;

  const size_t open = lower.find(kTitleOpen);
  const size_t close = lower.find(kTitleClose);
  if (open != std::string::npos && close != std::string::npos) {
    const size_t start = open + kTitleOpen.size();
    if (close > start)
      head.title = Shown(codePage, page.substr(start, close - start));
  }

  const size_t description = lower.find("description");
  const size_t content =
      description == std::string::npos ? std::string::npos : lower.find(kContent, description);
  if (content != std::string::npos) {
    const size_t start = content + kContent.size();
    // The value ends at its closing quote, whatever follows it (">", "/>", " />").
    const size_t end = page.find('"', start);
    if (end != std::string::npos) {
      head.hasDescription = true;
      head.description = Shown(codePage, page.substr(start, end - start));
    }
  }
  return head;
}

}  // namespace orv::filescan
