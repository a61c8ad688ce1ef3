#include "ui/win32/main_window.hpp"

#include <commctrl.h>

#include <stdexcept>
#include <string>

#include "ui/row_texts.hpp"
#include "ui/win32/dpi.hpp"
#include "ui/win32/list_control.hpp"
#include "ui/win32/text.hpp"
#include "ui/win32/text_control.hpp"

namespace drobi::win32 {
namespace {

constexpr int kFirstControlId = 100;
constexpr WORD kIconId = 1;  // the icon in drobi.rc
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
// The widest a hover text runs before it wraps, in pixels at 96 dpi: a quotient's exact value with
// its 60 digits keeps to one line.
constexpr int kTipWidth = 560;

ListBox& ListOf(MainForm& form, int index) {
  return index < 0 ? form.Dylgo : form.Spis.at(static_cast<std::size_t>(index));
}

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, kWindowClass, &existing)) return;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof(window_class);
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconId));
  window_class.lpszClassName = kWindowClass;
  if (RegisterClassExW(&window_class) == 0) {
    throw std::runtime_error("the window's class cannot be registered");
  }
}

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD ex_style;
};

ControlClass ClassOf(const ControlLayout& control) {
  constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  switch (control.kind) {
    case ControlKind::kList: {
      DWORD style = kChild | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
      // The long number draws its rows itself, with the marks of the period.
      if (control.index < 0) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
      return {WC_LISTBOXW, style, WS_EX_CLIENTEDGE};
    }
    case ControlKind::kText:
      return {WC_EDITW,
              kChild | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
              WS_EX_CLIENTEDGE};
    case ControlKind::kButton:
      return {WC_BUTTONW, kChild | WS_TABSTOP | BS_OWNERDRAW, 0};
    case ControlKind::kLabel:
      return {WC_STATICW, kChild | SS_CENTER | SS_NOPREFIX, 0};
    case ControlKind::kSpot:
      return {WC_STATICW, kChild | SS_NOTIFY, 0};
  }
  throw std::logic_error("a control of unknown kind");
}

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

int ControlId(std::string_view name) {
  const auto controls = MainWindowControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (name == controls[i].name) return kFirstControlId + static_cast<int>(i);
  }
  throw std::invalid_argument("no control " + std::string(name) + " in the window's layout");
}

MainWindow::MainWindow(MainForm& form, HINSTANCE instance)
    : form_(form),
      instance_(instance),
      edge_([this](const ErrorReport& report) { ShowError(report); }) {
  RegisterWindowClass(instance, Procedure);
  const WindowLayout& layout = MainWindowLayout();
  back_.reset(CreateSolidBrush(StoredColour(layout.back_colour)));
  dpi_ = SystemDpi();
  const SIZE size = WindowSizeForClient(
      {TwipsAtDpi(layout.client_width, dpi_), TwipsAtDpi(layout.client_height, dpi_)}, kStyle,
      kExStyle, dpi_);
  window_.reset(CreateWindowExW(kExStyle, kWindowClass, Wide(layout.caption).c_str(), kStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr,
                                instance, this));
  if (!window_) throw std::runtime_error("the window cannot be created");
  CreateControls(instance);
  AddTooltips();
  // The screen the window opened on decides its size.
  ApplyDpi(WindowDpi(Handle()), nullptr);
}

MainWindow::~MainWindow() {
  // The controls go with the window, while the bindings that watch them still exist.
  destroying_ = true;
  window_.reset();
}

