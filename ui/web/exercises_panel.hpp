#pragma once

#include <optional>
#include <string_view>

#include "ui/lesson/exercises.hpp"
#include "ui/main_form.hpp"
#include "ui/web/page_places.hpp"

namespace drobi::web {

// What the panel's buttons, its field and its keys ask for, as dom_library.js hands them over:
// an answer («Крайна», «Периодична», «Провери» with the field's text), Enter in the field (the
// answer, or the next task once it has its verdict), the next task, a skip, the written division,
// «Отначало», the panel closed, and from kFirstKind on the kinds of kTaskKinds in their order.
enum class ExerciseAction {
  kTerminating,
  kRepeating,
  kCheck,
  kEnter,
  kNext,
  kSkip,
  kDivision,
  kRestart,
  kClose,
  kFirstKind = 16,
};

// The panel «Упражнения» below or beside the form: the kinds to choose from, the question, the
// answer field or the two answer buttons, the verdict and the count, as Exercises gives them.
// Each shows its text for the eye and its spoken form for a screen reader, which hears the
// question as the answer's description and the verdict and the count as a status when they
// change. The exercises begin when the panel is first opened, and their count lasts while the
// page runs.
class ExercisesPanel {
 public:
  explicit ExercisesPanel(MainForm& form);

  // Calls into the form: run them through the page's FormEdge.
  void Open();
  // The actions but kDivision and kClose, which the page carries out.
  void Act(ExerciseAction action, std::string_view typed);
  // Selects the row of the task's fraction in the form; false when the table no longer holds it.
  bool ShowDivision();

  void Close();
  bool IsOpen() const { return open_; }
  void Place(const Box& box, const WindowScale& scale) const;

 private:
  // Writes what the exercises show now; `fresh` empties the answer field for a new task.
  void Show(bool fresh) const;

  MainForm& form_;
  std::optional<Exercises> exercises_;
  bool open_ = false;
};

}  // namespace drobi::web
