// Addresses found in pages: relative links made absolute against the site's root, and the
// address of a cover picture.
#ifndef ORV_WEBSEARCH_LINKS_H
#define ORV_WEBSEARCH_LINKS_H

#include <string>
#include <string_view>

namespace orv::websearch {

// The link without its double quotes and apostrophes (attribute quoting left by a marker) and
// without surrounding blanks.
std::string WithoutQuotes(std::string_view link);

// True when the link starts with a scheme and its ":" ("http:", "File:", "ftp:").
bool StartsWithScheme(std::string_view link);

// The link as an absolute address: one that does not start with a scheme is relative and gets
// the web root in front (one "/" between them); "//host/..." takes the scheme of the web root.
// Quotes are removed first, so they never hide a leading "/". Case is kept: addresses are
// case-sensitive.
std::string AbsoluteLink(std::string_view link, std::string_view webRoot);

// `address`, or "" when it names a scheme other than http or https: a page must not point the
// host at a local file ("file:///home/u/.ssh/id_rsa#http.jpg").
std::string WebAddressOrNone(std::string address);

// A picture's address from the value found between the picture markers: when the start marker
// holds a "/" of its own (not merely the one of a "</"), the marker is the start of the
// address itself and goes in front of the value. Then made absolute when `absolute` is set
// (the film flavour), else only unquoted.
std::string PictureAddress(std::string_view value, std::string_view pictureStart,
                           std::string_view webRoot, bool absolute);

}  // namespace orv::websearch

#endif  // ORV_WEBSEARCH_LINKS_H