void MainWindow::CreateControls(HINSTANCE instance) {
  const auto layout = MainWindowControls();
  controls_.reserve(layout.size());
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const ControlLayout& control = layout[i];
    const ControlClass window_class = ClassOf(control);
    std::wstring text;
    if (control.kind == ControlKind::kLabel && control.caption != nullptr) {
      text = Wide(control.caption);
    }
    if (control.kind == ControlKind::kButton) text = Wide(form_.Command1.Caption());
    const HWND handle = CreateWindowExW(
        window_class.ex_style, window_class.name, text.c_str(), window_class.style,
        TwipsAtDpi(control.left, dpi_), TwipsAtDpi(control.top, dpi_),
        TwipsAtDpi(control.width, dpi_), TwipsAtDpi(control.height, dpi_), Handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + static_cast<int>(i))),
        instance, nullptr);
    if (handle == nullptr) {
      throw std::runtime_error(std::string("the control ") + control.name + " cannot be created");
    }
    // The font before any text: the control lays its text out once, in the window's font.
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(control.font_points)), FALSE);
    controls_.push_back(ControlView{&control, handle, nullptr, nullptr, nullptr});
    ControlView& made = controls_.back();
    if (control.back_colour != kPlatformColour && control.kind != ControlKind::kButton) {
      made.back.reset(CreateSolidBrush(StoredColour(control.back_colour)));
    }
    if (control.kind == ControlKind::kList) {
      made.list = std::make_unique<ListControl>(ListOf(form_, control.index), handle, edge_);
    } else if (control.kind == ControlKind::kText) {
      made.text = std::make_unique<TextControl>(
          form_.Text1.at(static_cast<std::size_t>(control.index)), handle, edge_);
    }
  }
  // Tab order is the order of creation; where controls overlap (Text1(1) over the lower part of
  // Text1(0)) the later one lies on top, as in the form.
  for (const ControlView& control : controls_) {
    SetWindowPos(control.handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void MainWindow::AddTooltips() {
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                             WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, instance_, nullptr);
  // Hover texts help but are not needed to use the window: without them it still opens.
  if (tooltip_ == nullptr) return;
  for (ControlView& control : controls_) {
    if (control.layout->hover == nullptr) continue;
    std::wstring hover = Wide(control.layout->hover);
    if (control.list) {
      if (auto texts = RowTextsFor(form_, *control.layout)) {
        control.list->ShowRowTexts(std::move(texts), tooltip_, std::move(hover));
        continue;
      }
    }
    TOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(control.handle);
    tool.lpszText = hover.data();  // the tooltip keeps a copy
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

HFONT MainWindow::FontOf(int points) {
  for (const auto& [size, font] : fonts_) {
    if (size == points) return font.get();
  }
  const WindowLayout& layout = MainWindowLayout();
  Font font(CreateFontW(FontHeightAtDpi(points, dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        RUSSIAN_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_ROMAN, Wide(layout.font_family).c_str()));
  if (!font) throw std::runtime_error("the window's font cannot be made");
  fonts_.emplace_back(points, std::move(font));
  return fonts_.back().second.get();
}

void MainWindow::ApplyDpi(int dpi, const RECT* suggested) {
  dpi_ = dpi;
  // The controls let go of the old fonts before they are deleted.
  std::vector<std::pair<int, Font>> old_fonts = std::move(fonts_);
  fonts_.clear();
  HWND first_list = nullptr;
  for (const ControlView& control : controls_) {
    const ControlLayout& layout = *control.layout;
    SetWindowPos(control.handle, nullptr, TwipsAtDpi(layout.left, dpi), TwipsAtDpi(layout.top, dpi),
                 TwipsAtDpi(layout.width, dpi), TwipsAtDpi(layout.height, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(layout.font_points)),
                 TRUE);
    if (layout.kind == ControlKind::kList && first_list == nullptr) first_list = control.handle;
  }
  // The owner-drawn long number has rows as high as those the other lists take from the font.
  const LRESULT row_height = SendMessageW(first_list, LB_GETITEMHEIGHT, 0, 0);
  if (row_height > 0) {
    for (const ControlView& control : controls_) {
      if (control.layout->kind == ControlKind::kList && control.layout->index < 0) {
        SendMessageW(control.handle, LB_SETITEMHEIGHT, 0, row_height);
        InvalidateRect(control.handle, nullptr, TRUE);
      }
    }
  }
  if (tooltip_ != nullptr) {
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(kTipWidth, dpi, kDefaultDpi));
  }

  const WindowLayout& layout = MainWindowLayout();
  const SIZE size = WindowSizeForClient(
      {TwipsAtDpi(layout.client_width, dpi), TwipsAtDpi(layout.client_height, dpi)}, kStyle,
      kExStyle, dpi);
  if (suggested != nullptr) {
    SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  }

  Icon big(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                         MetricAtDpi(SM_CXICON, dpi), MetricAtDpi(SM_CYICON, dpi),
                                         LR_DEFAULTCOLOR)));
  Icon small(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                           MetricAtDpi(SM_CXSMICON, dpi),
                                           MetricAtDpi(SM_CYSMICON, dpi), LR_DEFAULTCOLOR)));
  if (big) SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  if (small) SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  if (big) big_icon_ = std::move(big);
  if (small) small_icon_ = std::move(small);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void MainWindow::Show(int show_command) {
  ShowWindow(Handle(), show_command);
  UpdateWindow(Handle());
}

bool MainWindow::PreTranslate(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  if (message.hwnd != Handle() && !IsChild(Handle(), message.hwnd)) return false;
  // Ctrl+Tab puts a tab into a text field; Alt+Tab belongs to the desktop.
  if (KeyDown(VK_CONTROL) || KeyDown(VK_MENU)) return false;
  MoveFocus(!KeyDown(VK_SHIFT));
  return true;
}

void MainWindow::MoveFocus(bool forward) {
  std::vector<HWND> stops;
  for (const ControlView& control : controls_) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control.handle, GWL_STYLE));
    if ((style & WS_TABSTOP) != 0 && IsWindowVisible(control.handle) &&
        IsWindowEnabled(control.handle)) {
      stops.push_back(control.handle);
    }
  }
  if (stops.empty()) return;
  const HWND focus = GetFocus();
  std::size_t at = stops.size();
  for (std::size_t i = 0; i < stops.size(); ++i) {
    if (stops[i] == focus || IsChild(stops[i], focus)) at = i;
  }
  std::size_t next;
  if (at == stops.size()) {
    next = forward ? 0 : stops.size() - 1;
  } else {
    next = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
  }
  SetFocus(stops[next]);
}

