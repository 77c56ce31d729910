#include "discfetch/cddb_request.h"

namespace orv::discfetch {
namespace {

bool IsAsciiAlnum(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::string Authority(const CddbSite& site) {
  return site.port == 80 ? site.host : site.host + ":" + std::to_string(site.port);
}

}  // namespace

std::string Base64(std::string_view bytes) {
  static const char kAlphabet[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const size_t left = bytes.size() - i;
    uint32_t group = static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << 16;
    if (left > 1) group |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8;
    if (left > 2) group |= static_cast<unsigned char>(bytes[i + 2]);
    out += kAlphabet[(group >> 18) & 63];
    out += kAlphabet[(group >> 12) & 63];
    out += left > 1 ? kAlphabet[(group >> 6) & 63] : '=';
    out += left > 2 ? kAlphabet[group & 63] : '=';
  }
  return out;
}

std::string HelloWord(std::string_view name, std::string_view alsoKept) {
  std::string word(name);
  for (char& c : word) {
    if (!IsAsciiAlnum(c) && alsoKept.find(c) == std::string_view::npos) c = '_';
  }
  return word;
}

std::pair<std::string, std::string> IdentityWords(std::string_view email) {
  const size_t at = email.find('@');
  const std::string_view user = email.substr(0, at);
  const std::string_view host = at == std::string_view::npos ? "" : email.substr(at + 1);
  return {HelloWord(user, ".-_"), HelloWord(host, ".-_")};
}

std::string FormatHello(std::string_view user, std::string_view host, std::string_view client,
                        std::string_view version, int protoLevel) {
  std::string hello = "hello=";
  hello.append(user).append("+").append(host).append("+").append(client).append("+");
  hello.append(version).append("&proto=").append(std::to_string(protoLevel));
  return hello;
}

std::string FormatRequest(const CddbSite& site, std::string_view command, std::string_view hello,
                          const ProxySettings& proxy) {
  std::string request = "GET ";
  const std::string authority = Authority(site);
  if (proxy.host.empty()) {
    request.append(site.path).append("?").append(command).append("&").append(hello);
    return request + " HTTP/1.0\r\nHost: " + authority + "\r\n\r\n";
  }
  request.append("http://").append(authority).append(site.path);
  request.append("?").append(command).append("&").append(hello).append(" HTTP/1.0\r\n");
  if (!proxy.user.empty()) {
    request += "Proxy-Authorization: Basic " + Base64(proxy.user + ":" + proxy.password) + "\r\n";
  }
  return request + "Host: " + authority + "\r\n\r\n";
}

}  // namespace orv::discfetch
