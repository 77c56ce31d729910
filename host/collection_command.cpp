// orvhost collection: changes the collection's settings, then prints them all.
#include <cstdio>
#include <memory>

#include "host/collection.h"
#include "host/commands.h"

namespace orv::host {

namespace {

bool ChangesSomething(const Command& c) {
  return c.owner || c.title || c.currency || !c.pictureDirs.empty() || !c.codeLists.empty() ||
         c.proxyHost || c.proxyUser || c.proxyPassword;
}

void Print(const CollectionSettings& s, const std::string& databasePath) {
  std::printf("collection: %s\n", databasePath.c_str());
  std::printf("owner: %s\ntitle: %s\ncurrency: %s\n", s.owner.c_str(), s.title.c_str(),
              s.currency.c_str());
  for (int category = 1; category <= kCategoryCount; ++category) {
    std::printf("picture-dir %s: %s\n", CategoryName(category),
                PictureFolder(s, databasePath, category).c_str());
  }
  for (int category = 1; category <= kCategoryCount; ++category) {
    for (int list = 0; list < 3; ++list) {
      std::printf("code-list %s.%s: %s\n", CategoryName(category),
                  CodeListName(static_cast<CodeList>(list)), s.codeLists[category][list].c_str());
    }
  }
  std::printf("proxy: %s:%d\nproxy-user: %s\nproxy-password: %s\n", s.proxyServer.c_str(),
              static_cast<int>(s.proxyPort), s.proxyUser.c_str(),
              s.proxyPassword.empty() ? "" : "(set)");
}

}  // namespace

int RunCollection(const Command& command) {
  const std::string databasePath = CollectionPathOf(command);
  std::string error;
  std::unique_ptr<Collection> collection =
      OpenCollection(databasePath, OpenMode::kCreateWhenMissing, error);
  if (!collection) return Fail(kExitUnavailable, error);
  CollectionSettings settings = collection->Settings();
  if (ChangesSomething(command)) {
    if (command.owner) settings.owner = *command.owner;
    if (command.title) settings.title = *command.title;
    if (command.currency) settings.currency = *command.currency;
    for (const auto& [category, folder] : command.pictureDirs) {
      settings.pictureDirs[category] = folder.empty() ? folder : AbsolutePath(folder);
    }
    for (const CodeListSetting& list : command.codeLists) {
      settings.codeLists[list.category][static_cast<int>(list.list)] = list.value;
    }
    if (command.proxyHost) settings.proxyServer = *command.proxyHost;
    if (command.proxyPort) settings.proxyPort = *command.proxyPort;
    if (command.proxyUser) settings.proxyUser = *command.proxyUser;
    if (command.proxyPassword) settings.proxyPassword = *command.proxyPassword;
    if (!collection->SaveSettings(settings, error)) return Fail(kExitUnavailable, error);
  }
  Print(settings, databasePath);
  return kExitOk;
}

}  // namespace orv::host
