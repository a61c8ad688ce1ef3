#include "ui/qt/main_window.hpp"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QImageReader>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <cstdio>
#include <memory>

#include "ui/form_controls.hpp"
#include "ui/lesson/fraction_entry.hpp"
#include "ui/lesson/row_texts.hpp"
#include "ui/lesson/written_division.hpp"
#include "ui/qt/click_label.hpp"
#include "ui/qt/command_keys.hpp"
#include "ui/qt/command_menu_bar.hpp"
#include "ui/qt/division_window.hpp"
#include "ui/qt/exercises_window.hpp"
#include "ui/qt/flat_button.hpp"
#include "ui/qt/fraction_dialog.hpp"
#include "ui/qt/list_view.hpp"
#include "ui/qt/scroll_bar_style.hpp"
#include "ui/qt/text_field.hpp"
#include "ui/qt/worksheet_dialog.hpp"
#include "ui/window_layout.hpp"
#include "ui/window_scale.hpp"

namespace drobi {
namespace {

QColor StoredColour(std::uint32_t stored) {
  const Rgb rgb = StoredRgb(stored);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QRect PixelRect(const ControlLayout& control, const WindowScale& scale) {
  return QRect(scale.Pixels(control.left), scale.Pixels(control.top), scale.Pixels(control.width),
               scale.Pixels(control.height));
}

QSize ClientSize(const WindowScale& scale) {
  const WindowLayout& window = MainWindowLayout();
  return QSize(scale.Pixels(window.client_width), scale.Pixels(window.client_height));
}

void FillBackground(QWidget& widget, std::uint32_t stored) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, StoredColour(stored));
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

}  // namespace

MainWindow::MainWindow(MainForm& form, QWidget* parent)
    : QWidget(parent),
      form_(form),
      edge_([this](const ErrorReport& report) { ShowError(report); }, EndEventLoop) {
  const WindowLayout& window = MainWindowLayout();
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QString::fromUtf8(window.caption));
  setAccessibleName(QString::fromUtf8(window.spoken_caption));
  // Naming the icon's format spares Qt loading every image plugin to guess it.
  QImageReader icon(QStringLiteral(":/drobi.png"), "png");
  icon.setAutoDetectImageFormat(false);
  setWindowIcon(QIcon(QPixmap::fromImage(icon.read())));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint);
  FillBackground(*this, window.back_colour);
  setFont(MainWindowFont());
  // A Windows list shows its selected row in the highlight colour also without focus; the three
  // fraction lists must show the shared row together.
  QPalette palette = this->palette();
  for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  }
  setPalette(palette);
  menu_bar_ = new CommandMenuBar(this);
  // The bar looks as the platform's do, not in the form's colour, and keeps the font of 100 %
  // as the window zooms: its height is what the window adds to the form's client area.
  QPalette platform = QApplication::palette(menu_bar_);
  for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::ButtonText}) {
    platform.setBrush(role, platform.brush(role));  // set, so that the window's does not pass on
  }
  menu_bar_->setPalette(platform);
  menu_bar_->setAutoFillBackground(true);
  menu_bar_->setFont(font());
  menu_height_ = menu_bar_->sizeHint().height();
  menu_bar_->setGeometry(0, 0, ClientSize(scale_).width(), menu_height_);
  menu_bar_->EnableFor(scale_.Percent());
  connect(menu_bar_, &CommandMenuBar::Chosen, this, &MainWindow::Choose);
  // Never smaller than the form at 100 %.
  setMinimumSize(WindowSize(scale_));
  resize(WindowSize(scale_));
  content_ = new QWidget(this);
  content_->setGeometry(QRect(QPoint(0, menu_height_), ClientSize(scale_)));
  CreateControls();
  edge_.SetSettled([this] { FollowForm(); });
  // Ctrl and the wheel zoom over any part of the window, also over a list or text field that
  // would scroll by the wheel.
  QCoreApplication::instance()->installEventFilter(this);
}

