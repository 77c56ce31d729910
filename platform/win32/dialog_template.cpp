#include "platform/win32/dialog_template.h"

#include <windows.h>

#include <string>

#include "platform/win32/control_kind.h"
#include "platform/win32/module.h"

namespace orv::platform::win32 {

namespace {

constexpr int kMaxControls = 1000;  // a template's item count is a WORD; ours hold a few dozen

// A little-endian cursor over the template that fails, and stays failed, on short data.
class Cursor {
 public:
  Cursor(const unsigned char* data, size_t size) : data_(data), size_(size) {}

  bool ok() const { return ok_; }

  uint16_t Word() {
    if (!Have(2)) return 0;
    const uint16_t value = static_cast<uint16_t>(data_[at_] | (data_[at_ + 1] << 8));
    at_ += 2;
    return value;
  }
  uint32_t Dword() {
    const uint32_t low = Word();
    return low | (static_cast<uint32_t>(Word()) << 16);
  }
  void Skip(size_t n) {
    if (Have(n)) at_ += n;
  }
  // Items start on DWORD boundaries of the template.
  void AlignDword() {
    const size_t aligned = (at_ + 3) & ~static_cast<size_t>(3);
    if (aligned > size_) {
      ok_ = false;
      return;
    }
    at_ = aligned;
  }
  // A zero-terminated UTF-16 string.
  std::wstring String() {
    std::wstring text;
    while (ok_) {
      const uint16_t c = Word();
      if (!ok_ || c == 0) break;
      text.push_back(static_cast<wchar_t>(c));
    }
    return text;
  }
  // "sz_Or_Ord": nothing, an ordinal after 0xFFFF, or a string.
  void StringOrOrdinal(std::wstring& text, uint16_t& ordinal) {
    text.clear();
    ordinal = 0;
    if (!Have(2)) return;
    const uint16_t first = static_cast<uint16_t>(data_[at_] | (data_[at_ + 1] << 8));
    if (first == 0) {
      at_ += 2;
    } else if (first == 0xFFFF) {
      at_ += 2;
      ordinal = Word();
    } else {
      text = String();
    }
  }

 private:
  bool Have(size_t n) {
    if (!ok_ || n > size_ - at_) {
      ok_ = false;
      return false;
    }
    return true;
  }

  const unsigned char* data_;
  size_t size_;
  size_t at_ = 0;
  bool ok_ = true;
};

}  // namespace

std::optional<ui::DialogModel> ParseDialogTemplate(const unsigned char* data, size_t size) {
  if (!data) return std::nullopt;
  Cursor in(data, size);
  const uint16_t version = in.Word();
  const uint16_t signature = in.Word();
  const bool extended = version == 1 && signature == 0xFFFF;
  DWORD style;
  if (extended) {
    in.Dword();  // help id
    in.Dword();  // extended style
    style = in.Dword();
  } else {
    in = Cursor(data, size);
    style = in.Dword();
    in.Dword();  // extended style
  }
  const uint16_t count = in.Word();
  in.Skip(8);  // x, y, cx, cy
  std::wstring text;
  uint16_t ordinal;
  in.StringOrOrdinal(text, ordinal);  // menu
  in.StringOrOrdinal(text, ordinal);  // window class
  ui::DialogModel model;
  model.caption = WideToAnsi(in.String());
  if (style & (DS_SETFONT | DS_SHELLFONT)) {
    in.Word();  // point size
    if (extended) {
      in.Word();   // weight
      in.Skip(2);  // italic, character set
    }
    in.String();  // typeface
  }
  if (!in.ok() || count > kMaxControls) return std::nullopt;

  for (int item = 0; item < count; ++item) {
    in.AlignDword();
    ui::Control control;
    DWORD itemStyle;
    if (extended) {
      in.Dword();  // help id
      in.Dword();  // extended style
      itemStyle = in.Dword();
      in.Skip(8);
      control.id = static_cast<int32_t>(in.Dword());
    } else {
      itemStyle = in.Dword();
      in.Dword();
      in.Skip(8);
      control.id = static_cast<int16_t>(in.Word());
    }
    std::wstring className;
    uint16_t classOrdinal;
    in.StringOrOrdinal(className, classOrdinal);
    std::wstring title;
    uint16_t titleOrdinal;
    in.StringOrOrdinal(title, titleOrdinal);  // an ordinal title names an icon or bitmap
    in.Skip(in.Word());                       // creation data
    if (!in.ok()) return std::nullopt;
    const std::string classText =
        classOrdinal ? std::string(ClassOfOrdinal(classOrdinal)) : WideToAnsi(className);
    control.kind = KindOfControl(classText, itemStyle);
    control.text = WideToAnsi(title);
    control.groupStart = (itemStyle & WS_GROUP) != 0;
    control.enabled = (itemStyle & WS_DISABLED) == 0;
    control.editable = IsEditableCombo(control.kind, itemStyle);
    model.controls.push_back(std::move(control));
  }
  return model;
}

}  // namespace orv::platform::win32
