#include "ui/qt/fraction_dialog.hpp"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>
#include <variant>

namespace drobi {

FractionDialog::FractionDialog(QWidget* parent, Take take)
    : QDialog(parent), take_(std::move(take)) {
  setWindowTitle(QString::fromUtf8(kEnterFractionTitle));
  const QString name = QString::fromUtf8(kEnterFractionField);
  auto* caption = new QLabel(name, this);
  field_ = new QLineEdit(this);
  field_->setObjectName(QStringLiteral("fraction"));
  field_->setAccessibleName(name);
  field_->setPlaceholderText(QString::fromUtf8(kFractionHint));
  caption->setBuddy(field_);
  message_ = new MessageLine(this);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QString::fromUtf8(kAcceptFraction), QDialogButtonBox::AcceptRole)
      ->setDefault(true);
  buttons->addButton(QString::fromUtf8(kCancelFraction), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &FractionDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &FractionDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(field_);
  layout->addWidget(message_);
  layout->addWidget(buttons);
  field_->setMinimumWidth(field_->fontMetrics().horizontalAdvance(field_->placeholderText()) +
                          field_->fontMetrics().averageCharWidth() * 4);
}

void FractionDialog::Start() {
  field_->clear();
  ShowMessage(QString());
  open();
  field_->setFocus(Qt::OtherFocusReason);
}

void FractionDialog::accept() {
  const auto read = ReadFraction(field_->text().toStdString());
  if (const auto* message = std::get_if<std::string>(&read)) {
    ShowMessage(QString::fromStdString(*message));
    field_->setFocus(Qt::OtherFocusReason);
    return;
  }
  QDialog::accept();
  take_(std::get<EnteredFraction>(read));
}

void FractionDialog::ShowMessage(const QString& message) {
  // The field keeps the focus, so a screen reader hears the message both as it changes and
  // with the field whenever it comes back to it.
  field_->setAccessibleDescription(message);
  message_->Tell(message);
}

}  // namespace drobi
