#include "ui/qt/message_line.hpp"

#include <QAccessible>

namespace drobi {

MessageLine::MessageLine(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("message"));
  setWordWrap(true);
  setTextFormat(Qt::PlainText);
  hide();
}

void MessageLine::Tell(const QString& message) {
  setText(message);
  setVisible(!message.isEmpty());
  setAccessibleName(message);
  if (message.isEmpty()) return;
  QAccessibleEvent changed(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&changed);
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

}  // namespace drobi
