// The --trace transcript: one JSON object per call into the filter, in call order, on stdout.
// Each line is flushed as it is written, so a run that dies still shows how far it went.
#ifndef ORV_HOST_TRANSCRIPT_H
#define ORV_HOST_TRANSCRIPT_H

#include <cstdint>
#include <cstdio>
#include <string>

#include "contract/abi.h"
#include "host/collection/stored_item.h"

namespace orv::host {

class Transcript {
 public:
  // Writes nothing when not enabled.
  Transcript(bool enabled, std::FILE* out) : enabled_(enabled), out_(out) {}

  void Configure(int32_t result);
  void GetInfo(const FilterInfo& info);
  void Open(const std::string& path, int32_t result);
  void GetCount(int32_t result);
  // `item` for result 1 only.
  void ProcessItem(int32_t result, int32_t itemKind, const StoredItem* item);
  void Close(int32_t result);

 private:
  void Line(const std::string& json);
  bool enabled_;
  std::FILE* out_;
};

}  // namespace orv::host

#endif  // ORV_HOST_TRANSCRIPT_H
