#include "ui/win32/main_window.hpp"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "ui/win32/background.hpp"
#include "ui/win32/error_box.hpp"
#include "ui/win32/list_control.hpp"
#include "ui/win32/list_handle.hpp"
#include "ui/win32/text.hpp"
#include "ui/win32/window_class.hpp"

namespace drobi::win32 {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                         WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

}  // namespace

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
  commands_ = std::make_unique<WindowCommands>(form_, Handle(), edge_, annotations_,
                                               [this](int direction) { Zoom(direction); });
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
    commands_->FormChanged();
  });
  HandleDpiChange(WindowDpi(Handle()), nullptr);  // the screen it opened on decides its size
  quits_with_window_ = true;
}

MainWindow::~MainWindow() {
  quits_with_window_ = false;  // the controls go with the window, while their bindings exist
  annotations_.Clear();
  window_.reset();
}

SIZE MainWindow::WindowSize(const WindowScale& scale) const {
  return WindowSizeForClient(FormSize(scale), kStyle, kExStyle, scale.Dpi(), /*menu=*/true);
}

bool MainWindow::PreTranslate(const MSG& message) {
  return zoom_->PreTranslate(message, scale_) || commands_->PreTranslate(message) ||
         focus_.PreTranslate(message);
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
    commands_->Zoomed(scale.Percent());
    const int row_height = lists_.empty() ? 0 : ListHandle(lists_.front()->Handle()).ItemHeight();
    for (ListControl* list : lists_) {
      list->MatchRowHeight(row_height);
      list->KeepSelectionInView();
    }
  }
  InvalidateRect(Handle(), nullptr, TRUE);
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
      if (commands_ && commands_->OnCommand(w, l)) return 0;
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
