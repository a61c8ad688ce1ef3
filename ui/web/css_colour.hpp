#pragma once

#include <cstdint>
#include <string>

namespace drobi::web {

// A colour as the form stores it (&H00BBGGRR&) written for CSS, "#rrggbb"; empty for
// kPlatformColour, which leaves the element the colour the browser gives it.
std::string CssColour(std::uint32_t stored);

}  // namespace drobi::web
