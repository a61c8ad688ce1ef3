#include "ui/web/menu_bar_element.hpp"

#include "ui/web/dom_views.hpp"
#include "ui/web/split_title.hpp"

namespace drobi::web {

MenuBarElement::MenuBarElement() {
  int index = 0;
  for (const Menu& menu : MenuBar()) {
    const SplitTitle title = Split(menu.title);
    drobi_dom_add_menu(index, title.before.c_str(), title.key.c_str(), title.after.c_str());
    for (const Command& command : menu.commands) {
      const SplitTitle entry = Split(command.title);
      drobi_dom_add_command(index, static_cast<int>(command.id), entry.before.c_str(),
                            entry.key.c_str(), entry.after.c_str(),
                            ShortcutText(command.shortcut).c_str(), command.shortcut.key,
                            command.spoken != nullptr ? command.spoken : "");
    }
    ++index;
  }
}

void MenuBarElement::Enable(int zoom_percent) const {
  for (const Menu& menu : MenuBar()) {
    for (const Command& command : menu.commands) {
      drobi_dom_enable_command(static_cast<int>(command.id),
                               CommandEnabled(command.id, zoom_percent) ? 1 : 0);
    }
  }
}

}  // namespace drobi::web
