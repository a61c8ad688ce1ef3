#include "ui/web/number_style.hpp"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/number_text.hpp"
#include "ui/web/dom.hpp"

namespace drobi::web {

NumberStyle BrowserNumberStyle() {
  const std::unique_ptr<char, decltype(&std::free)> answer(drobi_dom_number_style(), &std::free);
  return answer ? NumberStyleOf(answer.get()) : NumberStyle{};
}

NumberStyle NumberStyleOf(std::string_view answer) {
  std::vector<std::string> parts;
  for (std::size_t end; (end = answer.find('\n')) != std::string_view::npos;
       answer.remove_prefix(end + 1)) {
    parts.emplace_back(answer.substr(0, end));
  }
  NumberStyle style;
  if (parts.size() < 4) return style;
  if (!parts[0].empty()) style.decimal_separator = parts[0];
  style.group_separator = parts[1];
  if (!parts[2].empty()) style.negative_sign = parts[2];
  style.group_size = static_cast<int>(WholeFromText(parts[3]).value_or(0));
  return style;
}

}  // namespace drobi::web
