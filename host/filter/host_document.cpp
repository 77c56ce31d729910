#include "host/filter/host_document.h"

#include <filesystem>
#include <system_error>

#include "host/collection/collection.h"
#include "text/codepage.h"

namespace orv::host {

namespace {

// Texts reach the filter in the user's code page. A text that cannot be made stays null, which
// every filter reads as the empty text.
HostString Make(const std::string& utf8) {
  const std::string user = text::Utf8ToUser(utf8);
  return hs_make(user.data(), user.size());
}

}  // namespace

HostDocumentHolder::HostDocumentHolder(const CollectionSettings& settings,
                                       const std::string& databasePath, int category) {
  pictureDirs_[0] = Make("");
  for (int c = 1; c <= kCategoryCount; ++c) {
    const std::string folder = PictureFolder(settings, databasePath, c);
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::u8path(folder), ignored);
    pictureDirs_[c] = Make(folder);
  }
  const bool known = category >= 1 && category <= kCategoryCount;
  for (int list = 0; list < 3; ++list) {
    codeLists_[list] = Make(known ? settings.codeLists[category][list] : std::string());
  }
  document_.pictureDirs = pictureDirs_.data();
  document_.codeLists = codeLists_.data();
  document_.docowner = Make(settings.owner);
  document_.doctitle = Make(settings.title);
  document_.doccurr = Make(settings.currency);
  document_.proxyServer = Make(settings.proxyServer);
  document_.proxyUser = Make(settings.proxyUser);
  document_.proxyPassword = Make(settings.proxyPassword);
  document_.proxyPort = settings.proxyPort;
}

HostDocumentHolder::~HostDocumentHolder() {
  for (HostString s : pictureDirs_) hs_release(s);
  for (HostString s : codeLists_) hs_release(s);
  for (HostString s : {document_.docowner, document_.doctitle, document_.doccurr,
                       document_.proxyServer, document_.proxyUser, document_.proxyPassword}) {
    hs_release(s);
  }
}

}  // namespace orv::host
