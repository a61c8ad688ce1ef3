#pragma once

// «Упражнения» in a window of its own, owned by the main window: the kind chooser, the question,
// the answer (a field, or «Крайна» and «Периодична», also the keys К and П alone), «Провери»
// (Enter), the verdict, «Следваща задача» (Enter again), «Пропусни», «Виж делението»,
// «Отначало» and the count. Every text comes from Exercises; every call into it runs through the
// main window's ErrorEdge, since a task past the table's last row draws a new table in the form.
// A screen reader hears the question, the verdict and the count in their spoken forms: they are
// the labels' accessible names, and each change is announced.

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "ui/lesson/exercises.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/error_edge.hpp"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace drobi {

class ExercisesWindow : public QWidget {
  Q_OBJECT

 public:
  // `show_division` opens the view of the written division, once the task's row is selected.
  ExercisesWindow(QWidget* parent, MainForm& form, ErrorEdge& edge,
                  std::function<void()> show_division);

  // Shows the window with the focus on the answer.
  void Open();

  QRadioButton* KindChoice(TaskKind kind) const { return kinds_[static_cast<int>(kind)]; }
  QLabel* QuestionLine() const { return question_; }
  QLineEdit* AnswerField() const { return answer_; }
  QLabel* VerdictLine() const { return verdict_; }
  QLabel* CountLine() const { return count_; }
  QPushButton* NextTask() const { return next_; }
  QPushButton* ShowDivisionButton() const { return division_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Runs `action` on the exercises through the edge, then shows where they stand.
  template <typename Action>
  void Do(Action&& action);
  void Check();
  void ChooseKind(TaskKind kind);
  // Shows the exercises' state; `announce` tells a screen reader of a new verdict.
  void Show(bool announce);
  void FocusAnswer();

  MainForm& form_;
  ErrorEdge& edge_;
  std::function<void()> show_division_;
  std::optional<Exercises> exercises_;  // made through the edge, as it may draw a table
  std::array<QRadioButton*, kTaskKinds.size()> kinds_{};
  QLabel* question_;
  QLineEdit* answer_;
  QPushButton* terminating_;
  QPushButton* repeating_;
  QPushButton* check_;
  QLabel* verdict_;
  QPushButton* next_;
  QPushButton* skip_;
  QPushButton* division_;
  QPushButton* restart_;
  QLabel* count_;
};

}  // namespace drobi
