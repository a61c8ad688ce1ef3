#include "ui/qt_texts_on_demand.hpp"

#include <QAccessible>
#include <QChildEvent>
#include <QCoreApplication>
#include <QScopedValueRollback>
#include <QWidget>

#include "ui/start_up.hpp"

namespace drobi {

QtTextsOnDemand::QtTextsOnDemand(QCoreApplication& app) : app_(app) {
  app_.installEventFilter(this);
}

void QtTextsOnDemand::Install() {
  if (installed_) return;
  installed_ = true;
  app_.removeEventFilter(this);
  InstallQtTexts(app_, translator_);
}

bool QtTextsOnDemand::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::ContextMenu:
      // Text fields and scroll bars build their menus while handling this event.
      Install();
      break;
    case QEvent::ChildAdded: {
      // Sent while the child is being made, before a menu adds its entries or a message box its
      // buttons.
      QObject* child = static_cast<QChildEvent*>(event)->child();
      if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow()) Install();
      break;
    }
    default:
      // A screen reader also reads Qt's names of actions. The first question starts the
      // platform's accessibility bridge, which sends events of its own while it is being made:
      // asking again from those would wait on the bridge forever.
      if (!asking_) {
        const QScopedValueRollback asking(asking_, true);
        if (QAccessible::isActive()) Install();
      }
      break;
  }
  return false;
}

}  // namespace drobi
