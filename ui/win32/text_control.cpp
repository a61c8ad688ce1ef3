#include "ui/win32/text_control.hpp"

#include <commctrl.h>

#include <stdexcept>

#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

// Sets a flag for as long as it lives.
class Flag {
 public:
  explicit Flag(bool& flag) : flag_(flag) { flag_ = true; }
  ~Flag() { flag_ = false; }
  Flag(const Flag&) = delete;
  Flag& operator=(const Flag&) = delete;

 private:
  bool& flag_;
};

}  // namespace

TextControl::TextControl(const Placement& at, const ControlLayout& layout, TextBox& text,
                         ErrorEdge& edge)
    : ChildControl(CreateChild(at, layout, WC_EDITW,
                               WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                               WS_EX_CLIENTEDGE)),
      text_(text),
      edge_(edge) {
  // No limit below the control's own: the user may paste a long text.
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
  Show(text_.Text());
  text_.SetChangeObserver([this](const std::string& changed) { Show(changed); });
}

TextControl::~TextControl() { text_.SetChangeObserver(nullptr); }

void TextControl::OnCommand(int code) {
  if (code != EN_CHANGE || showing_ || edge_.Failed()) return;
  const Flag taking(taking_);
  edge_.Run([this] { text_.SetText(FormLines(WindowText(Handle()))); });
}

void TextControl::Show(const std::string& text) {
  if (taking_) return;
  const Flag showing(showing_);
  if (!SetWindowTextW(Handle(), ShownLines(text).c_str())) {
    throw std::runtime_error("a text field of the window cannot show its text");
  }
}

}  // namespace drobi::win32
