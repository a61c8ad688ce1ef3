#pragma once

#include <QMenuBar>
#include <utility>
#include <vector>

#include "ui/lesson/menu_commands.hpp"

class QAction;

namespace drobi {

// A window's menu bar, built from the command table: its menus and entries with their access
// keys, and each entry's keys (CommandKeys) as shortcuts of the window it sits in. Choosing an
// entry, with the mouse, its access key or a shortcut, emits Chosen.
class CommandMenuBar : public QMenuBar {
  Q_OBJECT

 public:
  explicit CommandMenuBar(QWidget* parent);

  // The entry of a command; the table has every command in a menu.
  QAction* Action(CommandId id) const;
  // Enables each entry as CommandEnabled says for a window shown at `zoom_percent`.
  void EnableFor(int zoom_percent);

 signals:
  void Chosen(CommandId id);

 private:
  std::vector<std::pair<CommandId, QAction*>> actions_;  // in the table's order
};

}  // namespace drobi
