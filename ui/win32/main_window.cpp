#include "ui/win32/main_window.hpp"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

#include "ui/form_controls.hpp"
#include "ui/row_texts.hpp"
#include "ui/win32/caption.hpp"
#include "ui/win32/error_box.hpp"
#include "ui/win32/list_control.hpp"
#include "ui/win32/list_handle.hpp"
#include "ui/win32/push_button.hpp"
#include "ui/win32/spot.hpp"
#include "ui/win32/text.hpp"
#include "ui/win32/text_control.hpp"

namespace drobi::win32 {
namespace {

constexpr int kFirstControlId = 100;
// The labels that name the lists and text fields for screen readers have no id of their own.
constexpr int kNameLabelId = 0xFFFF;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX |
                         WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;

// The commands of the zoom keys; below the controls' ids, and sent with the accelerator's
// notification code 1.
enum ZoomCommand : WORD { kZoomIn = 1, kZoomOut, kZoomBack };
constexpr ACCEL kZoomKeys[] = {
    {FVIRTKEY | FCONTROL, VK_OEM_PLUS, kZoomIn},  // the key of = and +, with or without Shift
    {FVIRTKEY | FCONTROL | FSHIFT, VK_OEM_PLUS, kZoomIn},
    {FVIRTKEY | FCONTROL, VK_ADD, kZoomIn},
    {FVIRTKEY | FCONTROL, VK_OEM_MINUS, kZoomOut},
    {FVIRTKEY | FCONTROL, VK_SUBTRACT, kZoomOut},
    {FVIRTKEY | FCONTROL, '0', kZoomBack},
    {FVIRTKEY | FCONTROL, VK_NUMPAD0, kZoomBack},
};

SIZE ClientSize(const WindowScale& scale) {
  const WindowLayout& layout = MainWindowLayout();
  return {scale.Pixels(layout.client_width), scale.Pixels(layout.client_height)};
}

// A control that runs past the form's client area (Text1(1)) is cut at the form's edges, as the
// window's edges cut it at 100 %, also where the window is larger than the form.
void ClipToForm(HWND control, const RECT& place, const RECT& form) {
  RECT shown;
  IntersectRect(&shown, &place, &form);
  if (EqualRect(&shown, &place)) return;
  OffsetRect(&shown, -place.left, -place.top);
  // The system owns the region once the window has it.
  const HRGN region = CreateRectRgnIndirect(&shown);
  if (region != nullptr && SetWindowRgn(control, region, TRUE) == 0) DeleteObject(region);
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  if (GetClassInfoExW(instance, kWindowClass, &window_class)) return;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(WindowIcons::kIconId));
  window_class.lpszClassName = kWindowClass;
  if (RegisterClassExW(&window_class) == 0) {
    throw std::runtime_error("the window's class cannot be registered");
  }
}

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
  RegisterWindowClass(instance, Procedure);
  const WindowLayout& layout = MainWindowLayout();
  back_.reset(CreateSolidBrush(StoredColour(layout.back_colour)));
  dpi_ = SystemDpi();
  scale_ = zoom_ = WindowScale(dpi_);
  fonts_ = WindowFonts(scale_);
  const SIZE size = WindowSize(scale_);
  window_.reset(CreateWindowExW(kExStyle, kWindowClass, Wide(layout.caption).c_str(), kStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr,
                                instance, this));
  if (!window_) throw std::runtime_error("the window cannot be created");
  zoom_keys_.reset(CreateAcceleratorTableW(const_cast<ACCEL*>(kZoomKeys), std::size(kZoomKeys)));
  if (!zoom_keys_) throw std::runtime_error("the window's zoom keys cannot be made");
  tips_ = std::make_unique<HoverTips>(Handle());
  CreateControls();
  edge_.SetHold([this](bool hold) {
    for (const ListControl* list : lists_) list->Hold(hold);
  });
  edge_.SetSettled([this] {
    for (ListControl* list : lists_) list->Settle();
  });
  // The screen the window opened on decides its size.
  HandleDpiChange(WindowDpi(Handle()), nullptr);
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
    // Where controls overlap (Text1(1) over the lower part of Text1(0)), the later one lies on
    // top, as in the form; a screen reader names a list or text field after the STATIC just
    // above it.
    stack.insert(stack.begin(), handle);
    if (control.accessible_name != nullptr) {
      stack.insert(stack.begin(),
                   CreateNameLabel({Handle(), kNameLabelId, at.scale, at.font}, control));
    }
    if (control.hover == nullptr) continue;
    annotations_.Describe(handle, Wide(control.hover), control.kind == ControlKind::kSpot);
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
  return WindowSizeForClient(ClientSize(scale), kStyle, kExStyle, scale.Dpi());
}

bool MainWindow::PreTranslate(const MSG& message) {
  if (message.message == WM_MOUSEWHEEL && (GET_KEYSTATE_WPARAM(message.wParam) & MK_CONTROL) &&
      (message.hwnd == Handle() || IsChild(Handle(), message.hwnd))) {
    wheel_ += GET_WHEEL_DELTA_WPARAM(message.wParam);
    if (wheel_ >= WHEEL_DELTA || wheel_ <= -WHEEL_DELTA) {
      Zoom(wheel_ > 0 ? 1 : -1);
      wheel_ = 0;
    }
    return true;
  }
  MSG key = message;
  if (TranslateAcceleratorW(Handle(), zoom_keys_.get(), &key)) return true;
  return focus_.PreTranslate(message);
}

