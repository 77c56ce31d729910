// The texts the CDDB client sends: the hello string and one HTTP/1.0 GET per command, straight
// to the server or through an HTTP proxy with Basic authentication.
#ifndef ORV_DISCFETCH_CDDB_REQUEST_H
#define ORV_DISCFETCH_CDDB_REQUEST_H

#include <string>
#include <string_view>
#include <utility>

#include "discfetch/cddb_types.h"

namespace orv::discfetch {

// Standard alphabet, "=" padding, no line breaks.
std::string Base64(std::string_view bytes);

// A name as the hello carries it: every byte that is not an ASCII letter or digit, nor one of
// `alsoKept`, becomes "_".
std::string HelloWord(std::string_view name, std::string_view alsoKept = "");

// The halves of an e-mail address as the hello's user and host words: they also keep ".",
// "-" and "_", so the server can put the address together again. Split at the first "@"; an
// address without one gives only the user word (the host word is then "").
std::pair<std::string, std::string> IdentityWords(std::string_view email);

// "hello=USER+HOST+CLIENT+VERSION&proto=LEVEL".
std::string FormatHello(std::string_view user, std::string_view host, std::string_view client,
                        std::string_view version, int protoLevel);

// The request of `command` ("cmd=sites", "cmd=cddb+query+..."). Every request names the
// server in a Host line (servers today sit behind virtual hosts). Through a proxy the absolute
// address names the server too, and a server port other than 80 is kept there and in the Host
// line, so such a server stays reachable through the proxy.
std::string FormatRequest(const CddbSite& site, std::string_view command, std::string_view hello,
                          const ProxySettings& proxy);

}  // namespace orv::discfetch

#endif  // ORV_DISCFETCH_CDDB_REQUEST_H
