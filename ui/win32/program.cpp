#include "ui/win32/program.hpp"

#include <commctrl.h>

#include "core/random_source.hpp"
#include "ui/win32/error_box.hpp"
#include "ui/win32/main_window.hpp"
#include "ui/win32/number_style.hpp"

namespace drobi::win32 {

int RunProgram(HINSTANCE instance, int show_command,
               const std::function<void(MainForm&, MainWindow&)>& loaded) {
  std::exception_ptr error;
  try {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    ClockRandomSource random;
    MainForm form(random, SystemNumberStyle());
    MainWindow window(form, instance);
    window.Guarded([&form] { form.Form_Load(); });
    if (window.Failed()) return ErrorEdge::kExitStatus;
    if (loaded) loaded(form, window);
    window.Show(show_command);
    return RunMessageLoop(window);
  } catch (...) {
    // No window procedure runs here: the window could not be made, or not made ready.
    error = std::current_exception();
  }
  ShowErrorBox(nullptr, DescribeError(error));
  return ErrorEdge::kExitStatus;
}

void Dispatch(MainWindow& window, const MSG& message) {
  if (window.PreTranslate(message)) return;
  // The menu's keys, in the main window or in the view, whichever has the focus.
  MSG key = message;
  const HWND target = window.KeyTarget(message.hwnd);
  if (target != nullptr && TranslateAcceleratorW(target, window.Keys(), &key) != 0) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

int RunMessageLoop(MainWindow& window) {
  MSG message{};
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return ErrorEdge::kExitStatus;
    Dispatch(window, message);
  }
}

}  // namespace drobi::win32
