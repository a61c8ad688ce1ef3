#pragma once

#include <windows.h>

#include <optional>

#include "ui/lesson/menu_commands.hpp"
#include "ui/win32/handles.hpp"

namespace drobi::win32 {

// The id of a command in WM_COMMAND, from its menu entry or its key; below the controls' ids,
// whose notifications carry their window besides.
inline WORD MenuId(CommandId id) { return static_cast<WORD>(1 + static_cast<int>(id)); }
// The command that a WM_COMMAND from the menu (code 0) or the accelerator table (code 1) names;
// nothing for a control's notification or an unknown id.
std::optional<CommandId> MenuCommand(WPARAM w, LPARAM l);

// The window's menu bar, built from MenuBar(): each menu's title with its access key, and in it
// each command's title and, after a tab, its shortcut, as Windows menus show them.
class WindowMenu {
 public:
  WindowMenu();

  // Sets the menu bar of `window`, which from then on owns it and destroys it with itself.
  void Attach(HWND window);
  HMENU Handle() const { return bar_; }
  // Greys the zoom entries that have no step further for a window shown at `zoom_percent`.
  void Enable(int zoom_percent) const;

 private:
  OwnedMenu owned_;  // until a window holds it
  HMENU bar_;
};

// The accelerator table of the same commands: each shortcut with Ctrl, on every key that types
// its character (the main keyboard's and the keypad's; '+' also with Shift, as on the = key).
Accelerators MenuKeys();

}  // namespace drobi::win32
