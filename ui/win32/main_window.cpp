#include "ui/win32/main_window.hpp"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "ui/form_controls.hpp"
#include "ui/lesson/row_texts.hpp"
#include "ui/win32/background.hpp"
#include "ui/win32/caption.hpp"
#include "ui/win32/error_box.hpp"
#include "ui/win32/list_control.hpp"
#include "ui/win32/list_handle.hpp"
#include "ui/win32/push_button.hpp"
#include "ui/win32/spot.hpp"
#include "ui/win32/text.hpp"
#include "ui/win32/text_control.hpp"
#include "ui/win32/window_class.hpp"

namespace drobi::win32 {
namespace {

constexpr int kFirstControlId = 100;
// The labels that name the lists and text fields for screen readers have no id of their own.
constexpr int kNameLabelId = 0xFFFF;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                         WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

}  // namespace

int ControlId(std::string_view name) {
  const auto controls = MainWindowControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (name == controls[i].name) return kFirstControlId + static_cast<int>(i);
  }
  throw std::invalid_argument("no control " + std::string(name) + " in the window's layout");
}

MainWindow::MainWindow(MainForm& form, HINSTANCE instance)
    : form_(form), edge_([this](const ErrorReport& report) { ShowErrorBox(Handle(), report); }) {
  RegisterWindowClass(instance, kWindowClass, Procedure, WindowIcons::kIconId);
  const WindowLayout& layout = MainWindowLayout();
  back_.reset(CreateSolidBrush(StoredColour(layout.back_colour)));
  scale_ = WindowScale(SystemDpi());
  fonts_ = WindowFonts(scale_);
  const SIZE size = WindowSize(scale_);
  window_.reset(CreateWindowExW(kExStyle, kWindowClass, Wide(layout.caption).c_str(), kStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr,
                                instance, this));
  if (!window_) throw std::runtime_error("the window cannot be created");
  zoom_ = std::make_unique<WindowZoom>(
      Handle(), [this](const WindowScale& scale) { return WindowSize(scale); },
      [this] { LayOut(); });
  tips_ = std::make_unique<HoverTips>(Handle());
  CreateControls();
  edge_.SetHold([this](bool hold) {
    for (const ListControl* list : lists_) list->Hold(hold);
  });
  edge_.SetSettled([this] {
    for (ListControl* list : lists_) {
      list->Settle();  // and the rows now shown are described in words, as in the Qt window
      if (list->HasRowTexts()) annotations_.DescribeRows(list->Handle(), list->SpokenNotes());
    }
  });
  HandleDpiChange(WindowDpi(Handle()), nullptr);  // the screen it opened on decides its size
  quits_with_window_ = true;
}

MainWindow::~MainWindow() {
  quits_with_window_ = false;  // the controls go with the window, while their bindings exist
  annotations_.Clear();
  window_.reset();
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

SIZE MainWindow::WindowSize(const WindowScale& scale) const {
  return WindowSizeForClient(FormSize(scale), kStyle, kExStyle, scale.Dpi());
}

bool MainWindow::PreTranslate(const MSG& message) {
  return zoom_->PreTranslate(message, scale_) || focus_.PreTranslate(message);
}

void MainWindow::HandleDpiChange(int dpi, const RECT* suggested) {
  // The zoom stays as it was on the screen the window comes from.
  zoom_->SetDpi(dpi);
  tips_->SetDpi(dpi);
  const SIZE size = WindowSize(zoom_->Asked());
  const POINT at = suggested != nullptr ? POINT{suggested->left, suggested->top} : POINT{};
  SetWindowPos(Handle(), nullptr, at.x, at.y, size.cx, size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE | (suggested != nullptr ? 0 : SWP_NOMOVE));
  LayOut();
  icons_.Load(Handle(), dpi);
}

void MainWindow::LayOut() {
  if (controls_.size() != MainWindowControls().size()) return;  // the controls are being made
  RECT client;
  GetClientRect(Handle(), &client);
  WindowScale scale;
  const RECT form = zoom_->FormIn(client, scale);
  const bool rescale = !laid_out_ || !(scale == scale_);
  if (!rescale && EqualRect(&form, &content_)) return;
  laid_out_ = true;
  scale_ = scale;
  content_ = form;
  WindowFonts fonts(scale);
  const auto layout = MainWindowControls();
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const ControlLayout& control = layout[i];
    const HWND handle = controls_[i]->Handle();
    const int x = form.left + scale.Pixels(control.left);
    const int y = form.top + scale.Pixels(control.top);
    controls_[i]->Place({x, y, x + scale.Pixels(control.width), y + scale.Pixels(control.height)},
                        form);
    if (!rescale) continue;
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.At(control.font_points)), TRUE);
    controls_[i]->OnScale(scale);
  }
  if (rescale) {
    // The controls hold the new fonts: the old ones can go.
    fonts_ = std::move(fonts);
    const int row_height = lists_.empty() ? 0 : ListHandle(lists_.front()->Handle()).ItemHeight();
    for (ListControl* list : lists_) {
      list->MatchRowHeight(row_height);
      list->KeepSelectionInView();
    }
  }
  InvalidateRect(Handle(), nullptr, TRUE);
}

ChildControl* MainWindow::ControlById(int id) const {
  const auto index = static_cast<std::size_t>(id - kFirstControlId);
  return id >= kFirstControlId && index < controls_.size() ? controls_[index].get() : nullptr;
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) noexcept {
  auto* self = OwnerOf<MainWindow>(window, message, l);
  if (self == nullptr || self->window_.get() != window) {
    // Messages of the creation itself, before window_ knows the handle, and after WM_NCDESTROY.
    return DefWindowProcW(window, message, w, l);
  }
  return self->edge_.Answer([&] { return self->OnMessage(message, w, l); },
                            [&] { return DefWindowProcW(window, message, w, l); });
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM w, LPARAM l) {
  const HWND window = Handle();
  switch (message) {
    case WM_COMMAND:
      if (zoom_ && zoom_->OnCommand(w, l, scale_)) return 0;
      [[fallthrough]];
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_DRAWITEM: {
      // What Windows tells the window about a control goes back to that control.
      const auto answer = Reflect(ControlById(NotifyingId(message, w, l)), message, w, l);
      return answer ? *answer : DefWindowProcW(window, message, w, l);
    }
    case WM_MEASUREITEM:
      // Asked once while the long number is made; HandleDpiChange sets the real height after.
      reinterpret_cast<MEASUREITEMSTRUCT*>(l)->itemHeight = static_cast<UINT>(scale_.Lengthen(16));
      return TRUE;
    case WM_ERASEBKGND:
      return FillClient(window, reinterpret_cast<HDC>(w), back_.get());
    case WM_SIZE:
      if (w != SIZE_MINIMIZED) LayOut();
      return 0;
    case WM_GETMINMAXINFO:
      if (zoom_) zoom_->OnMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(l));
      return 0;
    case WM_DPICHANGED:
      HandleDpiChange(HIWORD(w), reinterpret_cast<const RECT*>(l));
      return 0;
    case WM_ACTIVATE:
      focus_.OnActivate(w);
      return 0;
    case WM_SETFOCUS:
      focus_.Restore();
      return 0;
    case WM_DESTROY:
      annotations_.Clear();
      // The user closed the window: the program ends, with the status of an error shown before.
      if (quits_with_window_) PostQuitMessage(edge_.Failed() ? ErrorEdge::kExitStatus : 0);
      return 0;
    case WM_NCDESTROY:
      window_.release();
      return DefWindowProcW(window, message, w, l);
    default:
      return DefWindowProcW(window, message, w, l);
  }
}

}  // namespace drobi::win32
