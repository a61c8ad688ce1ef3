#pragma once

// The program's window on Windows: Win32 controls placed as the layout table says, bound to a
// MainForm.
//
// How a click travels: a press on row 7 of Spis(1) reaches the LISTBOX control, which selects the
// row and sends LBN_SELCHANGE to this window; its ListControl calls Spis[1].UserClick(7) through
// the ErrorEdge. The ListBox raises MainForm::Spis_Click(1), and every row that the handlers add,
// clear or select on the way reaches the control that shows it at once, through the ListBox's
// observer. When the handler returns, every control shows the form's state. The window never
// calls a handler on its own and keeps no state that a handler reads.

#include <windows.h>

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/main_form.hpp"
#include "ui/win32/error_edge.hpp"
#include "ui/win32/handles.hpp"
#include "ui/window_layout.hpp"

namespace drobi::win32 {

class ListControl;
class TextControl;

// The window class's name, by which a window of the program can be found.
inline constexpr wchar_t kWindowClass[] = L"DrobiMainForm";

// The control id of a control of the layout, by its name ("Spis(1)", "Command1", ...).
int ControlId(std::string_view name);

class MainWindow {
 public:
  // Creates the window with all its controls, hidden, at the dpi of the screen it opens on.
  MainWindow(MainForm& form, HINSTANCE instance);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  HWND Handle() const { return window_.get(); }
  HWND Control(std::string_view name) const { return GetDlgItem(Handle(), ControlId(name)); }
  HWND Tooltip() const { return tooltip_; }
  int Dpi() const { return dpi_; }

  void Show(int show_command);

  // Where an error that escapes a handler goes. By default a message box tells the user; the
  // message loop then ends with ErrorEdge::kExitStatus.
  void SetErrorReporter(ErrorEdge::Reporter reporter) { edge_.SetReporter(std::move(reporter)); }
  // Runs a call into the form the way the window's own notifications do, for calls made from
  // outside a window procedure such as Form_Load.
  template <typename Action>
  bool Guarded(Action&& action) {
    return edge_.Run(std::forward<Action>(action));
  }
  bool Failed() const { return edge_.Failed(); }

  // The keys the window takes before the focused control sees them: Tab and Shift+Tab move
  // through the controls in the form's tab order. True when the message needs nothing more.
  bool PreTranslate(const MSG& message);

 private:
  struct ControlView {
    const ControlLayout* layout;
    HWND handle;
    Brush back;  // for captions and the green spot
    std::unique_ptr<ListControl> list;
    std::unique_ptr<TextControl> text;
  };

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) noexcept;
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);

  void CreateControls(HINSTANCE instance);
  void AddTooltips();
  // Places every control, its font and the window's size at `dpi`; `suggested` is where the
  // system proposes to put the window after a move to another screen.
  void ApplyDpi(int dpi, const RECT* suggested);
  // The window's font at that size, made at dpi_ on first use.
  HFONT FontOf(int points);
  ControlView* Find(HWND control);
  void Notified(ControlView& control, int code);
  LRESULT ColourStatic(HDC dc, HWND control);
  void Draw(const DRAWITEMSTRUCT& item);
  void DrawButton(const DRAWITEMSTRUCT& item) const;
  void ShowError(const ErrorReport& report);
  void MoveFocus(bool forward);
  void RememberFocus();
  void RestoreFocus();

  MainForm& form_;
  HINSTANCE instance_;
  ErrorEdge edge_;
  Window window_;
  HWND tooltip_ = nullptr;
  HWND focus_ = nullptr;  // the control that had the focus when the window was left
  std::vector<ControlView> controls_;
  Brush back_;
  std::vector<std::pair<int, Font>> fonts_;  // by size in points, at dpi_
  Icon big_icon_;
  Icon small_icon_;
  int dpi_ = 96;
  bool destroying_ = false;
};

}  // namespace drobi::win32
