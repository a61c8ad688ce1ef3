// The window's controls, made from the layout table, and their ids.
#include <stdexcept>
#include <string>

#include "ui/form_controls.hpp"
#include "ui/lesson/row_texts.hpp"
#include "ui/win32/caption.hpp"
#include "ui/win32/list_control.hpp"
#include "ui/win32/main_window.hpp"
#include "ui/win32/push_button.hpp"
#include "ui/win32/spot.hpp"
#include "ui/win32/text.hpp"
#include "ui/win32/text_control.hpp"

namespace drobi::win32 {
namespace {

constexpr int kFirstControlId = 100;
// The labels that name the lists and text fields for screen readers have no id of their own.
constexpr int kNameLabelId = 0xFFFF;

}  // namespace

int ControlId(std::string_view name) {
  const auto controls = MainWindowControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (name == controls[i].name) return kFirstControlId + static_cast<int>(i);
  }
  throw std::invalid_argument("no control " + std::string(name) + " in the window's layout");
}

void MainWindow::CreateControls() {
  const auto layout = MainWindowControls();
  std::vector<HWND> stack;  // the z-order, top first
  std::vector<HWND> tab_order;
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const ControlLayout& control = layout[i];
    const Placement at{Handle(), kFirstControlId + static_cast<int>(i), scale_,
                       fonts_.At(control.font_points)};
    controls_.push_back(MakeControl(at, control));
    const HWND handle = controls_.back()->Handle();
    tab_order.push_back(handle);
    // Where controls overlap (Text1(1) over Text1(0)), the later one lies on top, as in the
    // form; a screen reader names a list or text field after the STATIC just above it.
    stack.insert(stack.begin(), handle);
    if (control.accessible_name != nullptr) {
      stack.insert(stack.begin(),
                   CreateNameLabel({Handle(), kNameLabelId, at.scale, at.font}, control));
    }
    if (control.hover == nullptr) continue;  // a reader is given it as spoken, as Qt's window does
    annotations_.Describe(handle, Wide(control.spoken_hover), control.kind == ControlKind::kSpot);
    // A list whose rows have hover texts of their own shows them itself.
    if (control.kind != ControlKind::kList || !lists_.back()->HasRowTexts()) {
      tips_->Add(handle, Wide(control.hover));
    }
  }
  Stack(stack);
  focus_ = FocusRing(Handle(), std::move(tab_order));
}

std::unique_ptr<ChildControl> MainWindow::MakeControl(const Placement& at,
                                                      const ControlLayout& layout) {
  switch (layout.kind) {
    case ControlKind::kList: {
      auto list = std::make_unique<ListControl>(at, layout, ListOf(form_, layout),
                                                RowTextsFor(form_, layout), edge_);
      list->ShowRowHover(tips_->Handle());
      if (layout.long_number) list->OnOpen([this] { commands_->OpenView(); });
      lists_.push_back(list.get());
      return list;
    }
    case ControlKind::kText:
      return std::make_unique<TextControl>(at, layout, TextOf(form_, layout), edge_);
    case ControlKind::kLabel:
      return std::make_unique<Caption>(at, layout);
    case ControlKind::kButton:
      return std::make_unique<PushButton>(at, layout, form_.Command1, edge_);
    case ControlKind::kSpot:
      return std::make_unique<Spot>(at, layout, form_.Label1, edge_);
  }
  throw std::logic_error("a control of unknown kind");
}

ChildControl* MainWindow::ControlById(int id) const {
  const auto index = static_cast<std::size_t>(id - kFirstControlId);
  return id >= kFirstControlId && index < controls_.size() ? controls_[index].get() : nullptr;
}

}  // namespace drobi::win32
