#pragma once

#include <string>
#include <string_view>

namespace drobi::web {

// A title with '&' before its access key as the text before the key, the key and the text after
// it, so that the document underlines that letter without reading the '&' itself.
struct SplitTitle {
  std::string before, key, after;
};

SplitTitle Split(std::string_view title);

// The parts of Split(title), each ended by "\x1f", as one text for dom_library.js.
std::string Joined(const SplitTitle& title);

}  // namespace drobi::web
