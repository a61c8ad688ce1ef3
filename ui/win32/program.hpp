#pragma once

#include <windows.h>

#include <functional>

#include "ui/main_form.hpp"

namespace drobi::win32 {

class MainWindow;

// The program: opens the window on the form, runs Form_Load and the message loop, and returns
// the exit status: 0 when the user closes the window, 1 after an error was reported. `loaded`
// is called after Form_Load, before the window is shown, for a caller that watches or changes
// the form (a test); the program itself passes nothing.
int RunProgram(HINSTANCE instance, int show_command,
               const std::function<void(MainForm&, MainWindow&)>& loaded = {});

// Hands one message to the window as the program's loop does.
void Dispatch(MainWindow& window, const MSG& message);
// The message loop; returns the status that ends it.
int RunMessageLoop(MainWindow& window);

}  // namespace drobi::win32
