#include "ui/qt/sheet_painter.hpp"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QSaveFile>

#include "ui/lesson/lesson_text.hpp"
#include "ui/window_layout.hpp"

namespace drobi {
namespace {

QFont PageFontOf(PageFont role, double size, bool bold) {
  QFont font(QString::fromUtf8(role == PageFont::kFixed ? kLessonFontFamily
                                                        : MainWindowLayout().font_family));
  // Bulgarian and digits need no shaping; without kerning every character advances by its own
  // width, as the layout reckons a line.
  font.setStyleHint(role == PageFont::kFixed ? QFont::TypeWriter : QFont::Serif,
                    QFont::PreferNoShaping);
  font.setKerning(false);
  font.setPointSizeF(size);
  font.setBold(bold);
  return font;
}

}  // namespace

bool PaintSheets(const SheetDocument& document, QPagedPaintDevice& device) {
  QPageLayout paper(QPageSize(QSizeF(document.width, document.height), QPageSize::Point),
                    QPageLayout::Portrait, QMarginsF(), QPageLayout::Point);
  // The full page also on a printer whose margins are wider: the list keeps its own.
  paper.setMode(QPageLayout::FullPageMode);
  if (!device.setPageLayout(paper)) return false;
  QPainter painter;
  if (!painter.begin(&device)) return false;
  // The device's units per point: its resolution, which a font's point size follows by itself.
  const double scale = device.logicalDpiX() / 72.0;
  const auto at = [scale](double x, double y) { return QPointF(x * scale, y * scale); };
  painter.setRenderHint(QPainter::Antialiasing);
  // The font is set only when a run changes it: a page has a few of them, each in long stretches.
  PageFont role = PageFont::kSerif;
  double size = 0;
  bool bold = false;
  for (std::size_t i = 0; i < document.pages.size(); ++i) {
    if (i > 0 && !device.newPage()) return false;
    const SheetPage& page = document.pages[i];
    for (const PageRun& run : page.runs) {
      if (run.font != role || run.size != size || run.bold != bold) {
        role = run.font;
        size = run.size;
        bold = run.bold;
        painter.setFont(PageFontOf(role, size, bold));
      }
      painter.drawText(at(run.x, run.y), QString::fromStdString(run.text));
    }
    for (const PageRule& rule : page.rules) {
      painter.setPen(QPen(Qt::black, rule.width * scale, Qt::SolidLine, Qt::FlatCap));
      painter.drawLine(at(rule.x1, rule.y1), at(rule.x2, rule.y2));
    }
  }
  return painter.end();
}

QFileDevice::FileError WriteSheetsPdf(const SheetDocument& document, const QString& path,
                                      const QString& title) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.error();
  bool painted = false;
  {
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("drobi"));
    painted = PaintSheets(document, writer);
  }
  if (!painted) {
    file.cancelWriting();
    return file.error() != QFileDevice::NoError ? file.error() : QFileDevice::WriteError;
  }
  if (!file.commit())
    return file.error() != QFileDevice::NoError ? file.error() : QFileDevice::WriteError;
  return QFileDevice::NoError;
}

}  // namespace drobi
