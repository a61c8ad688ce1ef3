// The marks of the long number: which turn of the period each digit belongs to, where a turn
// starts, and the step each row's hover text explains, for the rows that ShowLongNumber wrote.

#include "ui/lesson/long_number_marks.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/exact.hpp"
#include "tests/support/lists.hpp"
#include "ui/long_number.hpp"

namespace drobi {
namespace {

using testing::ExactLongNumber;

const std::string kListHover = "На всеки следващ ред е поредната цифра\n";

const std::vector<std::pair<long long, long long>> kMarkTable{
    {1, 7}, {1, 6}, {1, 8}, {22, 7}, {1, 97}, {-3, 7}, {1, 12}, {0, 9}, {13, 1}, {1, 2048}};

// The lists with fraction `row` of kMarkTable selected and its long number to `digits` digits.
class LongNumberMarksTest : public ::testing::Test {
 protected:
  void Show(int row, int digits) {
    testing::SetTable(spis_, kMarkTable);
    spis_[kLongDigits].SetListIndex(digits / 10 - 1);
    spis_[kNumerators].SetListIndex(row);
    spis_[kDenominators].SetListIndex(row);
    ShowLongNumber(spis_, dylgo_);
    const auto& [p, q] = kMarkTable[static_cast<std::size_t>(row)];
    ASSERT_EQ(dylgo_.Rows(), ExactLongNumber(p, q, digits));
  }

  // One letter per row: '-' unmarked, 'p' a digit of the pre-period; 'A' and 'a' the first and
  // further digits of an odd turn of the period, 'B' and 'b' of an even one.
  std::string Marking() const {
    std::string out;
    for (int row = 0; row < dylgo_.ListCount(); ++row) {
      const RowMark mark = marks_.Mark(row);
      if (mark.turn == 0) {
        out += mark.pre_period ? 'p' : '-';
        continue;
      }
      const char letter = mark.turn % 2 == 1 ? 'a' : 'b';
      out += static_cast<char>(mark.starts_turn ? letter - 32 : letter);
      EXPECT_EQ(mark.tint, kPeriodTints[(mark.turn - 1) % 2]) << row;
    }
    return out;
  }

