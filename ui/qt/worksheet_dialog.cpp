#include "ui/qt/worksheet_dialog.hpp"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <utility>

#include "core/number_text.hpp"
#include "ui/lists.hpp"
#include "ui/qt/sheet_painter.hpp"

namespace drobi {
namespace {

constexpr int kMostDigits = 7;
constexpr int kUsualDigits = 4;

QSpinBox* Field(int least, int most, QWidget* parent) {
  auto* field = new QSpinBox(parent);
  field->setRange(least, most);
  return field;
}

}  // namespace

QString SheetsNotSaved(const QString& path, QFileDevice::FileError error) {
  // A folder under the name fails only at the end, when the new file cannot replace it.
  const bool unwritable = error == QFileDevice::OpenError || QFileInfo(path).isDir();
  const SheetFailure failure = unwritable                          ? SheetFailure::kNotOpened
                               : error == QFileDevice::RenameError ? SheetFailure::kNotReplaced
                                                                   : SheetFailure::kNotWritten;
  return QString::fromStdString(
      SheetFailureText(failure, QDir::toNativeSeparators(path).toStdString()));
}

WorksheetDialog::WorksheetDialog(QWidget* parent, const MainForm& form, ErrorEdge& edge)
    : QDialog(parent), form_(form), edge_(edge), folder_(QDir::homePath()) {
  setWindowTitle(QString::fromUtf8(kWorksheetTitle));
  random_.Randomize();
  variants_ = Field(1, kMostVariants, this);
  variants_->setObjectName(QStringLiteral("variants"));
  digits_ = Field(0, kMostDigits, this);
  digits_->setObjectName(QStringLiteral("digits"));
  divisions_ = new QCheckBox(QString::fromUtf8(kDivisionsOption), this);
  auto* fields = new QFormLayout;
  const std::pair<const char*, QSpinBox*> rows[] = {{kVariantsField, variants_},
                                                    {kDigitsField, digits_}};
  for (const auto& [title, field] : rows) {
    auto* caption = new QLabel(QString::fromUtf8(title), this);
    caption->setBuddy(field);
    field->setAccessibleName(caption->text().remove(u'&'));
    fields->addRow(caption, field);
  }
  fields->addRow(divisions_);
  message_ = new MessageLine(this);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* print =
      buttons->addButton(QString::fromUtf8(kPrintSheets), QDialogButtonBox::ActionRole);
  QPushButton* save = buttons->addButton(QString::fromUtf8(kSavePdf), QDialogButtonBox::ActionRole);
  buttons->addButton(QString::fromUtf8(kCloseSheets), QDialogButtonBox::RejectRole);
  save->setDefault(true);
  connect(print, &QPushButton::clicked, this, &WorksheetDialog::Print);
  connect(save, &QPushButton::clicked, this, &WorksheetDialog::Save);
  connect(buttons, &QDialogButtonBox::rejected, this, &WorksheetDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(message_);
  layout->addWidget(buttons);
}

void WorksheetDialog::Start() {
  tables_.clear();
  ShowMessage(QString());
  int digits = kUsualDigits;
  edge_.Run([this, &digits] {
    const ListBox& rounding = form_.Spis[kDecimalDigits];
    if (rounding.ListIndex() >= 0) {
      digits = static_cast<int>(
          WholeFromText(rounding.List(rounding.ListIndex())).value_or(kUsualDigits));
    }
  });
  digits_->setValue(digits);
  open();
  variants_->setFocus(Qt::OtherFocusReason);
}

std::optional<SheetDocument> WorksheetDialog::Pages() {
  const int variants = variants_->value();
  const WorksheetOptions options{variants, digits_->value(), divisions_->isChecked()};
  std::optional<SheetDocument> pages;
  edge_.Run([&] {
    if (static_cast<int>(tables_.size()) != variants) {
      tables_ = WorksheetTables(form_, random_, variants);
    }
    pages = WorksheetPages(tables_, options, form_.Style());
  });
  return pages;
}

bool WorksheetDialog::SaveTo(const QString& path) {
  const std::optional<SheetDocument> pages = Pages();
  if (!pages) return false;
  const QFileDevice::FileError error =
      WriteSheetsPdf(*pages, path, QString::fromUtf8(kWorksheetTitle));
  if (error != QFileDevice::NoError) {
    ShowMessage(SheetsNotSaved(path, error));
    return false;
  }
  ShowMessage(QString());
  return true;
}

bool WorksheetDialog::PrintOn(QPrinter& printer) {
  const std::optional<SheetDocument> pages = Pages();
  if (!pages) return false;
  printer.setDocName(QString::fromUtf8(kWorksheetTitle));
  if (!PaintSheets(*pages, printer) || printer.printerState() == QPrinter::Error) {
    ShowMessage(QString::fromStdString(
        SheetFailureText(SheetFailure::kNotPrinted, printer.printerName().toStdString())));
    return false;
  }
  ShowMessage(QString());
  return true;
}

void WorksheetDialog::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setFullPage(true);
  QPrintDialog chooser(&printer, this);
  if (chooser.exec() == QDialog::Accepted) PrintOn(printer);
}

void WorksheetDialog::Save() {
  QString path =
      QFileDialog::getSaveFileName(this, QString::fromUtf8(kWorksheetTitle),
                                   QDir(folder_).filePath(QString::fromUtf8(kSheetsFileName)),
                                   QString::fromUtf8(kSheetsFileFilter));
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  if (SaveTo(path)) folder_ = QFileInfo(path).absolutePath();
}

void WorksheetDialog::ShowMessage(const QString& message) { message_->Tell(message); }

}  // namespace drobi
