// The written division: the first line, the working against plain remainder arithmetic, why it
// stopped and the way back to the fraction, and the marks a window draws on top.

#include "ui/lesson/written_division.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/exact.hpp"
#include "tests/support/lists.hpp"
#include "tests/support/scripted_random.hpp"

namespace drobi {
namespace {

using testing::ExactWorking;

NumberStyle Bulgarian() {
  NumberStyle style;
  style.decimal_separator = ",";
  style.negative_sign = "−";
  return style;
}

struct Case {
  long long p, q;
  int digits;
  const char* first_line;
  const char* reason;    // the line after the blank one
  const char* way_back;  // the line after it, back to the fraction; nullptr for none
};

const Case kCases[] = {
    {5, 3, 40, " 5 : 3 = 1,(6)",
     "Остатъкът 2 се повтаря, затова и цифрите след него се повтарят: 5/3 = 1,(6).",
     "x = 1,(6); 10x = 16,(6); 9x = 15; x = 15/9 = 5/3"},
    {1, 6, 40, " 1 : 6 = 0,1(6)",
     "Остатъкът 4 се повтаря, затова и цифрите след него се повтарят: 1/6 = 0,1(6).",
     "x = 0,1(6); 100x = 16,(6); 10x = 1,(6); 90x = 15; x = 15/90 = 1/6"},
    {1, 8, 40, " 1 : 8 = 0,125",
     "Остатъкът е 0: делението свършва. 1/8 = 0,125 е крайна десетична дроб.",
     "0,125 = 125/1000 = 1/8"},
    {1, 7, 10, " 1 : 7 = 0,(142857)",
     "Остатъкът 1 се повтаря, затова и цифрите след него се повтарят: 1/7 = 0,(142857).",
     "x = 0,(142857); 1000000x = 142857,(142857); 999999x = 142857; x = 142857/999999 = 1/7"},
    {22, 7, 90, " 22 : 7 = 3,(142857)",
     "Остатъкът 1 се повтаря, затова и цифрите след него се повтарят: 22/7 = 3,(142857).",
     "x = 3,(142857); 1000000x = 3142857,(142857); 999999x = 3142854; x = 3142854/999999 = 22/7"},
    {-3, 7, 40, "-3 : 7 = −0,(428571)",
     "Остатъкът 3 се повтаря, затова и цифрите след него се повтарят: -3/7 = −0,(428571).",
     "x = 0,(428571); 1000000x = 428571,(428571); 999999x = 428571; x = 428571/999999 = 3/7; "
     "−0,(428571) = −3/7"},
    {0, 9, 40, " 0 : 9 = 0", "Остатъкът е 0: делението свършва. 0/9 = 0 е цяло число.", nullptr},
    {13, 1, 40, " 13 : 1 = 13", "Остатъкът е 0: делението свършва. 13/1 = 13 е цяло число.",
     nullptr},
    {1, 97, 40, " 1 : 97 = 0,0103092783505154639175257731958762886597…",
     "След 40 цифри остатъкът още не се е повторил: цифрите продължават. Периодът на 1/97 е "
     "дълъг 96 цифри.",
     nullptr},
    {5, 12, 10, " 5 : 12 = 0,41(6)",
     "Остатъкът 8 се повтаря, затова и цифрите след него се повтарят: 5/12 = 0,41(6).",
     "x = 0,41(6); 1000x = 416,(6); 100x = 41,(6); 900x = 375; x = 375/900 = 5/12"},
    {1, 16384, 10, " 1 : 16384 = 0,0000610351…",
     "След 10 цифри остатъкът още не е 0: цифрите продължават. 1/16384 е крайна десетична дроб с "
     "14 цифри след десетичния знак.",
     nullptr},
    {6, 8, 40, " 6 : 8 = 0,75",
     "Остатъкът е 0: делението свършва. 6/8 = 0,75 е крайна десетична дроб.",
     "0,75 = 75/100 = 3/4"},
    {-5, 2, 40, "-5 : 2 = −2,5",
     "Остатъкът е 0: делението свършва. -5/2 = −2,5 е крайна десетична дроб.",
     "2,5 = 25/10 = 5/2; −2,5 = −5/2"},
};

TEST(WrittenDivisionTest, FirstLineWorkingAndReason) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::to_string(c.p) + "/" + std::to_string(c.q));
    const LessonText text = WrittenDivision(c.p, c.q, c.digits, Bulgarian());
    std::vector<std::string> expected{c.first_line};
    for (const std::string& line : ExactWorking(c.p, c.q, c.digits)) expected.push_back(line);
    expected.insert(expected.end(), {"", c.reason});
    if (c.way_back != nullptr) expected.push_back(c.way_back);
    EXPECT_EQ(text.lines, expected);
  }
}

