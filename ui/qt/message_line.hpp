#pragma once

// A dialog's message: plain text below its fields, hidden while there is none; a new one is a
// screen reader's alert, and the line's accessible name, so that it is heard as it comes and
// found again after.

#include <QLabel>

namespace drobi {

class MessageLine : public QLabel {
  Q_OBJECT

 public:
  explicit MessageLine(QWidget* parent);

  // Shows `message`, or hides the line for an empty one.
  void Tell(const QString& message);
};

}  // namespace drobi
