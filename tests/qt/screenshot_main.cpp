// The program as it starts, looked at from outside under a real X server.
//
//   drobi_screenshot OUT.png            saves what the display shows of the window, then quits
//   drobi_screenshot --zoom OUT.png     the same four zoom steps larger (200 %)
//   drobi_screenshot --tooltip OUT.png  prints "hover X Y", the point of the screen over a digit
//                                       of the long number; once a real pointer there has brought
//                                       up its hover text, saves the screen around the window and
//                                       exits 0 when the hover text is dark on a light ground,
//                                       1 when it is not readable
//
// Everything else is the program itself: the same window, form and start-up.

#include <QApplication>
#include <QImage>
#include <QListView>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <functional>

#include "ui/qt/main_window.hpp"
#include "ui/qt/program.hpp"

namespace {

// Calls `then` once the window is on the display, or ends the program after five seconds.
void WhenExposed(QWidget& window, const std::function<void()>& then, int attempts_left = 100) {
  QWindow* handle = window.windowHandle();
  if (handle != nullptr && handle->isExposed()) {
    // Give the first paint time to reach the display before reading it back.
    QTimer::singleShot(300, &window, then);
    return;
  }
  if (attempts_left == 0) {
    std::fprintf(stderr, "drobi_screenshot: the window never came on screen\n");
    QCoreApplication::exit(1);
    return;
  }
  QTimer::singleShot(50, &window, [&window, then, attempts_left] {
    WhenExposed(window, then, attempts_left - 1);
  });
}

bool Save(const QPixmap& shot, const char* path) {
  if (shot.save(QString::fromLocal8Bit(path), "PNG")) return true;
  std::fprintf(stderr, "drobi_screenshot: cannot write %s\n", path);
  return false;
}

QWidget* ShownToolTip() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->inherits("QTipLabel") && widget->isVisible()) return widget;
  }
  return nullptr;
}

int Luminance(QRgb pixel) {
  return (qRed(pixel) * 299 + qGreen(pixel) * 587 + qBlue(pixel) * 114) / 1000;
}

// Readable: most of the box is a light ground and some of it is dark text.
bool Readable(const QImage& box) {
  long long light = 0, dark = 0;
  for (int y = 0; y < box.height(); ++y) {
    for (int x = 0; x < box.width(); ++x) {
      const int l = Luminance(box.pixel(x, y));
      light += l >= 170 ? 1 : 0;
      dark += l <= 90 ? 1 : 0;
    }
  }
  const long long all = static_cast<long long>(box.width()) * box.height();
  std::printf("hover text %dx%d: %.0f%% light, %.1f%% dark\n", box.width(), box.height(),
              100.0 * static_cast<double>(light) / static_cast<double>(all),
              100.0 * static_cast<double>(dark) / static_cast<double>(all));
  return all > 0 && light * 2 > all && dark * 200 > all;
}

void AwaitToolTip(QWidget& window, const char* path, int attempts_left = 200) {
  QWidget* tip = ShownToolTip();
  if (tip == nullptr) {
    if (attempts_left == 0) {
      std::fprintf(stderr, "drobi_screenshot: no hover text came up\n");
      QCoreApplication::exit(1);
      return;
    }
    QTimer::singleShot(50, &window, [&window, path, attempts_left] {
      AwaitToolTip(window, path, attempts_left - 1);
    });
    return;
  }
  QTimer::singleShot(300, &window, [&window, path] {
    QWidget* tip = ShownToolTip();
    if (tip == nullptr) {
      QCoreApplication::exit(1);
      return;
    }
    QScreen* screen = window.screen();
    const QRect area = window.frameGeometry().united(tip->frameGeometry()).adjusted(-8, -8, 8, 8);
    const bool saved =
        Save(screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()), path);
    const QRect box = tip->frameGeometry();
    const QImage pixels =
        screen->grabWindow(0, box.x(), box.y(), box.width(), box.height()).toImage();
    std::printf("hover text: %s\n", qPrintable(QToolTip::text().simplified()));
    QCoreApplication::exit(saved && Readable(pixels) ? 0 : 1);
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool tooltip = argc == 3 && std::strcmp(argv[1], "--tooltip") == 0;
  const bool zoom = argc == 3 && std::strcmp(argv[1], "--zoom") == 0;
  if (!tooltip && !zoom && argc != 2) {
    std::fprintf(stderr, "usage: drobi_screenshot [--tooltip|--zoom] OUT.png\n");
    return 2;
  }
  const char* path = argv[argc - 1];
  int qt_argc = 1;
  return drobi::RunProgram(qt_argc, argv, [tooltip, zoom, path](drobi::MainWindow& window) {
    WhenExposed(window, [&window, tooltip, zoom, path] {
      if (!tooltip) {
        for (int step = 0; zoom && step < 4; ++step) window.Zoom(1);
        QTimer::singleShot(zoom ? 500 : 0, &window, [&window, path] {
          QCoreApplication::exit(Save(window.screen()->grabWindow(window.winId()), path) ? 0 : 1);
        });
        return;
      }
      // Hover texts show in the active window; with no window manager to make it so, ask.
      window.activateWindow();
      auto* dylgo = window.findChild<QListView*>(QStringLiteral("Dylgo"));
      const QRect row = dylgo->visualRect(dylgo->model()->index(2, 0));
      const QPoint at = dylgo->viewport()->mapToGlobal(row.center());
      std::printf("hover %d %d\n", at.x(), at.y());
      std::fflush(stdout);
      AwaitToolTip(window, path);
    });
  });
}
