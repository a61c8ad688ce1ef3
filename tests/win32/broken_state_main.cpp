// The program in one of the shared broken states (tests/support/broken_states.hpp), for the error
// path test to trip over: the run-time error must be shown in a message box and the program must
// end with status 1, instead of crashing, hanging or going on.
//
// Usage: drobi_broken_state SCENARIO. The program is the real one otherwise; the test clicks and
// answers the message box.

// clang-format off
#include <windows.h>  // first: the other Windows headers build on it
#include <commctrl.h>
// clang-format on

#include <cstdio>

#include "core/random_source.hpp"
#include "tests/support/broken_states.hpp"
#include "ui/win32/main_window.hpp"
#include "ui/win32/number_style.hpp"
#include "ui/win32/program.hpp"

int main(int argc, char* argv[]) {
  const drobi::testing::BrokenState* state =
      drobi::testing::FindBrokenState(argc > 1 ? argv[1] : "");
  if (state == nullptr) {
    std::fprintf(stderr, "usage: drobi_broken_state SCENARIO\n");
    return 2;
  }
  if (state->loaded) {
    return drobi::win32::RunProgram(
        GetModuleHandleW(nullptr), SW_SHOWNORMAL,
        [state](drobi::MainForm& form, drobi::win32::MainWindow&) { state->spoil(form); });
  }
  // As RunProgram, without Form_Load.
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                     ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&classes);
  drobi::ClockRandomSource random;
  drobi::MainForm form(random, drobi::win32::SystemNumberStyle());
  drobi::win32::MainWindow window(form, GetModuleHandleW(nullptr));
  window.Show(SW_SHOWNORMAL);
  return drobi::win32::RunMessageLoop(window);
}
