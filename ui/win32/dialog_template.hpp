#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

namespace drobi::win32 {

// A dialog template with no controls, `width` × `height` dialog units, centred, titled `title`
// (UTF-8): the controls are made in WM_INITDIALOG, in pixels from dialog units, so that the
// template stays this short. DS_SETFONT gives the dialog the system's dialog font, and its units
// follow it and the screen's dots per inch.
std::vector<WORD> DialogTemplate(const char* title, short width, short height);

// A control of such a dialog, placed in dialog units.
struct DialogPart {
  const wchar_t* type;  // the window class
  std::wstring text;
  DWORD style, ex_style;
  int id;
  RECT at;
};
// Makes the parts in their order, which is the z-order and so the Tab order and what names a
// field for a screen reader (the label just before it), each in the dialog's font.
void CreateParts(HWND dialog, std::span<const DialogPart> parts);

}  // namespace drobi::win32