// As an exercise book writes them, column for column.
TEST(WrittenDivisionTest, AsTheExerciseBookWritesIt) {
  const auto start = [](long long p, long long q) {
    const std::string joined = WrittenDivision(p, q, 40, Bulgarian()).Joined();
    return joined.substr(0, joined.find("\n\n") + 1);
  };
  EXPECT_EQ(start(5, 3), " 5 : 3 = 1,(6)\n-3\n 20\n-18\n  2\n");
  EXPECT_EQ(start(1, 8), " 1 : 8 = 0,125\n 10\n -8\n  20\n -16\n   40\n  -40\n    0\n");
}

// 1/6: the period's digit, the remainder 4 where it was written first and where it came back,
// and the selected row's step, a row past the repeat marking the step of the first turn.
TEST(WrittenDivisionTest, Marks) {
  using R = MarkRole;
  const std::vector<MarkedSpan> repeat{
      {0, 13, 1, R::kPeriod}, {3, 2, 1, R::kRepeatedRemainder}, {5, 3, 1, R::kRepeatedRemainder}};
  const auto with = [&repeat](std::vector<MarkedSpan> step) {
    std::vector<MarkedSpan> all = repeat;
    all.insert(all.end(), step.begin(), step.end());
    return all;
  };
  const struct {
    int selected;
    std::vector<MarkedSpan> marks;
  } rows[] = {
      {-1, repeat},
      {0, with({{0, 1, 1, R::kSelectedStep}, {0, 9, 1, R::kSelectedStep}})},
      {1, with({{0, 11, 1, R::kSelectedStep},
                {1, 1, 2, R::kSelectedStep},
                {2, 1, 2, R::kSelectedStep}})},
      {9, with({{0, 13, 1, R::kSelectedStep},
                {3, 2, 2, R::kSelectedStep},
                {4, 1, 3, R::kSelectedStep}})},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(WrittenDivision(1, 6, 40, Bulgarian(), row.selected).marks, row.marks)
        << "row " << row.selected;
  }
}

// The form's selected fraction, its long number's length and the decimal column's value.
TEST(WrittenDivisionTest, OfTheSelectedFraction) {
  testing::ScriptedRandom random(testing::StartDraws());
  MainForm form(random, Bulgarian());
  EXPECT_EQ(WrittenDivisionOf(form).lines, std::vector<std::string>{"Изберете дроб от таблицата."});
  form.Form_Load();
  form.Spis[kNumerators].UserClick(4);
  const long long p = std::stoll(form.Spis[kNumerators].List(4));
  const long long q = std::stoll(form.Spis[kDenominators].List(4));
  const LessonText text = WrittenDivisionOf(form);
  LessonText expected =
      WrittenDivision(p, q, 40, Bulgarian(), -1, form.Spis[0].List(4), form.Spis[1].List(4));
  expected.lines.push_back(
      "Закръглено до 4 цифри след десетичния знак: " + form.Spis[kQuotients].List(4) + ".");
  EXPECT_EQ(text, expected);
}

}  // namespace
}  // namespace drobi
