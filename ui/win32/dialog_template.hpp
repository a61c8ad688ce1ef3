#pragma once

#include <windows.h>

#include <vector>

namespace drobi::win32 {

// A dialog template with no controls, `width` × `height` dialog units, centred, titled `title`
// (UTF-8): the controls are made in WM_INITDIALOG, in pixels from dialog units, so that the
// template stays this short. DS_SETFONT gives the dialog the system's dialog font, and its units
// follow it and the screen's dots per inch.
std::vector<WORD> DialogTemplate(const char* title, short width, short height);

}  // namespace drobi::win32
