// Exercises: each kind of answer with its verdict, the right answer told against plain integer
// arithmetic, and the count, the tasks in turn and the new table past the last row.

#include "ui/lesson/exercises.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/exact.hpp"
#include "tests/support/scripted_random.hpp"
#include "ui/lesson/fraction_entry.hpp"

namespace drobi {
namespace {

using K = TaskKind;
using O = Outcome;

NumberStyle Bulgarian() {
  NumberStyle style;
  style.decimal_separator = ",";
  style.negative_sign = "−";
  return style;
}

class ExercisesTest : public ::testing::Test {
 protected:
  ExercisesTest() : random(testing::StartDraws()), form(random, Bulgarian()) { form.Form_Load(); }
  testing::ScriptedRandom random;
  MainForm form;
};

struct Answer {
  long long p, q;
  K kind;
  const char* typed;  // "К" and "П" are the keys
  O outcome;
  const char* said;  // what the verdict says before the fraction's note
};

// The right answer a wrong one is told, worked out without the program: «вярното е …».
std::string RightAnswer(long long p, long long q, K kind) {
  switch (kind) {
    case K::kEndsOrRepeats:
      return testing::ExactNotation(p, q, ",").find('(') == std::string::npos ? "крайна"
                                                                              : "периодична";
    case K::kRounding:  // the form's minus is the regional «−»
      return (p < 0 ? "−" : "") + testing::ExactRounded(std::llabs(p), q, 4, ",");
    case K::kExactValue:
      return testing::ExactNotation(p, q, ",");
    case K::kBackToFraction:
      break;
  }
  return "5/12";
}

const Answer kAnswers[] = {
    {5, 12, K::kEndsOrRepeats, "П", O::kRight, "Вярно. "},
    {5, 12, K::kEndsOrRepeats, "К", O::kWrong, nullptr},
    {3, 8, K::kEndsOrRepeats, "к", O::kRight, "Вярно. "},
    {13, 1, K::kEndsOrRepeats, "П", O::kWrong, nullptr},
    {5, 12, K::kEndsOrRepeats, "да", O::kUnread, "Не разбирам „да“ — натиснете К"},
    {5, 12, K::kRounding, "0,4167", O::kRight, "Вярно. "},
    {5, 12, K::kRounding, " 0.4167 ", O::kRight, "Вярно. "},
    {5, 12, K::kRounding, "0,417", O::kWrong, nullptr},
    {5, 12, K::kRounding, "5/12", O::kWrong, nullptr},
    {-3, 7, K::kRounding, "−0,4286", O::kRight, "Вярно. "},
    {-3, 7, K::kRounding, "0,4286", O::kWrong, nullptr},
    {5, 12, K::kRounding, "0,,3", O::kUnread, "Не разбирам „0,,3“ — напишете например 0,25"},
    {5, 12, K::kRounding, "", O::kUnread, "Напишете отговора"},
    {5, 12, K::kExactValue, "0,41(6)", O::kRight, "Вярно. "},
    {5, 12, K::kExactValue, "0.416(6)", O::kRight, "Вярно, но по-кратко е 0,41(6). "},
    {5, 12, K::kExactValue, "0,41(66)", O::kRight, "Вярно, но по-кратко е 0,41(6). "},
    {5, 12, K::kExactValue, "0,4(16)", O::kWrong, nullptr},
    {5, 12, K::kExactValue, "5/12", O::kWrong, nullptr},
    {1, 8, K::kExactValue, "0,1250", O::kRight, "Вярно, но по-кратко е 0,125. "},
    {-1, 6, K::kExactValue, "-0,1(6)", O::kRight, "Вярно. "},
    {5, 12, K::kExactValue, "нула", O::kUnread, "Не разбирам „нула“ — напишете например 0,(3)"},
    {5, 12, K::kBackToFraction, "5/12", O::kRight, "Вярно. "},
    {5, 12, K::kBackToFraction, "10 / 24", O::kRight, "Вярно, но съкратете я: 5/12. "},
    {5, 12, K::kBackToFraction, "0,41(6)", O::kWrong, nullptr},
    {5, 12, K::kBackToFraction, "5/13", O::kWrong, nullptr},
    {5, 12, K::kBackToFraction, "5/", O::kUnread, "Не разбирам „5/“ — напишете например 5/12"},
    {26, 2, K::kBackToFraction, "13", O::kRight, "Вярно. "},
};

TEST_F(ExercisesTest, EachAnswerItsVerdict) {
  for (const Answer& answer : kAnswers) {
    SCOPED_TRACE(std::to_string(answer.p) + "/" + std::to_string(answer.q) + " «" + answer.typed +
                 "»");
    ASSERT_TRUE(EnterFraction(form, {answer.p, answer.q}));
    Exercises exercises(form, answer.kind);
    const std::string typed = answer.typed;
    const Verdict& verdict = typed == "П"   ? exercises.AnswerEnds(false)
                             : typed == "К" ? exercises.AnswerEnds(true)
                                            : exercises.Answer(typed);
    EXPECT_EQ(verdict.outcome, answer.outcome) << verdict.shown;
    const std::string said =
        answer.said != nullptr
            ? answer.said
            : "Грешно: вярното е " + RightAnswer(answer.p, answer.q, answer.kind) + ". ";
    EXPECT_TRUE(verdict.shown.starts_with(said)) << verdict.shown;
    EXPECT_EQ(exercises.Answered(), answer.outcome != O::kUnread);
    EXPECT_FALSE(verdict.spoken.empty());
  }
}

// Rows in turn, a skipped task counted, the count reset, and a new table past row 15 drawn as a
// click on the interval list draws it.
TEST_F(ExercisesTest, TasksInTurnAndTheCount) {
  Exercises exercises(form, K::kEndsOrRepeats);
  EXPECT_EQ(exercises.Question(), "Крайна или периодична е десетичната дроб на 1/7?");
  EXPECT_EQ(exercises.AnswerEnds(false).outcome, O::kRight);
  exercises.AnswerEnds(true);  // answered already: not counted again
  exercises.Next();
  EXPECT_EQ(exercises.Question(), "Крайна или периодична е десетичната дроб на -3/7?");
  exercises.Next();                                           // passed over
  EXPECT_EQ(exercises.AnswerEnds(false).outcome, O::kWrong);  // 5/1
  EXPECT_EQ(exercises.Count(), "Верни: 1 · Грешни: 1 · Пропуснати: 1");
  EXPECT_EQ(exercises.SpokenCount(), "Верни 1, грешни 1, пропуснати 1");
  EXPECT_TRUE(exercises.ShowDivision());
  EXPECT_EQ(form.Spis[kDenominators].ListIndex(), 2);
  EXPECT_EQ(form.Dylgo.Rows(), testing::ExactLongNumber(5, 1, 40));

  exercises.SetKind(K::kBackToFraction);
  EXPECT_EQ(exercises.Question(), "Запишете 5 като обикновена дроб");
  exercises.Restart();
  EXPECT_EQ(exercises.Count(), "Верни: 0 · Грешни: 0 · Пропуснати: 0");
  EXPECT_EQ(exercises.Question(), "Запишете 0,(142857) като обикновена дроб");
  random.Script(testing::DrawsFor(testing::kStartTable, 20));
  for (int row = 0; row < kTableRows - 1; ++row) exercises.Next();  // 6/61 passed over
  EXPECT_EQ(random.Drawn(), 64u) << "one new table";
  EXPECT_EQ(exercises.Question(), "Запишете 0,(142857) като обикновена дроб");
}

}  // namespace
}  // namespace drobi
