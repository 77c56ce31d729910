#include "host/filter/host_proxy.h"

#include <vector>

#include "host/filter/filter_run.h"
#include "platform/profile.h"
#include "text/codepage.h"

namespace orv::host {

namespace {

platform::ProfileValue Text(const char* name, const std::string& utf8) {
  platform::ProfileValue value;
  value.name = name;
  value.text = text::Utf8ToUser(utf8);
  return value;
}

}  // namespace

bool SaveHostProxy(const ProxyChange& change) {
  const platform::ProfileLocation where =
      platform::OptionLocation(kProfileName, kRegistryKey, "Internet");
  if (change.host && change.host->empty()) {
    return platform::DeleteProfileValues(where, {"ProxyUrl", "ProxyPort", "ProxyUsr", "ProxyPwd"});
  }
  std::vector<platform::ProfileValue> values;
  if (change.host) values.push_back(Text("ProxyUrl", *change.host));
  if (change.port) {
    platform::ProfileValue port;
    port.name = "ProxyPort";
    port.isInteger = true;
    port.integer = *change.port;
    values.push_back(port);
  }
  if (change.user) values.push_back(Text("ProxyUsr", *change.user));
  if (change.password) values.push_back(Text("ProxyPwd", *change.password));
  return values.empty() || platform::WriteProfileValues(where, values);
}

}  // namespace orv::host
