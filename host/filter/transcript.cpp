#include "host/filter/transcript.h"

#include "host/filter/item_conversion.h"
#include "host/output/json.h"
#include "text/codepage.h"

namespace orv::host {

void Transcript::Line(const std::string& json) {
  if (!enabled_) return;
  std::fputs(json.c_str(), out_);
  std::fputc('\n', out_);
  std::fflush(out_);
}

void Transcript::Configure(int32_t result) {
  if (!enabled_) return;
  Line(JsonObject().Add("op", "Configure").Add("result", result).Text());
}

void Transcript::GetInfo(const FilterInfo& info) {
  if (!enabled_) return;
  Line(JsonObject()
           .Add("op", "GetInfo")
           .Add("fileMask", FixedText(info.fileMask, sizeof info.fileMask))
           .Add("description", FixedText(info.description, sizeof info.description))
           .Add("category", info.category)
           .Add("filterName", FixedText(info.filterName, sizeof info.filterName))
           .Add("sourceKind", info.sourceKind)
           .Add("interfaceTag", info.interfaceTag)
           .Add("isExport", info.isExport)
           .Text());
}

void Transcript::Open(const std::string& path, int32_t result) {
  if (!enabled_) return;
  Line(JsonObject()
           .Add("op", "Open")
           .Add("path", text::UserToUtf8(path))
           .Add("result", result)
           .Text());
}

void Transcript::GetCount(int32_t result) {
  if (!enabled_) return;
  Line(JsonObject().Add("op", "GetCount").Add("result", result).Text());
}

void Transcript::ProcessItem(int32_t result, int32_t itemKind, const StoredItem* item) {
  if (!enabled_) return;
  JsonObject object;
  object.Add("op", "ProcessItem").Add("result", result).Add("itemKind", itemKind);
  if (item) object.AddRaw("item", ItemJson(*item));
  Line(object.Text());
}

void Transcript::Close(int32_t result) {
  if (!enabled_) return;
  Line(JsonObject().Add("op", "Close").Add("result", result).Text());
}

}  // namespace orv::host
