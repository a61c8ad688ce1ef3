#pragma once

#include <cctype>
#include <string>

namespace drobi::testing {

// A parameterised case's name from its parameter's `scenario`: "no-row" becomes "NoRow", as
// GoogleTest allows only letters, digits and underscores.
struct ScenarioName {
  template <typename Info>
  std::string operator()(const Info& info) const {
    std::string name;
    bool word = true;
    for (const char* c = info.param.scenario; *c != '\0'; ++c) {
      if (*c == '-') {
        word = true;
        continue;
      }
      name += word ? static_cast<char>(std::toupper(static_cast<unsigned char>(*c))) : *c;
      word = false;
    }
    return name;
  }
};

}  // namespace drobi::testing
