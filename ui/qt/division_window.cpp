#include "ui/qt/division_window.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBlock>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "ui/qt/command_keys.hpp"
#include "ui/window_layout.hpp"
#include "ui/window_scale.hpp"

namespace drobi {
namespace {

QFont LessonFont(int zoom_percent) {
  QFont font(QString::fromUtf8(kLessonFontFamily));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(kLessonFontPoints * WindowScale(kDefaultDpi, zoom_percent).Factor());
  return font;
}

QTextCharFormat MarkFormat(MarkRole role) {
  const MarkLook look = LookOf(role);
  const Rgb tint = StoredRgb(look.tint);
  QTextCharFormat format;
  format.setBackground(QColor(tint.red, tint.green, tint.blue));
  if (look.underline) format.setFontUnderline(true);
  if (look.bold) format.setFontWeight(QFont::Bold);
  return format;
}

}  // namespace

DivisionWindow::DivisionWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  const QString title = QString::fromUtf8(kDivisionViewTitle);
  setWindowTitle(title);
  setAccessibleName(title);
  if (parent != nullptr) setWindowIcon(parent->windowIcon());
  lines_ = new QPlainTextEdit(this);
  lines_->setAccessibleName(title);
  lines_->setReadOnly(true);
  // A caret that the arrows move, so that a screen reader reads the lines one by one.
  lines_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  // The blanks align the columns only on unbroken lines.
  lines_->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The marks are formats of the text; they are not edits to undo.
  lines_->setUndoRedoEnabled(false);
  lines_->setFont(LessonFont(zoom_));
  lines_->installEventFilter(this);
  lines_->viewport()->installEventFilter(this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lines_);

  for (const CommandId id : {CommandId::kZoomIn, CommandId::kZoomOut, CommandId::kActualSize}) {
    auto* shortcut = new QShortcut(this);
    shortcut->setKeys(CommandKeys(id));
    connect(shortcut, &QShortcut::activated, this, [this, id] { Zoom(ZoomDirection(id)); });
  }
}

void DivisionWindow::SetText(const LessonText& text) {
  if (text == text_) return;
  const bool new_lines = text.lines != text_.lines;
  const auto selected_line = [](const LessonText& of) {
    for (const MarkedSpan& mark : of.marks) {
      if (mark.role == MarkRole::kSelectedStep) return mark.line;
    }
    return -1;
  };
  const bool new_step = selected_line(text) != selected_line(text_);
  std::vector<MarkedSpan> shown_marks = std::move(text_.marks);
  text_ = text;
  if (new_lines) {
    QStringList shown;
    for (const std::string& line : text_.lines) shown.push_back(QString::fromStdString(line));
    lines_->setPlainText(shown.join(u'\n'));
    shown_marks.clear();
  }
  for (const MarkedSpan& mark : shown_marks) Span(mark).setCharFormat(QTextCharFormat());
  // Formats merged in the table's order: where marks overlap the later tint shows, and the
  // underline and bold type of each stay.
  for (const MarkedSpan& mark : text_.marks) Span(mark).mergeCharFormat(MarkFormat(mark.role));
  if (new_lines || new_step) KeepSelectedStepInView();
}

QTextCursor DivisionWindow::Span(const MarkedSpan& mark) const {
  const QTextBlock line = lines_->document()->findBlockByNumber(mark.line);
  if (!line.isValid()) return QTextCursor();
  // A mark's characters are UTF-16 units of the line, which ends one unit before its length.
  const int end = line.length() - 1;
  QTextCursor span(line);
  span.setPosition(line.position() + std::min(mark.first, end));
  span.setPosition(line.position() + std::min(mark.first + mark.count, end),
                   QTextCursor::KeepAnchor);
  return span;
}

void DivisionWindow::KeepSelectedStepInView() {
  const auto step = std::find_if(text_.marks.begin(), text_.marks.end(), [](const auto& mark) {
    return mark.role == MarkRole::kSelectedStep;
  });
  if (step == text_.marks.end()) return;
  // Unbroken lines scroll a line per step of the scroll bar, its value the first line in view.
  QScrollBar& bar = *lines_->verticalScrollBar();
  const int in_view =
      std::max(1, lines_->viewport()->height() / QFontMetrics(lines_->font()).lineSpacing());
  if (step->line >= bar.value() && step->line < bar.value() + in_view) return;
  bar.setValue(step->line - in_view / 2);
}

void DivisionWindow::Open() {
  if (!opened_) {
    opened_ = true;
    resize(SizeForText());
  }
  show();
  raise();
  activateWindow();
  lines_->setFocus(Qt::ActiveWindowFocusReason);
  KeepSelectedStepInView();
}

QSize DivisionWindow::SizeForText() const {
  const QFontMetrics metrics(lines_->font());
  int columns = 0;
  for (const std::string& line : text_.lines) columns = std::max(columns, CharCount(line));
  const int edges =
      2 * (lines_->frameWidth() + static_cast<int>(lines_->document()->documentMargin()));
  const int bar = lines_->verticalScrollBar()->sizeHint().width();
  const QSize text(
      metrics.horizontalAdvance(QLatin1Char('0')) * (columns + 1) + edges + bar,
      metrics.lineSpacing() * (static_cast<int>(text_.lines.size()) + 1) + edges + bar);
  const QSize room = screen()->availableGeometry().size() * 0.9;
  return text.boundedTo(room).expandedTo(QSize(320, 160));
}

void DivisionWindow::Zoom(int direction) {
  const int zoom = direction == 0 ? 100 : WindowScale(kDefaultDpi, zoom_).NextStep(direction);
  if (zoom == zoom_) return;
  zoom_ = zoom;
  lines_->setFont(LessonFont(zoom_));
  KeepSelectedStepInView();
}

bool DivisionWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lines_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) &&
      !lines_->textCursor().hasSelection()) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text_.Joined()));
    return true;
  }
  if (watched == lines_->viewport() && event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
    if (const int step = wheel_.Turn(wheel->angleDelta().y())) Zoom(step);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace drobi
