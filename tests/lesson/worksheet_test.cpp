// The worksheet's pages: each variant's tasks and key on pages of its own, the key's lines against
// plain integer arithmetic, nothing past the margins, and the command line that asks for it.

#include "ui/lesson/worksheet.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/exact.hpp"
#include "tests/support/scripted_random.hpp"

namespace drobi {
namespace {

NumberStyle Bulgarian() {
  NumberStyle style;
  style.decimal_separator = ",";
  return style;
}

TableTexts Texts(const std::vector<testing::Fraction>& table) {
  TableTexts texts;
  for (const auto& [p, q] : table) texts.emplace_back(std::to_string(p), std::to_string(q));
  return texts;
}

TEST(WorksheetTest, VariantsKeysAndMargins) {
  testing::ScriptedRandom random(testing::StartDraws());
  MainForm form(random, Bulgarian());
  form.Form_Load();
  random.Script(testing::DrawsFor(testing::kStartTable, 20));
  const std::vector<TableTexts> tables = WorksheetTables(form, random, 2);
  ASSERT_EQ(tables, std::vector<TableTexts>(2, Texts(testing::kStartTable)));
  EXPECT_EQ(form.Spis[kNumerators].ListIndex(), 0) << "the form is not touched";

  const SheetDocument sheets = WorksheetPages(tables, {2, 3, true}, Bulgarian());
  std::vector<std::string> titles;
  for (const SheetPage& page : sheets.pages) {
    ASSERT_FALSE(page.runs.empty());
    titles.push_back(page.runs.front().text);
    for (const PageRun& run : page.runs) {
      EXPECT_GE(run.x, 56) << run.text;
      EXPECT_LE(run.x + RunWidth(run), sheets.width - 56) << run.text;
      EXPECT_LE(run.y, sheets.height - 56) << run.text;
    }
  }
  // A variant's key runs onto pages that start with its divisions, never with another variant.
  ASSERT_GE(titles.size(), 4u);
  EXPECT_EQ(titles[0], "Работен лист · Вариант 1");
  EXPECT_EQ(titles[1], "Отговори · Вариант 1");
  EXPECT_EQ(std::count(titles.begin(), titles.end(), "Работен лист · Вариант 2"), 1);

  // A key line that wraps reads whole with its line breaks as blanks.
  std::string text = PageText(sheets);
  std::replace(text.begin(), text.end(), '\n', ' ');
  for (std::size_t i = 0; i < testing::kStartTable.size(); ++i) {
    const auto& [p, q] = testing::kStartTable[i];
    const std::string fraction = std::to_string(p) + "/" + std::to_string(q);
    std::string exact = testing::ExactNotation(p, q, ",");
    const bool whole = p % q == 0;
    const std::string line = std::to_string(i + 1) + ") " + fraction + " ≈ " +
                             testing::ExactRounded(p, q, 3, ",") + "; " + fraction + " = " + exact +
                             "; " +
                             (whole                                  ? "цяло число"
                              : exact.find('(') == std::string::npos ? "крайна"
                                                                     : "безкрайна периодична");
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
  EXPECT_NE(text.find("1. Запишете като десетична дроб, закръглена до 3 цифри"), std::string::npos);
}

TEST(WorksheetTest, CommandLine) {
  using Args = std::vector<std::string>;
  const auto command = ReadWorksheetCommand(
      {"--worksheet", "a.pdf", "--variants", "40", "--interval", "1000", "--digits", "0"});
  ASSERT_TRUE(std::holds_alternative<WorksheetCommand>(command));
  const WorksheetCommand& read = std::get<WorksheetCommand>(command);
  EXPECT_EQ(read.file, "a.pdf");
  EXPECT_EQ(read.variants * 10000 + read.interval * 10 + read.digits, 410000);
  const struct {
    Args arguments;
    const char* message;
  } wrong[] = {
      {{"--worksheet"}, "Липсва стойност след --worksheet"},
      {{"--worksheet", "a.pdf", "--variants", "41"}, "Броят варианти е от 1 до 40, а не „41“"},
      {{"--worksheet", "a.pdf", "--interval", "30"}, "Интервалът е 10, 20"},
      {{"--worksheet", "a.pdf", "--digits", "-1"}, "Цифрите са от 0 до 7, а не „-1“"},
      {{"--worksheet", "a.pdf", "--pages", "2"}, "Непозната възможност „--pages“"},
      {{"--variants", "2"}, "Липсва --worksheet"},
  };
  for (const auto& [arguments, message] : wrong) {
    const auto result = ReadWorksheetCommand(arguments);
    ASSERT_TRUE(std::holds_alternative<std::string>(result)) << message;
    EXPECT_TRUE(std::get<std::string>(result).starts_with(message))
        << std::get<std::string>(result);
  }
  EXPECT_TRUE(AsksForWorksheet({"--digits", "2", "--worksheet", "x.pdf"}));
  EXPECT_FALSE(AsksForWorksheet({}));
}

}  // namespace
}  // namespace drobi
