#include <windows.h>

#include "ui/win32/program.hpp"

// The program takes no command line.
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  return drobi::win32::RunProgram(instance, show_command);
}