void MainWindow::CreateControls() {
  const WindowLayout& window = MainWindowLayout();
  QWidget* previous_in_tab_order = nullptr;
  for (const ControlLayout& control : MainWindowControls()) {
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::kList: {
        auto* list = new ListView(ListOf(form_, control), edge_, content_);
        if (auto texts = RowTextsFor(form_, control)) list->Rows().SetRowTexts(std::move(texts));
        if (control.long_number) connect(list, &ListView::Opened, this, &MainWindow::OpenDivision);
        widget = list;
        break;
      }
      case ControlKind::kText:
        widget = new TextField(TextOf(form_, control), edge_, content_);
        break;
      case ControlKind::kButton: {
        auto* button = new FlatButton(QString::fromStdString(form_.Command1.Caption()),
                                      StoredColour(control.back_colour), content_);
        connect(button, &QPushButton::clicked, this,
                [this] { edge_.Run([this] { form_.Command1.Click(); }); });
        widget = button;
        break;
      }
      case ControlKind::kLabel: {
        auto* label = new QLabel(QString::fromUtf8(control.caption), content_);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        widget = label;
        break;
      }
      case ControlKind::kSpot: {
        auto* spot = new ClickLabel(content_);
        connect(spot, &ClickLabel::clicked, this,
                [this] { edge_.Run([this] { form_.Label1.Click(); }); });
        widget = spot;
        break;
      }
    }
    widget->setObjectName(QString::fromUtf8(control.name));
    widget->setGeometry(PixelRect(control, scale_));
    controls_.push_back(widget);
    if (control.hover != nullptr) {
      widget->setToolTip(QString::fromUtf8(control.hover));
      widget->setAccessibleDescription(QString::fromUtf8(control.spoken_hover));
    }
    if (control.accessible_name != nullptr) {
      widget->setAccessibleName(QString::fromUtf8(control.accessible_name));
    }
    if (control.font_points != window.font_points) {
      QFont own = widget->font();
      own.setPointSize(control.font_points);
      widget->setFont(own);
    }
    if (control.back_colour != kPlatformColour && control.kind != ControlKind::kButton) {
      FillBackground(*widget, control.back_colour);
    }
    widget->setFocusPolicy(TakesFocus(control.kind) ? Qt::StrongFocus : Qt::NoFocus);
    if (TakesFocus(control.kind)) {
      if (previous_in_tab_order != nullptr) setTabOrder(previous_in_tab_order, widget);
      previous_in_tab_order = widget;
    }
  }
}

void MainWindow::Zoom(int direction) {
  // The work area of the window's screen, less the frame the window system draws around it.
  const QSize room = screen()->availableGeometry().size() - (frameGeometry().size() - size());
  WindowScale zoom(kDefaultDpi, direction == 0 ? 100 : scale_.NextStep(direction));
  while (zoom.Factor() > 1 &&
         (WindowSize(zoom).width() > room.width() || WindowSize(zoom).height() > room.height())) {
    zoom = WindowScale(kDefaultDpi, zoom.NextStep(-1));
  }
  // A larger step that does not fit does not make the window smaller.
  if (direction > 0 && zoom.Factor() <= scale_.Factor()) return;
  if (isMaximized() || isFullScreen()) showNormal();
  zoom_ = zoom;
  resize(WindowSize(zoom));
  if (size() == WindowSize(zoom)) LayOut(zoom);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  menu_bar_->setGeometry(0, 0, width(), menu_height_);
  LayOut(size() == WindowSize(zoom_)
             ? zoom_
             : WindowScale::Fitting(width(), height() - menu_height_, kDefaultDpi));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel || !watched->isWidgetType() ||
      static_cast<QWidget*>(watched)->window() != this) {
    return QWidget::eventFilter(watched, event);
  }
  auto* wheel = static_cast<QWheelEvent*>(event);
  if (!(wheel->modifiers() & Qt::ControlModifier)) return false;
  if (const int step = wheel_.Turn(wheel->angleDelta().y())) Zoom(step);
  return true;
}

void MainWindow::LayOut(const WindowScale& scale) {
  if (!(scale == scale_)) Rescale(scale);
  const QSize client = ClientSize(scale);
  content_->setGeometry(
      QRect(QPoint((width() - client.width()) / 2,
                   menu_height_ + (height() - menu_height_ - client.height()) / 2),
            client));
}

QSize MainWindow::WindowSize(const WindowScale& scale) const {
  return ClientSize(scale) + QSize(0, menu_height_);
}

