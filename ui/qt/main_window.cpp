#include "ui/qt/main_window.hpp"

#include <QIcon>
#include <QImageReader>
#include <QMessageBox>
#include <QPixmap>
#include <cstdio>
#include <memory>

#include "ui/form_controls.hpp"
#include "ui/qt/click_label.hpp"
#include "ui/qt/flat_button.hpp"
#include "ui/qt/list_view.hpp"
#include "ui/qt/text_field.hpp"
#include "ui/row_texts.hpp"
#include "ui/window_layout.hpp"

namespace drobi {
namespace {

QColor StoredColour(std::uint32_t stored) {
  const Rgb rgb = StoredRgb(stored);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QRect PixelRect(const ControlLayout& control) {
  return QRect(TwipsToPixels(control.left), TwipsToPixels(control.top),
               TwipsToPixels(control.width), TwipsToPixels(control.height));
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
  // Naming the icon's format spares Qt loading every image plugin to guess it.
  QImageReader icon(QStringLiteral(":/drobi.png"), "png");
  icon.setAutoDetectImageFormat(false);
  setWindowIcon(QIcon(QPixmap::fromImage(icon.read())));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  setFixedSize(TwipsToPixels(window.client_width), TwipsToPixels(window.client_height));
  FillBackground(*this, window.back_colour);
  setFont(MainWindowFont());
  // A Windows list shows its selected row in the highlight colour also without focus; the three
  // fraction lists must show the shared row together.
  QPalette palette = this->palette();
  for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
    palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
  }
  setPalette(palette);

  QWidget* previous_in_tab_order = nullptr;
  for (const ControlLayout& control : MainWindowControls()) {
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::kList: {
        auto* list = new ListView(ListOf(form_, control), edge_, this);
        if (auto texts = RowTextsFor(form_, control)) list->Rows().SetRowTexts(std::move(texts));
        widget = list;
        break;
      }
      case ControlKind::kText:
        widget = new TextField(TextOf(form_, control), edge_, this);
        break;
      case ControlKind::kButton: {
        auto* button = new FlatButton(QString::fromStdString(form_.Command1.Caption()),
                                      StoredColour(control.back_colour), this);
        connect(button, &QPushButton::clicked, this,
                [this] { edge_.Run([this] { form_.Command1.Click(); }); });
        widget = button;
        break;
      }
      case ControlKind::kLabel: {
        auto* label = new QLabel(QString::fromUtf8(control.caption), this);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        widget = label;
        break;
      }
      case ControlKind::kSpot: {
        auto* spot = new ClickLabel(this);
        connect(spot, &ClickLabel::clicked, this,
                [this] { edge_.Run([this] { form_.Label1.Click(); }); });
        widget = spot;
        break;
      }
    }
    widget->setObjectName(QString::fromUtf8(control.name));
    widget->setGeometry(PixelRect(control));
    if (control.hover != nullptr) {
      widget->setToolTip(QString::fromUtf8(control.hover));
      widget->setAccessibleDescription(widget->toolTip());
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
