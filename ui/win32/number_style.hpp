#pragma once

#include "core/number_style.hpp"

namespace drobi::win32 {

// The regional number settings of a Windows locale ("bg-BG", ...), for the decimal column:
// decimal separator, digit grouping, leading zero, negative sign and where the sign goes. nullptr
// is the user's own settings, as Control Panel's region options have them.
NumberStyle NumberStyleOfLocale(const wchar_t* locale_name);
// The user's settings.
NumberStyle SystemNumberStyle();

}  // namespace drobi::win32
