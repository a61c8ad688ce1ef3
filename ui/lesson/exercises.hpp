#pragma once

// Exercises on the fractions of the table: drobi asks, the pupil answers, drobi checks, explains
// and counts. Each task takes the next row of the table; past row 15 a new table is drawn at the
// present interval exactly as a click on the interval list draws one, so the form shows the
// fractions being asked. Nothing is written to disk; the count lasts while the program runs.
//
// A window shows the question, takes the answer (typed, or «Крайна» / «Периодична» by button or
// by the keys К and П), shows the verdict and the count, and offers the next task and the written
// division of the fraction just answered. Every text it shows or speaks comes from here.

#include <array>
#include <string>
#include <string_view>

#include "ui/main_form.hpp"

namespace drobi {

enum class TaskKind {
  kEndsOrRepeats,  // «Крайна или периодична е десетичната дроб на 5/12?»
  kRounding,  // «Закръглете 5/12 до 4 цифри след десетичната запетая»
  kExactValue,  // «Запишете 5/12 като десетична дроб, с периода в скоби»
  kBackToFraction,  // «Запишете 0,41(6) като обикновена дроб»
};
inline constexpr std::array<TaskKind, 4> kTaskKinds{TaskKind::kEndsOrRepeats, TaskKind::kRounding,
                                                    TaskKind::kExactValue,
                                                    TaskKind::kBackToFraction};
// The kind's name in the view's chooser, with '&' before its access key.
const char* KindTitle(TaskKind kind);

// The view's own texts, with '&' before an access key.
inline constexpr const char* kExercisesTitle = "Упражнения";
inline constexpr const char* kTerminatingAnswer = "&Крайна";    // also the key К alone
inline constexpr const char* kRepeatingAnswer = "&Периодична";  // also the key П alone
inline constexpr const char* kCheckAnswer = "Про&вери";
inline constexpr const char* kSkipTask = "Пропу&сни";
inline constexpr const char* kNextTask = "&Следваща задача";
inline constexpr const char* kShowDivision = "Виж &делението";
inline constexpr const char* kRestart = "&Отначало";
inline constexpr const char* kAnswerName = "Отговор";

enum class Outcome {
  kNone,  // nothing answered yet
  kRight,
  kWrong,
  kUnread,  // not counted: the answer could not be read
};

// Where the exercises stood before an action, so that a window can tell what the action changed:
// whether there is a verdict or a message to announce, and where the focus goes next (to «Следваща
// задача» after a verdict, so that Enter again goes on; to the answer while the task is open).
struct ExercisesMark {
  bool answered = false;
  Outcome outcome = Outcome::kNone;
};
enum class AnswerFocus { kNextTask, kAnswer, kStay };
struct ExercisesChange {
  bool announce = false;
  AnswerFocus focus = AnswerFocus::kStay;
};

struct Verdict {
  Outcome outcome = Outcome::kNone;
  std::string shown;  // one line: «Грешно: вярното е 0,4167. 5/12 = 0,41(6); 12 = 2²·3: …»
  std::string spoken;  // the same in words
};

class Exercises {
 public:
  explicit Exercises(MainForm& form, TaskKind kind = TaskKind::kEndsOrRepeats);

  // Another kind of task on the same fraction.
  void SetKind(TaskKind kind);
  TaskKind Kind() const { return kind_; }
  // The present task; empty while there is no table and none can be made.
  const std::string& Question() const { return question_; }
  const std::string& SpokenQuestion() const { return spoken_question_; }
  // Whether the present task is answered: its verdict stands until Next().
  bool Answered() const { return answered_; }
  bool TakesTypedAnswer() const { return kind_ != TaskKind::kEndsOrRepeats; }

  // A typed answer; ignored once the task is answered. An answer that cannot be read is not
  // counted and leaves the task open.
  const Verdict& Answer(std::string_view typed);
  // «Крайна» (true) or «Периодична» (false).
  const Verdict& AnswerEnds(bool terminating);
  const Verdict& LastVerdict() const { return verdict_; }
  ExercisesMark Mark() const { return {answered_, verdict_.outcome}; }
  ExercisesChange ChangeSince(const ExercisesMark& before) const;

  // The next task: after a verdict, or passing this one over, which counts it as skipped.
  void Next();
  // «Отначало»: the count back to nothing and the tasks from row 0.
  void Restart();
  // «Верни: 7 · Грешни: 2 · Пропуснати: 1».
  std::string Count() const;
  std::string SpokenCount() const;

  // Selects the row of the task's fraction in the form, as a click on it would, so that the long
  // number and its written division show it; false when the table no longer holds it.
  bool ShowDivision();

 private:
  // Poses the task on the fraction of `row`, drawing a new table first when there is none or the
  // rows are done.
  void Pose(int row);
  const Verdict& Judge(Outcome outcome, const std::string& right, const std::string& spoken_right,
                       const std::string& remark = {});

  MainForm& form_;
  TaskKind kind_;
  int row_ = 0;
  long long p_ = 0, q_ = 1;
  std::string p_text_, q_text_, rounded_;
  std::string question_, spoken_question_;
  bool answered_ = false;
  Verdict verdict_;
  int right_ = 0, wrong_ = 0, skipped_ = 0;
};

}  // namespace drobi
