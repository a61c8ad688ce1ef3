#pragma once

#include <windows.h>

#include "ui/win32/handles.hpp"

namespace drobi::win32 {

// The window's icons, in the title bar and on the taskbar, drawn at the sizes of a dpi from the
// program's icon resource.
class WindowIcons {
 public:
  static constexpr WORD kIconId = 1;  // the icon in drobi.rc

  // Gives the window its icons at `dpi`; where one cannot be loaded, the window keeps its last.
  void Load(HWND window, int dpi);

 private:
  Icon big_;
  Icon small_;
};

}  // namespace drobi::win32
