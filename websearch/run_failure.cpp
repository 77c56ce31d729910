#include "websearch/run_failure.h"

#include "platform/resources.h"
#include "text/ascii.h"
#include "websearch/messages.h"
#include "websearch/web_ids.h"

namespace orv::websearch {
namespace {

// Challenge pages say so near their top; a long page is not searched to its end.
constexpr size_t kChallengeLookAhead = 64 * 1024;

constexpr const char* kChallengeSigns[] = {
    "enable javascript",    "enable cookies",      "javascript is disabled",
    "cookies are disabled", "activer javascript",  "activez javascript",
    "activer les cookies",  "activez les cookies", "captcha",
    "are you a robot",      "not a robot",         "checking your browser",
    "verify you are human", "unusual traffic",
};

}  // namespace

bool LooksLikeChallenge(std::string_view page) {
  const std::string lower = text::ToLowerAscii(page.substr(0, kChallengeLookAhead));
  for (const char* sign : kChallengeSigns) {
    if (lower.find(sign) != std::string::npos) return true;
  }
  return false;
}

RunFailure FetchFailure(const std::string& address, const platform::WebPage& answer,
                        const std::string& reason) {
  RunFailure failure;
  failure.address = address;
  if (answer.status >= 400) {
    failure.status = answer.status;
    failure.detail = "HTTP " + std::to_string(answer.status);
    const bool refused =
        answer.status == 403 || answer.status == 429 || LooksLikeChallenge(answer.bytes);
    failure.kind = refused ? FailureKind::kRefused : FailureKind::kHttpError;
    return failure;
  }
  failure.kind = FailureKind::kUnreachable;
  failure.detail = reason;
  return failure;
}

RunFailure PageFailure(const std::string& address, std::string_view page, std::string missing) {
  RunFailure failure;
  failure.address = address;
  if (LooksLikeChallenge(page)) {
    failure.kind = FailureKind::kRefused;
    failure.detail = platform::LoadResourceString(kStringChallengePage);
  } else {
    failure.kind = FailureKind::kPageChanged;
    failure.detail = std::move(missing);
  }
  return failure;
}

RunFailure NoHit(const std::string& address) {
  RunFailure failure;
  failure.kind = FailureKind::kNoHit;
  failure.address = address;
  return failure;
}

std::string MarkerName(std::string_view key, std::string_view value) {
  return std::string(key) + " \"" + std::string(value) + "\"";
}

std::string FailureMessage(const RunFailure& failure) {
  const auto format = [](int id) { return platform::LoadResourceString(id); };
  const char* address = failure.address.c_str();
  switch (failure.kind) {
    case FailureKind::kUnreachable:
      return FormatText(format(kStringUnreachable).c_str(), address, failure.detail.c_str());
    case FailureKind::kHttpError:
      return FormatText(format(kStringHttpError).c_str(), failure.status, address);
    case FailureKind::kRefused:
      return FormatText(format(kStringRefused).c_str(), failure.detail.c_str(), address);
    case FailureKind::kNoHit:
      return FormatText(format(kStringNoHit).c_str(), address);
    case FailureKind::kPageChanged:
      return FormatText(format(kStringPageChanged).c_str(), failure.detail.c_str(), address);
  }
  return std::string();
}

}  // namespace orv::websearch
