#include "ui/qt/command_menu_bar.hpp"

#include <QAction>
#include <QMenu>
#include <stdexcept>

#include "ui/qt/command_keys.hpp"

namespace drobi {

CommandMenuBar::CommandMenuBar(QWidget* parent) : QMenuBar(parent) {
  // The window counts the bar's height above the form's client area, so the bar stays in the
  // window also where a desktop would take it into a global menu.
  setNativeMenuBar(false);
  for (const Menu& menu : MenuBar()) {
    QMenu* entries = addMenu(QString::fromUtf8(menu.title));
    for (const Command& command : menu.commands) {
      QAction* action = entries->addAction(QString::fromUtf8(command.title));
      action->setShortcuts(CommandKeys(command.id));
      action->setData(static_cast<int>(command.id));
      connect(action, &QAction::triggered, this, [this, id = command.id] { emit Chosen(id); });
      actions_.emplace_back(command.id, action);
    }
  }
}

QAction* CommandMenuBar::Action(CommandId id) const {
  for (const auto& [command, action] : actions_) {
    if (command == id) return action;
  }
  throw std::logic_error("a command without an entry");
}

void CommandMenuBar::EnableFor(int zoom_percent) {
  for (const auto& [command, action] : actions_) {
    action->setEnabled(CommandEnabled(command, zoom_percent));
  }
}

}  // namespace drobi
