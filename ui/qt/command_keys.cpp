#include "ui/qt/command_keys.hpp"

namespace drobi {

QList<QKeySequence> CommandKeys(CommandId id) {
  QList<QKeySequence> keys;
  const auto add = [&keys](const QKeySequence& key) {
    if (!keys.contains(key)) keys.push_back(key);
  };
  // The table's keys (capital Latin letters, digits, '+' and '-') are their own Qt key codes.
  if (const char key = CommandOf(id).shortcut.key; key != 0) {
    add(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(key)));
  }
  if (id == CommandId::kZoomIn) {
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::ZoomIn)) add(key);
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal));
  } else if (id == CommandId::kZoomOut) {
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::ZoomOut)) add(key);
  }
  return keys;
}

int ZoomDirection(CommandId id) {
  switch (id) {
    case CommandId::kZoomIn:
      return 1;
    case CommandId::kZoomOut:
      return -1;
    default:
      return 0;
  }
}

}  // namespace drobi
