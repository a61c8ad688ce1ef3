#pragma once

#include <functional>
#include <string>

namespace drobi {

// A label or button: a caption and a click notification, nothing else.
class Clickable {
 public:
  explicit Clickable(std::string caption = {}) : caption_(std::move(caption)) {}

  const std::string& Caption() const { return caption_; }
  void SetClickHandler(std::function<void()> handler) { click_ = std::move(handler); }
  void Click() {
    if (click_) click_();
  }

 private:
  std::string caption_;
  std::function<void()> click_;
};

using Label = Clickable;
using CommandButton = Clickable;

}  // namespace drobi
