#include "ui/web/exercises_panel.hpp"

#include <string>

#include "ui/lesson/close_title.hpp"
#include "ui/lesson/lesson_text.hpp"
#include "ui/lesson/menu_commands.hpp"
#include "ui/web/dom_views.hpp"
#include "ui/web/split_title.hpp"

namespace drobi::web {

ExercisesPanel::ExercisesPanel(MainForm& form) : form_(form) {
  std::string kinds;
  for (const TaskKind kind : kTaskKinds) kinds += Joined(Split(KindTitle(kind)));
  // In the order of ExerciseAction, from kTerminating to kRestart; kEnter has no button.
  std::string buttons;
  for (const char* title : {kTerminatingAnswer, kRepeatingAnswer, kCheckAnswer, "", kNextTask,
                            kSkipTask, kShowDivision, kRestart}) {
    buttons += Joined(Split(title));
  }
  drobi_dom_make_exercises(PlainTitle(kExercisesTitle).c_str(), kCloseTitle, kinds.c_str(),
                           buttons.c_str(), kAnswerName);
}

void ExercisesPanel::Open() {
  const bool fresh = !exercises_;
  if (fresh) exercises_.emplace(form_);
  open_ = true;
  // The state first, so that the focus goes to the answer that the task takes.
  Show(fresh);
  drobi_dom_show_exercises(1);
}

void ExercisesPanel::Act(ExerciseAction action, std::string_view typed) {
  if (!exercises_) return;
  bool fresh = false;
  switch (action) {
    case ExerciseAction::kTerminating:
    case ExerciseAction::kRepeating:
      if (!exercises_->TakesTypedAnswer()) {
        exercises_->AnswerEnds(action == ExerciseAction::kTerminating);
      }
      break;
    case ExerciseAction::kCheck:
      exercises_->Answer(typed);
      break;
    case ExerciseAction::kEnter:
      fresh = exercises_->Answered();
      if (fresh) {
        exercises_->Next();
      } else {
        exercises_->Answer(typed);
      }
      break;
    case ExerciseAction::kNext:
    case ExerciseAction::kSkip:
      exercises_->Next();
      fresh = true;
      break;
    case ExerciseAction::kRestart:
      exercises_->Restart();
      fresh = true;
      break;
    case ExerciseAction::kDivision:
    case ExerciseAction::kClose:
      return;
    default: {
      const int kind = static_cast<int>(action) - static_cast<int>(ExerciseAction::kFirstKind);
      // The kind already chosen is the task already posed: choosing it again changes nothing.
      if (kind < 0 || kind >= static_cast<int>(kTaskKinds.size()) ||
          kTaskKinds[static_cast<std::size_t>(kind)] == exercises_->Kind()) {
        return;
      }
      exercises_->SetKind(kTaskKinds[static_cast<std::size_t>(kind)]);
      fresh = true;
    }
  }
  Show(fresh);
}

bool ExercisesPanel::ShowDivision() { return exercises_ && exercises_->ShowDivision(); }

void ExercisesPanel::Close() {
  open_ = false;
  drobi_dom_show_exercises(0);
}

void ExercisesPanel::Place(const Box& box, const WindowScale& scale) const {
  drobi_dom_place_exercises(box.left, box.top, box.width, box.height,
                            scale.FontPixels(kLessonFontPoints));
}

void ExercisesPanel::Show(bool fresh) const {
  const Exercises& e = *exercises_;
  const Verdict& verdict = e.LastVerdict();
  int kind = 0;
  while (kTaskKinds[static_cast<std::size_t>(kind)] != e.Kind()) ++kind;
  drobi_dom_exercise_state(kind, e.Question().c_str(), e.SpokenQuestion().c_str(),
                           e.TakesTypedAnswer() ? 1 : 0, e.Answered() ? 1 : 0,
                           verdict.shown.c_str(), verdict.spoken.c_str(), e.Count().c_str(),
                           e.SpokenCount().c_str(), fresh ? 1 : 0);
}

}  // namespace drobi::web