  SpisArray spis_ = testing::PresetLists();
  ListBox dylgo_;
  LongNumberMarks marks_{spis_, dylgo_};
};

struct MarkCase {
  const char* name;
  int row;
  int digits;
  std::string marking;
};

void PrintTo(const MarkCase& c, std::ostream* out) { *out << c.name; }

class LongNumberMarking : public LongNumberMarksTest,
                          public ::testing::WithParamInterface<MarkCase> {};

TEST_P(LongNumberMarking, MarksEachTurnOfThePeriod) {
  Show(GetParam().row, GetParam().digits);
  EXPECT_TRUE(marks_.Marked());
  EXPECT_EQ(Marking(), GetParam().marking);
}

INSTANTIATE_TEST_SUITE_P(
    Fractions, LongNumberMarking,
    ::testing::Values(
        MarkCase{"OneSeventh", 0, 10, "-AaaaaaBbbb"}, MarkCase{"OneSixth", 1, 10, "-pABABABABA"},
        MarkCase{"OneEighth", 2, 10, "-ppp-------"},
        MarkCase{"TwentyTwoSevenths", 3, 20, "-AaaaaaBbbbbbAaaaaaBb"},
        MarkCase{"OneNinetySeventhLongerThanShown", 4, 90, "-A" + std::string(89, 'a')},
        MarkCase{"MinusThreeSevenths", 5, 10, "-AaaaaaBbbb"},
        MarkCase{"OneTwelfth", 6, 10, "-ppABABABAB"}, MarkCase{"ZeroNinths", 7, 10, "-----------"},
        MarkCase{"ThirteenOverOne", 8, 10, "-----------"},
        MarkCase{"OneIn2048LongerThanShown", 9, 10, "-pppppppppp"}),
    [](const auto& info) { return std::string(info.param.name); });

struct HoverCase {
  const char* name;
  int row;
  int digits;
  int dylgo_row;
  std::string expected;  // the text after the list's own sentence and a line break
  std::string spoken;    // what a screen reader hears of the row
};

void PrintTo(const HoverCase& c, std::ostream* out) { *out << c.name; }

class LongNumberHover : public LongNumberMarksTest,
                        public ::testing::WithParamInterface<HoverCase> {};

TEST_P(LongNumberHover, ExplainsTheStep) {
  const HoverCase& c = GetParam();
  Show(c.row, c.digits);
  EXPECT_EQ(marks_.HoverText(c.dylgo_row), kListHover + c.expected);
  EXPECT_EQ(marks_.AccessibleText(c.dylgo_row), c.spoken);
  EXPECT_EQ(marks_.SpokenNote(c.dylgo_row), "");  // the accessible text says it all
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LongNumberHover,
    ::testing::Values(
        HoverCase{"WholePart", 3, 10, 0, "Цяла част: 22 : 7 = 3, остатък 1",
                  "цяла част 3; 22 делено на 7 е 3, остатък 1"},
        HoverCase{"SecondDigitOfOneSeventh", 0, 10, 2, "Цифра 2: 3·10 = 30; 30 : 7 = 4, остатък 2",
                  "4, цифра 2, период 1; 3 по 10 е 30; 30 делено на 7 е 4, остатък 2"},
        HoverCase{
            "RepeatOfOneSeventh", 0, 10, 6,
            "Цифра 6: 5·10 = 50; 50 : 7 = 7, остатък 1\nОстатък 1 вече е имало след "
            "цялата част: оттук цифрите се повтарят, периодът е от 6 цифри.",
            "7, цифра 6, период 1; 5 по 10 е 50; 50 делено на 7 е 7, остатък 1; остатък 1 "
            "вече е имало след цялата част, оттук цифрите се повтарят, периодът е от 6 цифри"},
        HoverCase{"RepeatOfOneSixth", 1, 10, 2,
                  "Цифра 2: 4·10 = 40; 40 : 6 = 6, остатък 4\nОстатък 4 вече е имало след "
                  "цифра 1: оттук цифрите се повтарят, периодът е от 1 цифра.",
                  "6, цифра 2, начало на период 1; 4 по 10 е 40; 40 делено на 6 е 6, остатък 4; "
                  "остатък 4 вече е имало след цифра 1, оттук цифрите се повтарят, периодът е от 1 "
                  "цифра"},
        HoverCase{"EndOfOneEighth", 2, 10, 3,
                  "Цифра 3: 4·10 = 40; 40 : 8 = 5, остатък 0\nОстатъкът е 0: делението "
                  "свършва, дробта е крайна и нататък следват само нули.",
                  "5, цифра 3; 4 по 10 е 40; 40 делено на 8 е 5, остатък 0; остатъкът е 0, "
                  "делението свършва, дробта е крайна и нататък следват само нули"},
        HoverCase{"ZeroAfterOneEighth", 2, 10, 4, "Цифра 4: 0·10 = 0; 0 : 8 = 0, остатък 0",
                  "0, цифра 4; 0 по 10 е 0; 0 делено на 8 е 0, остатък 0"},
        HoverCase{"ExactWholePart", 8, 10, 0,
                  "Цяла част: 13 : 1 = 13, остатък 0\nОстатъкът е 0: делението свършва, "
                  "дробта е крайна и нататък следват само нули.",
                  "цяла част 13; 13 делено на 1 е 13, остатък 0; остатъкът е 0, делението свършва, "
                  "дробта е крайна и нататък следват само нули"},
        HoverCase{"NegativeNumerator", 5, 10, 1, "Цифра 1: 3·10 = 30; 30 : 7 = 4, остатък 2",
                  "4, цифра 1, начало на период 1; 3 по 10 е 30; 30 делено на 7 е 4, остатък 2"},
        HoverCase{"LastRowOfOneNinetySeventh", 4, 90, 90,
                  "Цифра 90: 60·10 = 600; 600 : 97 = 6, остатък 18\nПериодът е от 96 цифри, "
                  "повече от показаните 90: остатък 1 се повтаря чак след цифра 96.",
                  "6, цифра 90, период 1; 60 по 10 е 600; 600 делено на 97 е 6, остатък 18; "
                  "периодът е от 96 цифри, повече от показаните 90, остатък 1 се повтаря чак след "
                  "цифра 96"},
        HoverCase{"LastRowOfOneIn2048", 9, 10, 10,
                  "Цифра 10: 512·10 = 5120; 5120 : 2048 = 2, остатък 1024\nДробта е крайна, но "
                  "има 11 цифри след точката, повече от показаните 10.",
                  "2, цифра 10; 512 по 10 е 5120; 5120 делено на 2048 е 2, остатък 1024; дробта е "
                  "крайна, но има 11 цифри след десетичния знак, повече от показаните 10"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LongNumberMarksTest, RowsAnnounceTheirMarking) {
  Show(1, 10);  // 1/6 = 0.1666…
  EXPECT_EQ(marks_.AccessibleText(0), "цяла част 0; 1 делено на 6 е 0, остатък 1");
  EXPECT_EQ(marks_.AccessibleText(1), "1, цифра 1; 1 по 10 е 10; 10 делено на 6 е 1, остатък 4");
  EXPECT_TRUE(marks_.AccessibleText(3).starts_with("6, цифра 3, начало на период 2; 4 по 10"));
  Show(0, 10);  // 1/7 = 0.142857…
  EXPECT_TRUE(marks_.AccessibleText(7).starts_with("1, цифра 7, начало на период 2; 1 по 10"));
  Show(5, 10);  // -3/7: the integer part is 0, without its sign
  EXPECT_EQ(marks_.AccessibleText(0), "цяла част 0; 3 делено на 7 е 0, остатък 3");
}

// Rows that are not the selected fraction's long number carry no marks and no texts of their own.
TEST_F(LongNumberMarksTest, OtherRowsAreNotMarked) {
  struct Case {
    const char* name;
    void (*change)(SpisArray& spis, ListBox& dylgo);
  };
  for (const Case& c : {
           Case{"a row added", [](SpisArray&, ListBox&dylgo) { dylgo.AddItem("9"); }},
           Case{"another fraction selected",
                [](SpisArray&spis, ListBox&) { spis[kNumerators].SetListIndex(3); }},
           Case{"nothing selected",
                [](SpisArray&spis, ListBox&) { spis[kNumerators].SetListIndex(-1); }},
           Case{"table cleared", [](SpisArray&spis, ListBox&) { spis[kNumerators].Clear(); }},
           Case{"long number cleared", [](SpisArray&, ListBox&dylgo) { dylgo.Clear(); }},
       }) {
    Show(0, 10);
    ASSERT_TRUE(marks_.Marked()) << c.name;
    c.change(spis_, dylgo_);
    EXPECT_FALSE(marks_.Marked()) << c.name;
    for (int row = 0; row < dylgo_.ListCount(); ++row) {
      EXPECT_EQ(marks_.Mark(row).turn, 0) << c.name << ", row " << row;
      EXPECT_EQ(marks_.HoverText(row), "") << c.name << ", row " << row;
      EXPECT_EQ(marks_.AccessibleText(row), "") << c.name << ", row " << row;
    }
  }
}

}  // namespace
}  // namespace drobi
