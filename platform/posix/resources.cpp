// String and icon resources of the module, from the table rcgen generated for it.
#include "platform/resources.h"

#include <algorithm>

#include "platform/posix/resource_table.h"

namespace orv::platform {

// A program that links no generated table (one that shows no resources of its own) still links
// and simply has none; every module with a script overrides this with its generated table.
__attribute__((weak)) const ResourceTable& ModuleResourceTable() {
  static const ResourceTable kEmpty = {nullptr, 0, nullptr, 0, nullptr, 0};
  return kEmpty;
}

namespace {

// Rows are sorted by id (rcgen writes them from ordered maps).
template <typename Row>
const Row* FindById(const Row* rows, std::size_t count, int id) {
  if (!rows || count == 0) return nullptr;
  const Row* end = rows + count;
  const Row* it =
      std::lower_bound(rows, end, id, [](const Row& row, int wanted) { return row.id < wanted; });
  return it != end && it->id == id ? it : nullptr;
}

}  // namespace

const ResourceString* FindResourceString(int id) {
  const ResourceTable& table = ModuleResourceTable();
  return FindById(table.strings, table.stringCount, id);
}

const ResourceIcon* FindResourceIcon(int id) {
  const ResourceTable& table = ModuleResourceTable();
  return FindById(table.icons, table.iconCount, id);
}

const ResourceDialog* FindResourceDialog(int id) {
  const ResourceTable& table = ModuleResourceTable();
  return FindById(table.dialogs, table.dialogCount, id);
}

const ResourceControl* FindResourceControl(const ResourceDialog& dialog, int controlId) {
  // Controls keep the script's order (the tab order), so this one is a plain walk.
  for (std::size_t i = 0; i < dialog.controlCount; ++i) {
    if (dialog.controls[i].id == controlId) return &dialog.controls[i];
  }
  return nullptr;
}

bool HasStyle(const char* styles, std::string_view name) {
  if (!styles || name.empty()) return false;
  std::string_view rest(styles);
  while (!rest.empty()) {
    const std::size_t bar = rest.find('|');
    if (rest.substr(0, bar) == name) return true;
    if (bar == std::string_view::npos) break;
    rest.remove_prefix(bar + 1);
  }
  return false;
}

std::string LoadResourceString(int id) {
  const ResourceString* row = FindResourceString(id);
  return row && row->text ? std::string(row->text) : std::string();
}

bool HasResourceString(int id) { return FindResourceString(id) != nullptr; }

void* LoadResourceIcon(int id) {
  // The row itself is the handle: constant data that lives as long as the module.
  return const_cast<ResourceIcon*>(FindResourceIcon(id));
}

}  // namespace orv::platform
