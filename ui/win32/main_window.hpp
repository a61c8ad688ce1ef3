#pragma once

// The program's window on Windows: Win32 controls placed as the layout table says, bound to a
// MainForm.
//
// How a click travels: a press on row 7 of Spis(1) reaches the LISTBOX control, which selects the
// row and sends LBN_SELCHANGE to this window. The window procedure hands the notification back
// to the control it names, by its control id, and that ListControl calls Spis[1].UserClick(7)
// through the ErrorEdge. The ListBox raises MainForm::Spis_Click(1), and every row that the
// handlers add, clear or select on the way reaches the control that shows it at once, through
// the ListBox's observer. When the handler returns, the lists settle what depends on all their
// rows (the long number's marks and spoken texts), and every control shows the form's state.
// The window never calls a handler on its own and keeps no state that a handler reads.
//
// The window grows as the user drags its frame or zooms (from the menu or its keys, Ctrl and plus,
// minus or 0, or Ctrl and the wheel): the form is laid out again at the largest WindowScale that
// fits the client area, the screen's dpi times the zoom, centred on the back colour. The menu bar
// lies above the client area, which it leaves as large as the form; its commands and the view of
// the written division are WindowCommands'.

#include <windows.h>

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/main_form.hpp"
#include "ui/win32/annotations.hpp"
#include "ui/win32/child_control.hpp"
#include "ui/win32/dpi.hpp"
#include "ui/win32/error_edge.hpp"
#include "ui/win32/focus_ring.hpp"
#include "ui/win32/handles.hpp"
#include "ui/win32/hover_tips.hpp"
#include "ui/win32/window_commands.hpp"
#include "ui/win32/window_fonts.hpp"
#include "ui/win32/window_icons.hpp"
#include "ui/win32/window_zoom.hpp"
#include "ui/window_layout.hpp"

namespace drobi::win32 {

class ListControl;

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
  HWND Tooltip() const { return tips_->Handle(); }
  int Dpi() const { return scale_.Dpi(); }
  // The scale the form is laid out at: the dpi times the zoom, or what fits a dragged frame.
  const WindowScale& Scale() const { return scale_; }
  // The texts handed to the system for screen readers, with the controls they describe.
  const std::vector<Annotations::Annotation>& Annotated() const { return annotations_.Given(); }

  void Show(int show_command) {
    ShowWindow(Handle(), show_command);
    UpdateWindow(Handle());
  }

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
  // through the controls in the form's tab order, Ctrl and the wheel zoom the window or the view.
  // True when the message needs nothing more.
  bool PreTranslate(const MSG& message);
  // The menu's accelerator table, and the window a key message to `to` is for: this one or the
  // view, nullptr for another (TranslateAcceleratorW in the message loop).
  HACCEL Keys() const { return commands_->Keys(); }
  HWND KeyTarget(HWND to) const { return commands_->KeyTarget(to); }

  // Resizes the window to the zoom step after the present scale in `direction` (+1 larger, -1
  // smaller), or to 100 % for 0; a step larger than the work area of the window's screen stops
  // at the largest that fits.
  void Zoom(int direction) { zoom_->Step(scale_, direction); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) noexcept;
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);

  void CreateControls();
  std::unique_ptr<ChildControl> MakeControl(const Placement& at, const ControlLayout& layout);
  // Keeps the zoom at the new `dpi` and sizes the window for it; `suggested` is where the system
  // proposes to put the window after a move to another screen.
  void HandleDpiChange(int dpi, const RECT* suggested);
  // Places every control at the scale that fits the client area (the zoom asked for, where the
  // window has its size), centred, with its font at that scale.
  void LayOut();
  // The window's outer size for the form at `scale`.
  SIZE WindowSize(const WindowScale& scale) const;
  // The control that an id of a notification names, nullptr for one that is not the layout's.
  ChildControl* ControlById(int id) const;

  MainForm& form_;
  ErrorEdge edge_;
  Annotations annotations_;
  std::unique_ptr<HoverTips> tips_;
  std::vector<std::unique_ptr<ChildControl>> controls_;  // in the layout's order
  std::vector<ListControl*> lists_;
  FocusRing focus_{nullptr, {}};
  Brush back_;
  WindowFonts fonts_{WindowScale()};
  WindowIcons icons_;
  WindowScale scale_;
  // The zoom step asked for last, which the client area, once it has its size, lays out exactly.
  std::unique_ptr<WindowZoom> zoom_;
  // The menu bar and the view; the view's window goes with this window's.
  std::unique_ptr<WindowCommands> commands_;
  RECT content_{};  // the form's client area within the window's
  bool laid_out_ = false;
  // Whether the window's going ends the program: once it is made, and until MainWindow goes.
  bool quits_with_window_ = false;
  // Last, so that also a window whose making failed goes before the controls, fonts and icons
  // it uses.
  Window window_;
};

}  // namespace drobi::win32
