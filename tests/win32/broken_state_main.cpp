// The program as it starts, then put into a state that no user action reaches, for the error
// path test to trip over with one click: the run-time error must be shown in a message box and
// the program must end with status 1, instead of crashing, hanging or going on.
//
// Usage: drobi_broken_state SCENARIO, where SCENARIO is
//   no-row         the numerators lose their selection: a click on 90 digits reads row -1
//   lost-interval  the interval list is emptied: "Чисти", then a digit count makes a table
// The program is the real one otherwise; the test clicks and answers the message box.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ui/lists.hpp"
#include "ui/win32/program.hpp"

int main(int argc, char* argv[]) {
  const std::string scenario = argc > 1 ? argv[1] : "";
  if (scenario != "no-row" && scenario != "lost-interval") {
    std::fprintf(stderr, "usage: drobi_broken_state no-row|lost-interval\n");
    return 2;
  }
  return drobi::win32::RunProgram(GetModuleHandleW(nullptr), SW_SHOWNORMAL,
                                  [&scenario](drobi::MainForm& form, drobi::win32::MainWindow&) {
                                    if (scenario == "lost-interval") {
                                      form.Spis[drobi::kInterval].Clear();
                                      return;
                                    }
                                    // The same rows again, added without a selection: Spis(1) and
                                    // Spis(2) keep theirs.
                                    drobi::ListBox& numerators = form.Spis[drobi::kNumerators];
                                    const std::vector<std::string> rows = numerators.Rows();
                                    numerators.Clear();
                                    for (const std::string& row : rows) numerators.AddItem(row);
                                  });
}
