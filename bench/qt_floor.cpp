// The plainest Qt Widgets text window, the floor that the program's start-up is compared with: a
// window of the program's size drawing one line of Cyrillic text in the program's font, so that it
// starts the font system as any text program must. Linked with first_frame.cpp, it ends on its
// first paint.
#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QWidget>

namespace {

class FloorWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    painter.drawText(20, 40, QStringLiteral("Делимо"));
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  FloorWindow window;
  window.resize(566, 326);
  window.show();
  return app.exec();
}
