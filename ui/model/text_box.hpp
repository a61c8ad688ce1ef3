#pragma once

#include <functional>
#include <string>

namespace drobi {

// A text field's value. The user may edit it through the view; the program reads and writes it.
class TextBox {
 public:
  const std::string& Text() const { return text_; }
  void SetText(std::string text);
  // Called after every change of the text, so that a view can follow it.
  void SetChangeObserver(std::function<void(const std::string&)> observer) {
    observer_ = std::move(observer);
  }

 private:
  std::string text_;
  std::function<void(const std::string&)> observer_;
};

}  // namespace drobi
