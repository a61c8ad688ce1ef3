#pragma once

#include <functional>

namespace drobi {

class MainWindow;

// The program: opens the window on the form, runs Form_Load and the event loop, and returns the
// exit status. Asked for a worksheet (`--worksheet FILE.pdf …`) it writes the sheets instead,
// without a window or a display, and ends. `shown` is called once the window has been shown, for a
// caller that watches it (a test that takes a screenshot); the program itself passes nothing.
int RunProgram(int argc, char* argv[], const std::function<void(MainWindow&)>& shown = {});

}  // namespace drobi
