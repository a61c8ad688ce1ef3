#include "ui/win32/division_view.hpp"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "ui/win32/beside.hpp"
#include "ui/win32/dpi.hpp"
#include "ui/win32/text.hpp"
#include "ui/win32/window_class.hpp"
#include "ui/win32/window_icons.hpp"
#include "ui/win32/window_menu.hpp"

namespace drobi::win32 {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kExStyle = 0;
// As many lines as the view shows at first at most; the rest is a scroll away.
constexpr int kFirstLines = 24;
constexpr int kMargin = 4;  // pixels at 96 dpi and 100 %, left and right of the text

Font LessonFont(const WindowScale& scale) {
  Font font(CreateFontW(-scale.FontPixels(kLessonFontPoints), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                        FALSE, RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, Wide(kLessonFontFamily).c_str()));
  if (!font) throw std::runtime_error("the view's font cannot be made");
  return font;
}

// The window's size for the longest line of `text` and its first lines, in `font`.
SIZE SizeFor(const LessonText& text, HFONT font, const WindowScale& scale) {
  TEXTMETRICW metrics{};
  {
    const WindowDc screen(nullptr);
    const Selection selected(screen.get(), font);
    GetTextMetricsW(screen.get(), &metrics);
  }
  int columns = 0;
  for (const std::string& line : text.lines) columns = std::max(columns, CharCount(line));
  const int lines = std::min(kFirstLines, static_cast<int>(text.lines.size()));
  const int dpi = scale.Dpi();
  const SIZE client{(columns + 1) * metrics.tmAveCharWidth + 2 * scale.Lengthen(kMargin) +
                        MetricAtDpi(SM_CXVSCROLL, dpi),
                    (lines + 1) * metrics.tmHeight + MetricAtDpi(SM_CYHSCROLL, dpi)};
  return WindowSizeForClient(client, kStyle, kExStyle, dpi);
}

}  // namespace

DivisionView::DivisionView(HWND owner, const LessonText& text, ErrorEdge& edge,
                           std::function<void(CommandId)> perform)
    : edge_(edge),
      perform_(std::move(perform)),
      rich_edit_(LoadLibraryW(L"msftedit.dll")),
      scale_(WindowDpi(owner)),
      font_(LessonFont(scale_)) {
  if (!rich_edit_) throw std::runtime_error("the view's text control cannot be loaded");
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
  RegisterWindowClass(instance, kDivisionViewClass, Procedure, WindowIcons::kIconId);
  const RECT at = Beside(owner, SizeFor(text, font_.get(), scale_));
  window_.reset(CreateWindowExW(kExStyle, kDivisionViewClass, Wide(kDivisionViewTitle).c_str(),
                                kStyle, at.left, at.top, at.right - at.left, at.bottom - at.top,
                                owner, nullptr, instance, this));
  if (!window_) throw std::runtime_error("the view cannot be created");
  text_ = std::make_unique<LessonTextControl>(Handle(), kTextId, font_.get(),
                                              scale_.Lengthen(kMargin), edge_);
  RECT client;
  GetClientRect(Handle(), &client);
  MoveWindow(text_->Handle(), 0, 0, client.right, client.bottom, FALSE);
  // The window may have opened on a screen of another dpi than its owner's.
  Rescale(WindowScale(WindowDpi(Handle()), scale_.Percent()));
  text_->Show(text);
}

void DivisionView::Open(const LessonText& text) const {
  text_->Show(text);
  ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
  SetActiveWindow(Handle());
}

void DivisionView::Zoom(int direction) {
  Rescale(WindowScale(scale_.Dpi(), direction == 0 ? kZoomSteps[0] : scale_.NextStep(direction)));
}

bool DivisionView::PreTranslate(const MSG& message) {
  if (!window_ || !WheelSteps::IsZoom(message, Handle())) return false;
  if (const int step = wheel_.Turn(message.wParam); step != 0) Zoom(step);
  return true;
}

void DivisionView::Rescale(const WindowScale& scale) {
  Font font = LessonFont(scale);
  scale_ = scale;
  text_->SetFont(font.get(), scale.Lengthen(kMargin));
  font_ = std::move(font);  // the control holds the new font: the old one can go
}

void DivisionView::HandleDpiChange(int dpi, const RECT& suggested) {
  Rescale(WindowScale(dpi, scale_.Percent()));
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK DivisionView::Procedure(HWND window, UINT message, WPARAM w, LPARAM l) noexcept {
  auto* self = OwnerOf<DivisionView>(window, message, l);
  if (self == nullptr || self->window_.get() != window || !self->text_) {
    // Messages of the creation itself, before the view has its control, and after WM_NCDESTROY.
    return DefWindowProcW(window, message, w, l);
  }
  return self->edge_.Answer([&] { return self->OnMessage(message, w, l); },
                            [&] { return DefWindowProcW(window, message, w, l); });
}

LRESULT DivisionView::OnMessage(UINT message, WPARAM w, LPARAM l) {
  const HWND window = Handle();
  switch (message) {
    case WM_COMMAND:
      if (const auto command = MenuCommand(w, l)) {
        perform_(*command);
        return 0;
      }
      break;
    case WM_SIZE:
      MoveWindow(text_->Handle(), 0, 0, LOWORD(l), HIWORD(l), TRUE);
      return 0;
    case WM_SETFOCUS:
      SetFocus(text_->Handle());
      return 0;
    case WM_DPICHANGED:
      HandleDpiChange(HIWORD(w), *reinterpret_cast<const RECT*>(l));
      return 0;
    case WM_CLOSE:
      ShowWindow(window, SW_HIDE);
      return 0;
    case WM_NCDESTROY:
      window_.release();
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, w, l);
}

}  // namespace drobi::win32
