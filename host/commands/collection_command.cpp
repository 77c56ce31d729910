// orvhost collection: changes the collection's settings, then prints them all.
#include <cstdio>
#include <memory>

#include "host/collection/collection.h"
#include "host/commands/commands.h"
#include "host/filter/host_proxy.h"
#include "host/output/terminal_text.h"

namespace orv::host {

namespace {

bool ChangesSomething(const Command& c) {
  return c.owner || c.title || c.currency || !c.pictureDirs.empty() || !c.codeLists.empty() ||
         c.proxyHost || c.proxyUser || c.proxyPassword;
}

void PrintSetting(const std::string& name, const std::string& value) {
  std::printf("%s: %s\n", name.c_str(), Printable(value).c_str());
}

void Print(const CollectionSettings& s, const std::string& databasePath) {
  PrintSetting("collection", databasePath);
  PrintSetting("owner", s.owner);
  PrintSetting("title", s.title);
  PrintSetting("currency", s.currency);
  for (int category = 1; category <= kCategoryCount; ++category) {
    PrintSetting(std::string("picture-dir ") + CategoryName(category),
                 PictureFolder(s, databasePath, category));
  }
  for (int category = 1; category <= kCategoryCount; ++category) {
    for (int list = 0; list < 3; ++list) {
      PrintSetting(std::string("code-list ") + CategoryName(category) + "." +
                       CodeListName(static_cast<CodeList>(list)),
                   s.codeLists[category][list]);
    }
  }
  if (s.proxyServer.empty()) {
    std::printf("proxy: none\n");
    return;
  }
  PrintSetting("proxy", s.proxyServer + ":" + std::to_string(s.proxyPort));
  PrintSetting("proxy-user", s.proxyUser);
  PrintSetting("proxy-password", s.proxyPassword.empty() ? "" : "(set)");
}

void Apply(const Command& command, CollectionSettings& settings) {
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
  // No proxy keeps no credentials for it, as the host's own proxy values are removed too.
  if (command.proxyHost && command.proxyHost->empty()) {
    settings.proxyUser.clear();
    settings.proxyPassword.clear();
  }
}

}  // namespace

int RunCollection(const Command& command) {
  std::string databasePath;
  std::unique_ptr<Collection> collection;
  const bool changes = ChangesSomething(command);
  // Only printing reads the collection; a missing one is made, as on first use.
  int status =
      OpenCommandCollection(command, changes ? OpenMode::kCreateWhenMissing : OpenMode::kReadOnly,
                            databasePath, collection);
  if (status == kExitOk && !collection) {
    status = OpenCommandCollection(command, OpenMode::kCreateWhenMissing, databasePath, collection);
  }
  if (status != kExitOk) return status;
  CollectionSettings settings = collection->Settings();
  if (changes) {
    Apply(command, settings);
    std::string error;
    if (!collection->SaveSettings(settings, error)) return Fail(kExitUnavailable, error);
    const ProxyChange proxy{command.proxyHost, command.proxyPort, command.proxyUser,
                            command.proxyPassword};
    if (!SaveHostProxy(proxy)) {
      return Fail(kExitUnavailable,
                  "the collection keeps the proxy, but the profile could not be written");
    }
  }
  Print(settings, databasePath);
  return kExitOk;
}

}  // namespace orv::host
