#pragma once

#include <string>

namespace drobi {

// The regional number settings that the decimal column follows.
struct NumberStyle {
  std::string decimal_separator = ".";
  std::string group_separator = ",";
  int group_size = 3;        // digits per group left of the separator; 0 groups nothing
  bool leading_zero = true;  // «0.5» rather than «.5»
  std::string negative_sign = "-";
  // Where the sign of a negative number goes, numbered as Windows numbers its regional setting
  // (LOCALE_INEGNUMBER): 0 «(1.1)», 1 «-1.1», 2 «- 1.1», 3 «1.1-», 4 «1.1 -». Another number
  // counts as 1.
  int negative_format = 1;
};

}  // namespace drobi
