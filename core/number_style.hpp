#pragma once

#include <string>

namespace drobi {

// The regional number settings that the decimal column follows.
struct NumberStyle {
  std::string decimal_separator = ".";
  std::string group_separator = ",";
  int group_size = 3;  // digits per group left of the separator; 0 groups nothing
  bool leading_zero = true;  // «0.5» rather than «.5»
  std::string negative_sign = "-";
};

}  // namespace drobi
