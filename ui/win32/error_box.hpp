#pragma once

#include <windows.h>

#include "ui/error_report.hpp"

namespace drobi::win32 {

// Tells the user of a run-time error that escaped a handler, in a message box over `owner`
// (nullptr where the window could not be made), and that the program ends.
void ShowErrorBox(HWND owner, const ErrorReport& report);

}  // namespace drobi::win32
