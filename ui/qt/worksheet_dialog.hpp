#pragma once

// «Работен лист»: how many variants, the rounding task's digits and whether the key shows the
// written divisions, then «Печат…» or «Запази като PDF…». Variant 1 is the form's table, the
// others are drawn at its interval by a random source of the dialog's own; they stay while the
// dialog is open, so that the printed sheets and the saved ones are the same, and another count
// draws them anew. Every read of the form runs through the main window's ErrorEdge. A sheet not
// printed or saved is told below the fields, and announced, and the dialog stays open.

#include <QDialog>
#include <QFileDevice>
#include <QString>
#include <optional>
#include <vector>

#include "core/random_source.hpp"
#include "ui/lesson/worksheet.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/error_edge.hpp"
#include "ui/qt/message_line.hpp"

class QCheckBox;
class QPrinter;
class QSpinBox;

namespace drobi {

// The message for a PDF that WriteSheetsPdf could not write to `path`.
QString SheetsNotSaved(const QString& path, QFileDevice::FileError error);

class WorksheetDialog : public QDialog {
  Q_OBJECT

 public:
  WorksheetDialog(QWidget* parent, const MainForm& form, ErrorEdge& edge);

  // Opens it modal to its window, the digits as the form rounds now, new variants to be drawn.
  void Start();

  // The pages the fields ask for; nothing once the edge has failed.
  std::optional<SheetDocument> Pages();
  // What «Запази като PDF…» and «Печат…» do once the file or the printer is chosen; false, with
  // the message shown, when nothing was written.
  bool SaveTo(const QString& path);
  bool PrintOn(QPrinter& printer);

  QSpinBox* Variants() const { return variants_; }
  QSpinBox* Digits() const { return digits_; }
  QCheckBox* Divisions() const { return divisions_; }
  QLabel* Message() const { return message_; }

 private:
  void Print();
  void Save();
  void ShowMessage(const QString& message);

  const MainForm& form_;
  ErrorEdge& edge_;
  ClockRandomSource random_;
  std::vector<TableTexts> tables_;  // the variants drawn since Start
  QString folder_;                  // where the last PDF went
  QSpinBox* variants_;
  QSpinBox* digits_;
  QCheckBox* divisions_;
  MessageLine* message_;
};

}  // namespace drobi
