#include "ui/web/split_title.hpp"

#include "ui/lesson/menu_commands.hpp"

namespace drobi::web {

SplitTitle Split(std::string_view title) {
  const std::string key = AccessKey(title);
  const std::string plain = PlainTitle(title);
  const std::size_t at = key.empty() ? plain.size() : title.find('&');
  return {plain.substr(0, at), key, plain.substr(at + key.size())};
}

std::string Joined(const SplitTitle& title) {
  return title.before + '\x1f' + title.key + '\x1f' + title.after + '\x1f';
}

}  // namespace drobi::web
