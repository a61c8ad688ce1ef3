// Linked into a program to make it end after its first frame: the first paint of a top-level
// window ends the process once that frame is done. The program's own main and code run unchanged;
// the hook is installed from outside when QApplication is built, so the start-up being measured is
// the program's own.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace {

class QuitOnFirstPaint : public QObject {
 public:
  using QObject::QObject;

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
      // The window's own paint comes first in a frame; the child widgets and the flush to the
      // screen follow in the same pass, before the event loop runs the timer. Ending there
      // leaves the tearing down of the window out of what is measured: it is not start-up.
      QCoreApplication::instance()->removeEventFilter(this);
      QTimer::singleShot(0, [] { std::_Exit(0); });
    }
    return false;
  }
};

void InstallQuitOnFirstPaint() {
  QCoreApplication* app = QCoreApplication::instance();
  app->installEventFilter(new QuitOnFirstPaint(app));  // owned by the application
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallQuitOnFirstPaint)
