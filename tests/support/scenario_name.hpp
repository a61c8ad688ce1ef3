#pragma once

#include <string>

namespace drobi::testing {

// A parameterised case's name from its parameter's `scenario`: "no-row" becomes "norow", as
// GoogleTest allows only letters, digits and underscores.
struct ScenarioName {
  template <typename Info>
  std::string operator()(const Info& info) const {
    std::string name;
    for (const char* c = info.param.scenario; *c != '\0'; ++c) {
      if (*c != '-') name += *c;
    }
    return name;
  }
};

}  // namespace drobi::testing
