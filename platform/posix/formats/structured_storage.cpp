#include "platform/structured_storage.h"

#include "platform/file_source.h"
#include "platform/posix/formats/compound_file.h"

namespace orv::platform {

SummaryStreamRead ReadSummaryStream(const std::string& path, std::string& stream) {
  stream.clear();
  FileSource file;
  if (!file.Open(path) || !HasCompoundFileSignature(file)) return SummaryStreamRead::kNotStorage;
  CompoundFile storage;
  if (!storage.Open(file)) return SummaryStreamRead::kStorageUnopenable;
  if (!storage.ReadRootStream("\005SummaryInformation", kMaxSummaryStreamBytes, stream))
    return SummaryStreamRead::kStreamUnreadable;
  return SummaryStreamRead::kRead;
}

}  // namespace orv::platform
