#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/lesson/lesson_text.hpp"
#include "ui/lesson/menu_commands.hpp"
#include "ui/win32/error_edge.hpp"
#include "ui/win32/handles.hpp"
#include "ui/win32/lesson_text_control.hpp"
#include "ui/win32/wheel_steps.hpp"
#include "ui/window_scale.hpp"

namespace drobi::win32 {

// The window class's name, by which the view can be found.
inline constexpr wchar_t kDivisionViewClass[] = L"DrobiDivisionView";

// «Деление в тетрадката»: the written division of the fraction selected in the form, in a window
// of its own beside the main window. The main window owns it, so it stays above the form and
// closes with it; the user moves it (to the projector), sizes it and zooms it by the form's zoom
// steps and keys, and its font is the lesson font at the screen's dpi times that zoom. Closing it
// only hides it, so that it opens again where it was.
class DivisionView {
 public:
  static constexpr int kTextId = 1;  // the control that shows the text

  // Made hidden, beside `owner` and sized for `text`. `perform` does what a key of the menu
  // pressed in the view asks for.
  DivisionView(HWND owner, const LessonText& text, ErrorEdge& edge,
               std::function<void(CommandId)> perform);
  ~DivisionView() = default;
  DivisionView(const DivisionView&) = delete;
  DivisionView& operator=(const DivisionView&) = delete;

  HWND Handle() const { return window_.get(); }
  bool IsOpen() const { return window_ && IsWindowVisible(window_.get()); }
  // Shows `text` in the view, and the view in front, with the focus.
  void Open(const LessonText& text) const;
  // Shows `text`, where it differs from what the view shows.
  void Follow(const LessonText& text) const { text_->Show(text); }
  // Makes the text the zoom step after the present one in `direction` (+1 larger, -1 smaller),
  // or 100 % for 0; the window keeps its size.
  void Zoom(int direction);
  // Ctrl and the wheel over the view step its zoom, before the control would zoom on its own.
  bool PreTranslate(const MSG& message);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) noexcept;
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);
  // The font made anew for `scale`, and the text shown in it.
  void Rescale(const WindowScale& scale);
  void HandleDpiChange(int dpi, const RECT& suggested);

  ErrorEdge& edge_;
  std::function<void(CommandId)> perform_;
  Library rich_edit_;  // msftedit.dll, while its controls exist
  WindowScale scale_;
  Font font_;
  std::unique_ptr<LessonTextControl> text_;
  WheelSteps wheel_;
  // Last, so that the window and its control go before the font and the library they use.
  Window window_;
};

}  // namespace drobi::win32
