#pragma once

#include <array>

#include "ui/model/list_box.hpp"

namespace drobi {

// The six lists of the window by role. Rows 0..15 of the first three describe the same fraction.
using SpisArray = std::array<ListBox, 6>;
inline constexpr int kNumerators = 0;     // p, «-7»
inline constexpr int kDenominators = 1;   // q, «13»
inline constexpr int kQuotients = 2;      // p/q rounded
inline constexpr int kInterval = 3;       // N: "10" … "1000"
inline constexpr int kDecimalDigits = 4;  // "0" … "7"
inline constexpr int kLongDigits = 5;     // "10" … "90"

inline constexpr int kTableRows = 16;

}  // namespace drobi