void MainWindow::Zoom(int direction) {
  MONITORINFO screen{};
  screen.cbSize = sizeof(screen);
  GetMonitorInfoW(MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST), &screen);
  const RECT& work = screen.rcWork;
  const auto fits = [&work](SIZE size) {
    return size.cx <= work.right - work.left && size.cy <= work.bottom - work.top;
  };
  WindowScale zoom(dpi_, direction == 0 ? 100 : scale_.NextStep(direction));
  while (zoom.Percent() > 100 && !fits(WindowSize(zoom))) {
    zoom = WindowScale(dpi_, zoom.NextStep(-1));
  }
  // A larger step that does not fit does not make the window smaller.
  if (direction > 0 && zoom.Factor() <= scale_.Factor()) return;
  if (IsZoomed(Handle())) ShowWindow(Handle(), SW_RESTORE);
  zoom_ = zoom;
  const SIZE size = WindowSize(zoom);
  RECT now;
  GetWindowRect(Handle(), &now);
  // Grown to the right and down as far as the work area lets it, then moved back into it.
  const LONG left = std::max(work.left, std::min(now.left, work.right - size.cx));
  const LONG top = std::max(work.top, std::min(now.top, work.bottom - size.cy));
  SetWindowPos(Handle(), nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  LayOut();
}

void MainWindow::HandleDpiChange(int dpi, const RECT* suggested) {
  // The zoom stays as it was on the screen the window comes from.
  zoom_ = WindowScale(dpi, scale_.Percent());
  dpi_ = dpi;
  tips_->SetDpi(dpi);
  const SIZE size = WindowSize(zoom_);
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
  const SIZE asked = ClientSize(zoom_);
  const WindowScale scale = client.right == asked.cx && client.bottom == asked.cy
                                ? zoom_
                                : WindowScale::Fitting(client.right, client.bottom, dpi_);
  const SIZE size = ClientSize(scale);
  const LONG left = std::max(0L, (client.right - size.cx) / 2);
  const LONG top = std::max(0L, (client.bottom - size.cy) / 2);
  const RECT form{left, top, left + size.cx, top + size.cy};
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
    const RECT place{left + scale.Pixels(control.left), top + scale.Pixels(control.top),
                     left + scale.Pixels(control.left) + scale.Pixels(control.width),
                     top + scale.Pixels(control.top) + scale.Pixels(control.height)};
    SetWindowPos(handle, nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ClipToForm(handle, place, form);
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
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(l);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->window_.get() != window) {
    // Messages of the creation itself, before window_ knows the handle, and after WM_NCDESTROY.
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, message, w, l);
  }
  return self->edge_.Answer([&] { return self->OnMessage(message, w, l); },
                            [&] { return DefWindowProcW(window, message, w, l); });
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM w, LPARAM l) {
  const HWND window = Handle();
  switch (message) {
    case WM_COMMAND:
      if (l == 0 && HIWORD(w) == 1) {
        const WORD command = LOWORD(w);
        Zoom(command == kZoomIn ? 1 : command == kZoomOut ? -1 : 0);
        return 0;
      }
      if (ChildControl* control = l != 0 ? ControlById(LOWORD(w)) : nullptr) {
        control->OnCommand(HIWORD(w));
      }
      return 0;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: {
      ChildControl* control = ControlById(GetDlgCtrlID(reinterpret_cast<HWND>(l)));
      const HBRUSH brush =
          control != nullptr ? control->OnColour(reinterpret_cast<HDC>(w)) : nullptr;
      return brush != nullptr ? reinterpret_cast<LRESULT>(brush)
                              : DefWindowProcW(window, message, w, l);
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
      if (ChildControl* control = ControlById(static_cast<int>(item.CtlID))) control->OnDraw(item);
      return TRUE;
    }
    case WM_MEASUREITEM:
      // Asked once while the long number is made; HandleDpiChange sets the real height after.
      reinterpret_cast<MEASUREITEMSTRUCT*>(l)->itemHeight = static_cast<UINT>(scale_.Lengthen(16));
      return TRUE;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(w), &client, back_.get());
      return 1;
    }
    case WM_SIZE:
      if (w != SIZE_MINIMIZED) LayOut();
      return 0;
    case WM_GETMINMAXINFO: {
      // Never smaller than the form at 100 %.
      const SIZE least = WindowSize(WindowScale(dpi_));
      reinterpret_cast<MINMAXINFO*>(l)->ptMinTrackSize = POINT{least.cx, least.cy};
      return 0;
    }
    case WM_DPICHANGED:
      HandleDpiChange(HIWORD(w), reinterpret_cast<const RECT*>(l));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(w) == WA_INACTIVE) {
        focus_.Remember();
      } else if (!HIWORD(w)) {  // not while minimised
        focus_.Restore();
      }
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
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_.release();
      return DefWindowProcW(window, message, w, l);
    default:
      return DefWindowProcW(window, message, w, l);
  }
}

}  // namespace drobi::win32
