#pragma once

#include "ui/lesson/menu_commands.hpp"

namespace drobi::web {

// The bar above the form with the menus of MenuBar(): a button for each menu, which opens its
// entries, with the access key underlined (Alt and the letter), and each entry's shortcut beside
// it. dom_library.js opens and closes the menus, moves through them with the arrow keys, and
// hands a chosen entry or a pressed shortcut to drobi_page_command, but only while the entry is
// enabled: then the browser's own use of the key is prevented, and otherwise left to it.
class MenuBarElement {
 public:
  MenuBarElement();

  // Enables each entry as CommandEnabled says for the page shown at `zoom_percent`.
  void Enable(int zoom_percent) const;
};

}  // namespace drobi::web
