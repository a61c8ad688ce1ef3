#include "ui/win32/text_control.hpp"

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

TextControl::TextControl(TextBox& text, HWND control, ErrorEdge& edge)
    : text_(text), control_(control), edge_(edge) {
  // No limit below the control's own: the user may paste a long text.
  SendMessageW(control_, EM_SETLIMITTEXT, 0, 0);
  Show(text_.Text());
  text_.SetChangeObserver([this](const std::string& changed) { Show(changed); });
}

TextControl::~TextControl() { text_.SetChangeObserver(nullptr); }

void TextControl::Changed() {
  if (showing_ || edge_.Failed()) return;
  const Flag taking(taking_);
  edge_.Run([this] {
    std::wstring shown(static_cast<std::size_t>(GetWindowTextLengthW(control_)) + 1, L'\0');
    shown.resize(static_cast<std::size_t>(
        GetWindowTextW(control_, shown.data(), static_cast<int>(shown.size()))));
    text_.SetText(FormLines(shown));
  });
}

void TextControl::Show(const std::string& text) {
  if (taking_) return;
  const Flag showing(showing_);
  if (!SetWindowTextW(control_, ShownLines(text).c_str())) {
    throw std::runtime_error("a text field of the window cannot show its text");
  }
}

}  // namespace drobi::win32
