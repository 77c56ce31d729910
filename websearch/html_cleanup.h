// HTML clean-up of the values found between markers, and of the pages themselves.
#ifndef ORV_WEBSEARCH_HTML_CLEANUP_H
#define ORV_WEBSEARCH_HTML_CLEANUP_H

#include <string>
#include <string_view>

namespace orv::websearch {

// The page as markers see it: without tabs, carriage returns and line feeds, so that site files
// write markers on one line. A run of them between two characters of text (neither blank nor
// part of a tag's "<" or ">") leaves one blank, so that the words of two lines stay apart.
std::string WithoutLineBreaks(std::string_view page);

// The text of a value without its HTML, in this order:
//  1. the tail of a tag cut by the start marker (up to the first ">" when no "<" comes first);
//  2. script blocks, whatever the case of "<script" and "</script>"; an unterminated one runs to
//     the end of the value;
//  3. every tag; one that is not closed ends the stripping, keeping the rest as text;
//  4. "<img" and "src=" left by a cut picture tag;
//  5. character references (text/html_entities.h);
//  6. runs of blanks as one blank.
// A removed <br>, block tag (p, div, li, tr, td, th, h1 to h6, table, ul, ol) or script leaves a
// blank, so that words on either side stay apart.
std::string CleanHtml(std::string_view text);

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_HTML_CLEANUP_H
