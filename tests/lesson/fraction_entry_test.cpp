// The teacher's own fraction: what each typed text gives, every decimal read back against the
// notation that plain remainder arithmetic writes, and the row it is written into.

#include "ui/lesson/fraction_entry.hpp"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <variant>

#include "tests/support/exact.hpp"
#include "tests/support/scripted_random.hpp"

namespace drobi {
namespace {

struct Entry {
  std::string typed;
  long long p, q;       // when it is read
  const char* message;  // when it is not: the start of what is said
};

const Entry kEntries[] = {
    {"5/12", 5, 12, nullptr},
    {" - 22 / 7 ", -22, 7, nullptr},
    {"−3/7", -3, 7, nullptr},
    {"+6/8", 6, 8, nullptr},
    {"5/-12", -5, 12, nullptr},
    {"-5/−12", 5, 12, nullptr},
    {"999999/32767", 999999, 32767, nullptr},
    {"0,125", 1, 8, nullptr},
    {"-2.5", -5, 2, nullptr},
    {"0,1(6)", 1, 6, nullptr},
    {"3,(142857)", 22, 7, nullptr},
    {"-0,(09)", -1, 11, nullptr},
    {"0,(9)", 1, 1, nullptr},
    {"0,1(9)", 1, 5, nullptr},
    {"9,(9)", 10, 1, nullptr},
    {"0,416(6)", 5, 12, nullptr},
    {"0,5(0)", 1, 2, nullptr},
    {"7", 7, 1, nullptr},
    {"", 0, 0, "Напишете дроб, например"},
    {"   ", 0, 0, "Напишете дроб, например"},
    {"пет", 0, 0, "Не разбирам „пет“ — напишете например 5/12"},
    {"1/0", 0, 0, "На 0 не се дели"},
    {"1/7/3", 0, 0, "Не разбирам „1/7/3“"},
    {"1/40000", 0, 0, "Знаменателят трябва да е от 1 до 32 767, а не 40000."},
    {"1000000/3", 0, 0, "Числителят трябва да е от -999 999 до 999 999, а не 1000000."},
    {"1 234 567/2", 0, 0, "Не разбирам"},
    {"0,(", 0, 0, "Липсва затварящата скоба"},
    {"0,1(6", 0, 0, "Липсва затварящата скоба"},
    {"0,()", 0, 0, "Периодът в скобите е празен"},
    {"0,,3", 0, 0, "Не разбирам „0,,3“"},
    {"1e5", 0, 0, "Не разбирам"},
    {"1 1/2", 0, 0, "Не разбирам"},
    {"0,(00001)", 0, 0, "0,(00001) дава дроб със знаменател над 32 767"},
    {"1000000,5", 0, 0, "Числителят трябва да е"},
    {std::string(5000, '7'), 0, 0, "Текстът е твърде дълъг"},
};

TEST(FractionEntryTest, WhatEachTextGives) {
  for (const Entry& entry : kEntries) {
    SCOPED_TRACE("typed «" + entry.typed.substr(0, 20) + "»");
    const auto read = ReadFraction(entry.typed);
    if (entry.message == nullptr) {
      ASSERT_TRUE(std::holds_alternative<EnteredFraction>(read)) << std::get<std::string>(read);
      EXPECT_EQ(std::get<EnteredFraction>(read), (EnteredFraction{entry.p, entry.q}));
    } else {
      ASSERT_TRUE(std::holds_alternative<std::string>(read));
      EXPECT_TRUE(std::get<std::string>(read).starts_with(entry.message))
          << std::get<std::string>(read);
    }
  }
}

// Every fraction's exact notation, with either separator, is read back in lowest terms.
TEST(FractionEntryTest, EveryDecimalBackToItsFraction) {
  for (long long q = 1; q <= 120; ++q) {
    for (long long p = -130; p <= 130; p += 7) {
      const long long common = std::gcd(p, q);
      for (const char* sep : {",", "."}) {
        const std::string typed = testing::ExactNotation(p, q, sep);
        const auto read = ReadFraction(typed);
        ASSERT_TRUE(std::holds_alternative<EnteredFraction>(read)) << typed;
        EXPECT_EQ(std::get<EnteredFraction>(read), (EnteredFraction{p / common, q / common}))
            << typed;
      }
    }
  }
}

// Into the selected row, the other rows kept; into row 0 of a new table after «Чисти».
TEST(FractionEntryTest, IntoTheSelectedRow) {
  testing::ScriptedRandom random(testing::StartDraws());
  MainForm form(random);
  form.Form_Load();
  form.Spis[kDenominators].UserClick(9);
  ASSERT_TRUE(EnterFraction(form, {22, 7}));
  for (int row = 0; row < kTableRows; ++row) {
    const auto& [p, q] = row == 9 ? testing::Fraction{22, 7} : testing::kStartTable[row];
    EXPECT_EQ(form.Spis[kNumerators].List(row), std::to_string(p)) << row;
    EXPECT_EQ(form.Spis[kQuotients].List(row), testing::ExactRounded(p, q, 4, ".")) << row;
  }
  for (int list = kNumerators; list <= kQuotients; ++list)
    EXPECT_EQ(form.Spis[list].ListIndex(), 9);
  EXPECT_EQ(form.Dylgo.Rows(), testing::ExactLongNumber(22, 7, 40));

  form.Command1_Click();
  random.Script(testing::DrawsFor(testing::kStartTable, 20));
  ASSERT_TRUE(EnterFraction(form, {-1, 6}));
  EXPECT_EQ(form.Spis[kNumerators].List(0), "-1");
  EXPECT_EQ(form.Spis[kDenominators].List(1), std::to_string(testing::kStartTable[1].second));
  EXPECT_EQ(form.Dylgo.Rows(), testing::ExactLongNumber(-1, 6, 40));
}

}  // namespace
}  // namespace drobi