void MainWindow::Rescale(const WindowScale& scale) {
  scale_ = scale;
  const double factor = scale.Factor();
  const WindowLayout& window = MainWindowLayout();
  QFont font = MainWindowFont();
  font.setPointSizeF(window.font_points * factor);
  setFont(font);
  if (bar_style_ == nullptr) {
    bar_style_ = new ScrollBarStyle();
    bar_style_->setParent(this);
    for (auto* area : content_->findChildren<QAbstractScrollArea*>()) {
      area->verticalScrollBar()->setStyle(bar_style_);
      area->horizontalScrollBar()->setStyle(bar_style_);
    }
  }
  bar_style_->SetFactor(factor);
  menu_bar_->EnableFor(scale.Percent());
  const auto layout = MainWindowControls();
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const ControlLayout& control = layout[i];
    QWidget* widget = controls_[i];
    if (control.font_points != window.font_points) {
      QFont own = font;
      own.setPointSizeF(control.font_points * factor);
      widget->setFont(own);
    }
    if (auto* area = qobject_cast<QAbstractScrollArea*>(widget)) {
      area->verticalScrollBar()->updateGeometry();
    }
    widget->setGeometry(PixelRect(control, scale));
    if (auto* list = qobject_cast<ListView*>(widget)) {
      list->SetLineWidth(scale.Lengthen(1));
      list->KeepSelectionInView();
    } else if (auto* button = qobject_cast<FlatButton*>(widget)) {
      button->SetEdge(scale.Lengthen(2));
    }
  }
}

void MainWindow::Choose(CommandId id) {
  switch (id) {
    case CommandId::kDivisionView:
      OpenDivision();
      return;
    case CommandId::kEnterFraction:
      OpenFractionEntry();
      return;
    case CommandId::kExercises:
      OpenExercises();
      return;
    case CommandId::kWorksheet:
      OpenWorksheet();
      return;
    case CommandId::kZoomIn:
    case CommandId::kZoomOut:
    case CommandId::kActualSize:
      Zoom(ZoomDirection(id));
      return;
    case CommandId::kAbout:
      ShowAbout();
      return;
  }
}

void MainWindow::OpenDivision() {
  if (division_ == nullptr) division_ = new DivisionWindow(this);
  // The written division reads the form, whose errors go where the handlers' go.
  edge_.Run([this] { division_->SetText(WrittenDivisionOf(form_)); });
  if (!edge_.Failed()) division_->Open();
}

void MainWindow::OpenFractionEntry() {
  if (fraction_dialog_ == nullptr) {
    fraction_dialog_ = new FractionDialog(this, [this](const EnteredFraction& fraction) {
      edge_.Run([this, fraction] { EnterFraction(form_, fraction); });
    });
  }
  fraction_dialog_->Start();
}

void MainWindow::OpenExercises() {
  if (exercises_window_ == nullptr) {
    exercises_window_ = new ExercisesWindow(this, form_, edge_, [this] { OpenDivision(); });
  }
  exercises_window_->Open();
}

void MainWindow::OpenWorksheet() {
  if (worksheet_dialog_ == nullptr) worksheet_dialog_ = new WorksheetDialog(this, form_, edge_);
  worksheet_dialog_->Start();
}

void MainWindow::FollowForm() {
  if (division_ != nullptr && division_->isVisible()) division_->SetText(WrittenDivisionOf(form_));
}

void MainWindow::ShowAbout() {
  QStringList lines;
  for (const char* line : AboutLines()) lines.push_back(QString::fromUtf8(line));
  QMessageBox::about(this, QString::fromUtf8(kAboutTitle), lines.join(u'\n'));
}

void MainWindow::ShowError(const ErrorReport& report) {
  const QString message = QString::fromStdString(ErrorMessage(report.number, report.text));
  std::fprintf(stderr, "drobi: %s\n", message.simplified().toLocal8Bit().constData());
  QMessageBox box(QMessageBox::Critical, QStringLiteral("drobi"), message, QMessageBox::Ok, this);
  box.setInformativeText(QString::fromUtf8(kErrorEnding));
  box.exec();
}

NumberStyle NumberStyleFromLocale(const QLocale& locale) {
  NumberStyle style;
  style.decimal_separator = locale.decimalPoint().toStdString();
  style.group_separator = locale.groupSeparator().toStdString();
  style.group_size = locale.numberOptions().testFlag(QLocale::OmitGroupSeparator) ? 0 : 3;
  style.leading_zero = true;
  style.negative_sign = locale.negativeSign().toStdString();
  return style;
}

QFont MainWindowFont() {
  const WindowLayout& window = MainWindowLayout();
  QFont font(QString::fromUtf8(window.font_family), window.font_points);
  // The texts are Bulgarian and digits, which need no shaping engine: glyphs are looked up
  // directly, without kerning, as a Windows form draws them. Full hinting puts every glyph on
  // whole pixels, crisp at these sizes, and lets each glyph be rendered once instead of once per
  // sub-pixel position. Together they take about a tenth off the start-up.
  font.setStyleHint(QFont::Serif, QFont::PreferNoShaping);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

NumberStyle SystemNumberStyle() { return NumberStyleFromLocale(QLocale::system()); }

}  // namespace drobi
