#pragma once

#include <QDialog>
#include <functional>

#include "ui/lesson/fraction_entry.hpp"
#include "ui/qt/message_line.hpp"

class QLineEdit;

namespace drobi {

// «Въведете дроб»: one field, Enter accepts and Escape cancels. What is typed is read once by
// ReadFraction; a fraction goes to `take` and the dialog closes, a message is shown below the
// field (and announced to a screen reader) while the dialog stays open with the text as typed.
// Opened with open(), so that it is modal to its window without an event loop of its own.
class FractionDialog : public QDialog {
  Q_OBJECT

 public:
  using Take = std::function<void(const EnteredFraction&)>;

  FractionDialog(QWidget* parent, Take take);

  // Opens it empty, without the message of the last time.
  void Start();

  QLineEdit* Field() const { return field_; }
  QLabel* Message() const { return message_; }

  void accept() override;

 private:
  void ShowMessage(const QString& message);

  Take take_;
  QLineEdit* field_;
  MessageLine* message_;
};

}  // namespace drobi