void MainWindow::RememberFocus() {
  const HWND focus = GetFocus();
  if (focus != nullptr && IsChild(Handle(), focus)) focus_ = focus;
}

void MainWindow::RestoreFocus() {
  if (focus_ == nullptr || !IsWindow(focus_)) {
    focus_ = nullptr;
    MoveFocus(true);  // the first control in tab order
    return;
  }
  SetFocus(focus_);
}

MainWindow::ControlView* MainWindow::Find(HWND control) {
  for (ControlView& candidate : controls_) {
    if (candidate.handle == control) return &candidate;
  }
  return nullptr;
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
  return self->edge_.Answer([&] { return self->Handle(message, w, l); },
                            [&] { return DefWindowProcW(window, message, w, l); });
}

LRESULT MainWindow::Handle(UINT message, WPARAM w, LPARAM l) {
  const HWND window = Handle();
  switch (message) {
    case WM_COMMAND:
      if (l != 0) {
        if (ControlView* control = Find(reinterpret_cast<HWND>(l))) Notified(*control, HIWORD(w));
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      return ColourStatic(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_DRAWITEM:
      Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_MEASUREITEM: {
      // Asked once while the long number is made; ApplyDpi sets the real height right after.
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(l);
      item->itemHeight = static_cast<UINT>(MulDiv(16, dpi_, kDefaultDpi));
      return TRUE;
    }
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(w), &client, back_.get());
      return 1;
    }
    case WM_DPICHANGED:
      ApplyDpi(HIWORD(w), reinterpret_cast<const RECT*>(l));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(w) == WA_INACTIVE) {
        RememberFocus();
      } else if (!HIWORD(w)) {  // not while minimised
        RestoreFocus();
      }
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case WM_DESTROY:
      // The user closed the window: the program ends, with the status of an error shown before.
      if (!destroying_) PostQuitMessage(edge_.Failed() ? ErrorEdge::kExitStatus : 0);
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_.release();
      return DefWindowProcW(window, message, w, l);
    default:
      return DefWindowProcW(window, message, w, l);
  }
}

void MainWindow::Notified(ControlView& control, int code) {
  switch (control.layout->kind) {
    case ControlKind::kList:
      if (code == LBN_SELCHANGE) control.list->SelectionChanged();
      break;
    case ControlKind::kText:
      if (code == EN_CHANGE) control.text->Changed();
      break;
    case ControlKind::kButton:
      if (code == BN_CLICKED) edge_.Run([this] { form_.Command1.Click(); });
      break;
    case ControlKind::kSpot:
      if (code == STN_CLICKED) edge_.Run([this] { form_.Label1.Click(); });
      break;
    case ControlKind::kLabel:
      return;
  }
  // The long number's marks follow the selected fraction, whichever list the handler changed.
  if (const HWND dylgo = Control("Dylgo")) InvalidateRect(dylgo, nullptr, FALSE);
}

LRESULT MainWindow::ColourStatic(HDC dc, HWND control) {
  const ControlView* found = Find(control);
  if (found == nullptr || !found->back) {
    return DefWindowProcW(Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  }
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, StoredColour(found->layout->back_colour));
  return reinterpret_cast<LRESULT>(found->back.get());
}

void MainWindow::Draw(const DRAWITEMSTRUCT& item) {
  const ControlView* control = Find(item.hwndItem);
  if (control == nullptr) return;
  if (control->layout->kind == ControlKind::kButton) DrawButton(item);
  if (control->list) control->list->Draw(item);
}

void MainWindow::DrawButton(const DRAWITEMSTRUCT& item) const {
  const HDC dc = item.hDC;
  RECT box = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  // The button keeps its own colour on every desktop theme, with the usual raised edge.
  SetBkColor(dc, StoredColour(ControlNamed("Command1").back_colour));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
  DrawEdge(dc, &box, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);

  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(item.hwndItem)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextW(item.hwndItem, text.data(), static_cast<int>(text.size()))));
  const auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
  const Selection font_selection(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  RECT text_box = box;
  if (pressed) OffsetRect(&text_box, 1, 1);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_box,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    const int inset = MulDiv(2, dpi_, kDefaultDpi);
    InflateRect(&box, -inset, -inset);
    DrawFocusRect(dc, &box);
  }
}

void MainWindow::ShowError(const ErrorReport& report) {
  const std::wstring message =
      Wide(ErrorMessage(report.number, report.text) + "\n\n" + kErrorEnding);
  MessageBoxW(Handle(), message.c_str(), L"drobi", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace drobi::win32
