#include "filescan/document_reader.h"

#include "contract/host_string.h"
#include "platform/shell_type.h"
#include "platform/structured_storage.h"

namespace orv::filescan {
namespace {

constexpr std::string_view kLineBreak = "\\n";

void FillFromSummary(const std::string& stream, const std::string& fileTitle, MediaItem& item) {
  SummaryProperties properties;
  if (!ParseSummaryProperties(stream, properties)) {
    Assign(&item.title, fileTitle);
    return;
  }
  Assign(&item.title, properties.title.empty() ? fileTitle : properties.title);
  if (!properties.author.empty()) Assign(&item.author, properties.author);
  if (!properties.lastAuthor.empty()) Assign(&item.editor, properties.lastAuthor);
  Assign(&item.comment, DocumentComment(properties));
}

}  // namespace

std::string DocumentComment(const SummaryProperties& properties) {
  std::string comment = properties.subject;
  if (!properties.subject.empty()) comment += kLineBreak;
  comment += properties.comments;
  if (!properties.keywords.empty()) {
    comment += kLineBreak;
    comment += properties.keywords;
  }
  return comment;
}

void ReadDocument(const std::string& path, const std::string& fileTitle, MediaItem& item) {
  std::string stream;
  switch (platform::ReadSummaryStream(path, stream)) {
    case platform::SummaryStreamRead::kNotStorage:
    case platform::SummaryStreamRead::kStreamUnreadable:
      Assign(&item.title, fileTitle);
      break;
    case platform::SummaryStreamRead::kStorageUnopenable:
      break;
    case platform::SummaryStreamRead::kRead:
      FillFromSummary(stream, fileTitle, item);
      break;
  }
  Assign(&item.type, platform::ShellTypeName(path));
}

}  // namespace orv::filescan
