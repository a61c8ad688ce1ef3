#pragma once

#include <string_view>

#include "core/number_style.hpp"

namespace drobi::web {

// The number style of the browser's language (Intl.NumberFormat for navigator.language).
NumberStyle BrowserNumberStyle();

// The style that the browser's answer describes: decimal separator, group separator, minus sign
// and group size, each ended by "\n"; what is missing stays as NumberStyle has it.
NumberStyle NumberStyleOf(std::string_view answer);

}  // namespace drobi::web
