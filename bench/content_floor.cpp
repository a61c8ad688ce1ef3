// What the window's content costs Qt's text stack, without a single widget for it: one plain
// window of the program's client size that paints, in the program's font, every text the window
// shows when it opens. The captions of the layout table, the button's caption, the rows of the
// seven lists that fit in their rectangles and the lines of the description that fit in its field,
// all taken from a form after Form_Load and placed where the layout table puts them. Linked with
// first_frame.cpp, it ends on its first paint, like qt_floor.
#include <QApplication>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QTextLayout>
#include <QTextOption>
#include <QWidget>
#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "core/random_source.hpp"
#include "ui/form_controls.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/main_window.hpp"
#include "ui/window_layout.hpp"
#include "ui/window_scale.hpp"

namespace {

using drobi::ControlKind;
using drobi::ControlLayout;
constexpr drobi::WindowScale kScale;

QRect PixelRect(const ControlLayout& control) {
  return QRect(kScale.Pixels(control.left), kScale.Pixels(control.top),
               kScale.Pixels(control.width), kScale.Pixels(control.height));
}

// The rows a list of that height shows: from the top, or as far down as keeps the selected row in
// view, one line of the font per row.
void PaintRows(QPainter& painter, const QRect& rect, const drobi::ListBox& list) {
  const int line = painter.fontMetrics().lineSpacing();
  const int fit = rect.height() / line;
  const std::vector<std::string>& rows = list.Rows();
  const int count = static_cast<int>(rows.size());
  const int first = std::clamp(list.ListIndex() - fit + 1, 0, std::max(0, count - fit));
  const int last = std::min(count, first + fit);
  for (int row = first; row < last; ++row) {
    const QRect place(rect.left(), rect.top() + (row - first) * line, rect.width(), line);
    painter.drawText(place, Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(rows[static_cast<std::size_t>(row)]));
  }
}

// The text word-wrapped to the rectangle's width; only the lines that fit in its height are drawn,
// and none is laid out past the first that does not fit.
void PaintVisibleLines(QPainter& painter, const QRect& rect, const std::string& text) {
  if (text.empty()) return;
  QString shown = QString::fromStdString(text);
  shown.replace(QLatin1Char('\n'), QChar::LineSeparator);
  QTextLayout layout(shown, painter.font());
  QTextOption option(Qt::AlignLeft);
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  int visible = 0;
  qreal height = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(rect.width());
    if (height + line.height() > rect.height()) break;
    line.setPosition(QPointF(0, height));
    height += line.height();
    ++visible;
  }
  layout.endLayout();
  for (int i = 0; i < visible; ++i) layout.lineAt(i).draw(&painter, rect.topLeft());
}

class ContentFloor : public QWidget {
 public:
  explicit ContentFloor(const drobi::MainForm& form) : form_(form) {
    const drobi::WindowLayout& window = drobi::MainWindowLayout();
    resize(kScale.Pixels(window.client_width), kScale.Pixels(window.client_height));
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QFont window_font = drobi::MainWindowFont();
    for (const ControlLayout& control : drobi::MainWindowControls()) {
      QFont font = window_font;
      if (control.font_points != drobi::MainWindowLayout().font_points) {
        font.setPointSize(control.font_points);
      }
      painter.setFont(font);
      const QRect rect = PixelRect(control);
      switch (control.kind) {
        case ControlKind::kLabel:
          painter.drawText(rect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                           QString::fromUtf8(control.caption));
          break;
        case ControlKind::kButton:
          painter.drawText(rect, Qt::AlignCenter, QString::fromStdString(form_.Command1.Caption()));
          break;
        case ControlKind::kList:
          PaintRows(painter, rect, drobi::ListOf(form_, control));
          break;
        case ControlKind::kText:
          PaintVisibleLines(painter, rect, drobi::TextOf(form_, control).Text());
          break;
        case ControlKind::kSpot:
          break;
      }
    }
  }

 private:
  const drobi::MainForm& form_;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // As the program does, so that no second font is loaded for the application's default.
  QApplication::setFont(drobi::MainWindowFont());
  drobi::ClockRandomSource random;
  drobi::MainForm form(random, drobi::SystemNumberStyle());
  form.Form_Load();
  ContentFloor window(form);
  window.show();
  return app.exec();
}
