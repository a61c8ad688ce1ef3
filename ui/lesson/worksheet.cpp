#include "ui/lesson/worksheet.hpp"

#include <algorithm>
#include <numeric>

#include "core/long_division.hpp"
#include "core/number_text.hpp"
#include "ui/decimal_column.hpp"
#include "ui/fraction_table.hpp"
#include "ui/lesson/quotient_notes.hpp"
#include "ui/lesson/typed_number.hpp"
#include "ui/lesson/written_division.hpp"

namespace drobi {
namespace {

constexpr double kMargin = 56.7;  // 2 cm
constexpr double kTitle = 16, kText = 12, kNote = 10, kWorking = 9;

std::string Digits(long long count) {
  return count == 1 ? "1 цифра" : std::to_string(count) + " цифри";
}

const char* const kIntervals[] = {"10", "20", "50", "100", "200", "500", "1000"};

// Lists of their own with the window's interval rows, `interval` selected; no click handler is
// set, so nothing they do reaches a form.
SpisArray Scratch(int interval) {
  SpisArray spis;
  for (const char* row : kIntervals) spis[kInterval].AddItem(row);
  for (int digits = 0; digits <= 7; ++digits) spis[kDecimalDigits].AddItem(PlainText(digits));
  for (int row = 0; row < spis[kInterval].ListCount(); ++row) {
    if (spis[kInterval].List(row) == PlainText(interval)) spis[kInterval].SetListIndex(row);
  }
  return spis;
}

TableTexts Drawn(SpisArray& spis, RandomSource& random) {
  ListBox dylgo;
  GenerateFractions(spis, dylgo, random);
  TableTexts table;
  for (int row = 0; row < spis[kNumerators].ListCount(); ++row) {
    table.emplace_back(spis[kNumerators].List(row), spis[kDenominators].List(row));
  }
  return table;
}

// The values as the decimal column rounds them, by the column's own procedure.
std::vector<std::string> Rounded(const TableTexts& table, int digits, const NumberStyle& style) {
  SpisArray spis = Scratch(20);
  for (const auto& [p, q] : table) {
    spis[kNumerators].AddItem(p);
    spis[kDenominators].AddItem(q);
  }
  spis[kDecimalDigits].SetListIndex(std::clamp(digits, 0, 7));
  ShowDecimals(spis, style);
  return spis[kQuotients].Rows();
}

// Lines laid down a page from the top, a new page where the next would pass the bottom margin.
class Flow {
 public:
  explicit Flow(SheetDocument& document) : document_(document) {}

  void NewPage() {
    document_.pages.emplace_back();
    y_ = kMargin;
  }
  // Room for `height` more points on this page, or a new one.
  void Need(double height) {
    if (document_.pages.empty() || y_ + height > document_.height - kMargin) NewPage();
  }
  // One line, its baseline a size below the present place, which moves on by `step`.
  void Line(double x, const std::string& text, PageFont font, double size, bool bold, double step) {
    Need(step);
    Page().runs.push_back({x, y_ + size, text, font, size, bold});
    y_ += step;
  }
  // A text broken at blanks so that no line passes the right margin; lines after the first are
  // indented by `indent`.
  void Wrapped(double x, const std::string& text, double size, bool bold, double step,
               double indent = 0) {
    const double right = document_.width - kMargin;
    std::string line;
    double at = x;
    std::size_t start = 0;
    while (start <= text.size()) {
      std::size_t end = text.find(' ', start);
      if (end == std::string::npos) end = text.size();
      const std::string word = text.substr(start, end - start);
      const std::string longer = line.empty() ? word : line + " " + word;
      if (!line.empty() && at + RunWidth({0, 0, longer, PageFont::kSerif, size, bold}) > right) {
        Line(at, line, PageFont::kSerif, size, bold, step);
        at = x + indent;
        line = word;
      } else {
        line = longer;
      }
      start = end + 1;
    }
    if (!line.empty()) Line(at, line, PageFont::kSerif, size, bold, step);
  }
  void Rule(double x1, double x2, double below) {
    Page().rules.push_back({x1, y_ + below, x2, y_ + below, 0.5});
  }
  void Skip(double points) { y_ += points; }
  double Bottom() const { return document_.height - kMargin; }
  double Y() const { return y_; }
  void SetY(double y) { y_ = y; }
  SheetPage& Page() { return document_.pages.back(); }

 private:
  SheetDocument& document_;
  double y_ = kMargin;
};

void TaskPage(Flow& flow, int variant, const TableTexts& table, int digits, double width) {
  flow.NewPage();
  const double left = kMargin;
  flow.Line(left, "Работен лист · Вариант " + PlainText(variant), PageFont::kSerif, kTitle, true,
            30);
  // Name, class and date, each with a line to write on.
  const struct {
    const char* label;
    double from, to;
  } fields[] = {{"Име", 0, 230}, {"Клас", 250, 340}, {"Дата", 360, width}};
  for (const auto& field : fields) {
    flow.Page().runs.push_back(
        {left + field.from, flow.Y() + kText, field.label, PageFont::kSerif, kText, false});
    flow.Rule(left + field.from + 34, left + field.to, kText + 2);
  }
  flow.Skip(36);
  const std::string tasks[] = {
      "1. Запишете като десетична дроб, закръглена до " + Digits(digits) +
          " след десетичната запетая.",
      "2. Запишете точната стойност с периода в скоби.",
  };
  const std::size_t rows = (table.size() + 1) / 2;
  for (const std::string& task : tasks) {
    flow.Wrapped(left, task, kText, true, 18);
    const double top = flow.Y();
    for (std::size_t i = 0; i < table.size(); ++i) {
      const double x = left + (i < rows ? 0 : width / 2);
      flow.SetY(top + 20 * static_cast<double>(i % rows));
      flow.Line(
          x,
          PlainText(static_cast<long long>(i) + 1) + ") " + table[i].first + "/" + table[i].second,
          PageFont::kSerif, kText, false, 20);
      flow.Rule(x + 80, x + width / 2 - 20, -6);
    }
    flow.SetY(top + 20 * static_cast<double>(rows) + 12);
  }
  flow.Wrapped(left, "3. Кои от дробите са крайни десетични дроби?", kText, true, 18);
  const double top = flow.Y();
  for (std::size_t i = 0; i < table.size(); ++i) {
    flow.SetY(top + 18 * static_cast<double>(i / 4));
    flow.Line(
        left + width / 4 * static_cast<double>(i % 4),
        PlainText(static_cast<long long>(i) + 1) + ") " + table[i].first + "/" + table[i].second,
        PageFont::kSerif, kText, false, 18);
  }
  flow.SetY(top + 18 * static_cast<double>((table.size() + 3) / 4) + 20);
  flow.Rule(left, left + width, 0);
}

void KeyPages(Flow& flow, int variant, const TableTexts& table, const WorksheetOptions& options,
              const NumberStyle& style, double width) {
  flow.NewPage();
  const double left = kMargin;
  flow.Line(left, "Отговори · Вариант " + PlainText(variant), PageFont::kSerif, kTitle, true, 30);
  const std::vector<std::string> rounded = Rounded(table, options.digits, style);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto& [p_text, q_text] = table[i];
    flow.Need(16 + 13);
    flow.Wrapped(left, KeyLine(static_cast<int>(i) + 1, p_text, q_text, rounded.at(i), style),
                 kText, false, 16, 18);
    const auto p = WholeFromText(p_text), q = WholeFromText(q_text);
    if (p && q && *q != 0) {
      flow.Wrapped(left + 18, ReasonText(*p, *q, p_text, q_text, false), kNote, false, 13);
    }
  }
  if (!options.divisions) return;
  // The written divisions in two columns, each whole in one column.
  flow.Skip(12);
  const double column = width / 2;
  const double line = kWorking * 1.2;
  int at = 0;  // 0 the left column, 1 the right
  double top = flow.Y();
  for (std::size_t i = 0; i < table.size(); ++i) {
    const auto& [p_text, q_text] = table[i];
    const auto p = WholeFromText(p_text), q = WholeFromText(q_text);
    if (!p || !q || *q == 0) continue;
    std::vector<std::string> lines =
        WrittenDivision(*p, *q, kWorksheetSteps, style, -1, p_text, q_text).lines;
    lines.erase(std::find(lines.begin(), lines.end(), std::string()), lines.end());
    const double height = line * static_cast<double>(lines.size() + 2);
    if (flow.Y() + height > flow.Bottom()) {
      if (at == 0) {
        at = 1;
        flow.SetY(top);
      }
      if (flow.Y() + height > flow.Bottom()) {
        flow.NewPage();
        at = 0;
        top = flow.Y();
      }
    }
    const double x = left + column * at;
    flow.Line(x, PlainText(static_cast<long long>(i) + 1) + ") " + p_text + "/" + q_text,
              PageFont::kSerif, kNote, true, line * 1.4);
    for (const std::string& text : lines)
      flow.Line(x, text, PageFont::kFixed, kWorking, false, line);
    flow.Skip(line * 0.6);
  }
}

}  // namespace

std::vector<TableTexts> WorksheetTables(const MainForm& form, RandomSource& random, int variants) {
  std::vector<TableTexts> tables;
  const ListBox& numerators = form.Spis[kNumerators];
  if (numerators.ListCount() > 0) {
    TableTexts own;
    for (int row = 0; row < numerators.ListCount(); ++row) {
      own.emplace_back(numerators.List(row), form.Spis[kDenominators].List(row));
    }
    tables.push_back(std::move(own));
  }
  const ListBox& interval = form.Spis[kInterval];
  SpisArray spis =
      Scratch(static_cast<int>(WholeFromText(interval.List(interval.ListIndex())).value_or(20)));
  while (static_cast<int>(tables.size()) < std::clamp(variants, 1, kMostVariants)) {
    tables.push_back(Drawn(spis, random));
  }
  return tables;
}

std::vector<TableTexts> DrawnTables(int interval, RandomSource& random, int variants) {
  SpisArray spis = Scratch(interval);
  std::vector<TableTexts> tables;
  while (static_cast<int>(tables.size()) < std::clamp(variants, 1, kMostVariants)) {
    tables.push_back(Drawn(spis, random));
  }
  return tables;
}

std::string KeyLine(int number, const std::string& p, const std::string& q,
                    const std::string& rounded, const NumberStyle& style) {
  const std::string fraction = p + "/" + q;
  std::string line = PlainText(number) + ") " + fraction + " ≈ " + rounded;
  const auto p_value = WholeFromText(p), q_value = WholeFromText(q);
  if (!p_value || !q_value || *q_value == 0) return line;
  line += "; " + fraction + " = " + ExactValueText(*p_value, *q_value, style, false) + "; ";
  if (*p_value % *q_value == 0) return line + "цяло число";
  return line + (FindPeriod(*p_value, *q_value).period == 0 ? "крайна" : "безкрайна периодична");
}

SheetDocument WorksheetPages(const std::vector<TableTexts>& tables, const WorksheetOptions& options,
                             const NumberStyle& style) {
  SheetDocument document;
  Flow flow(document);
  const double width = document.width - 2 * kMargin;
  for (std::size_t i = 0; i < tables.size(); ++i) {
    TaskPage(flow, static_cast<int>(i) + 1, tables[i], options.digits, width);
    KeyPages(flow, static_cast<int>(i) + 1, tables[i], options, style, width);
  }
  return document;
}

namespace {

// A whole number from `low` to `high`, or the message: `range` and what was typed, quoted where
// it is short enough to quote.
std::variant<int, std::string> Count(std::string_view typed, int low, int high, const char* range) {
  const std::string_view shown = Shown(typed.substr(0, kMostTypedBytes));
  if (!shown.empty() && shown.size() <= 2 &&
      shown.find_first_not_of("0123456789") == std::string_view::npos) {
    const int value = static_cast<int>(*WholeFromText(shown));
    if (value >= low && value <= high) return value;
  }
  std::string message = range;
  if (!shown.empty() && shown.size() <= 12) message.append(", а не „").append(shown).append("“");
  return message.append(".");
}

}  // namespace

std::string SheetFailureText(SheetFailure failure, std::string_view name) {
  const std::string quoted = std::string("„").append(name).append("“");
  switch (failure) {
    case SheetFailure::kNotOpened:
      return "Файлът " + quoted +
             " не може да бъде записан: папката му липсва, в нея не може да се пише или името е "
             "на папка.";
    case SheetFailure::kNotWritten:
      return "Записът на " + quoted +
             " не завърши, например защото дискът е пълен; файлът не е променен.";
    case SheetFailure::kNotReplaced:
      return quoted + " не може да бъде заменен с новия файл; той остава, какъвто беше.";
    case SheetFailure::kNotPrinted:
      return "Печатът на " + quoted +
             " не може да започне. Проверете дали принтерът е включен и свързан.";
    case SheetFailure::kNoPrinter:
      return "Няма инсталиран принтер. Инсталирайте принтер, например „Microsoft Print to PDF“, "
             "и опитайте отново.";
    case SheetFailure::kNoPrintDialog:
      return "Прозорецът за избор на принтер не може да се отвори. Опитайте отново.";
  }
  return quoted;
}

std::variant<int, std::string> ReadVariants(std::string_view typed) {
  return Count(typed, 1, kMostVariants, "Броят варианти е от 1 до 40");
}

std::variant<int, std::string> ReadDigits(std::string_view typed) {
  return Count(typed, 0, 7, "Цифрите са от 0 до 7");
}

bool AsksForWorksheet(const std::vector<std::string>& arguments) {
  return std::find(arguments.begin(), arguments.end(), "--worksheet") != arguments.end();
}

std::variant<WorksheetCommand, std::string> ReadWorksheetCommand(
    const std::vector<std::string>& arguments) {
  const std::string usage =
      "Употреба: drobi --worksheet ФАЙЛ.pdf [--variants 1–40] [--interval 10|20|50|100|200|500|"
      "1000] [--digits 0–7]";
  WorksheetCommand command;
  const auto number = [](const std::string& text) -> std::optional<int> {
    if (text.empty() || text.size() > 4 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
      return std::nullopt;
    }
    return std::stoi(text);
  };
  for (std::size_t i = 0; i < arguments.size(); i += 2) {
    const std::string& option = arguments[i];
    if (i + 1 >= arguments.size()) return "Липсва стойност след " + option + ". " + usage;
    const std::string& value = arguments[i + 1];
    const auto n = number(value);
    if (option == "--worksheet") {
      if (value.empty() || value.starts_with("--")) return "Липсва име на файл. " + usage;
      command.file = value;
    } else if (option == "--variants") {
      const auto read = ReadVariants(value);
      if (const auto* message = std::get_if<std::string>(&read)) return *message + " " + usage;
      command.variants = std::get<int>(read);
    } else if (option == "--interval") {
      const bool listed =
          std::find(std::begin(kIntervals), std::end(kIntervals), value) != std::end(kIntervals);
      if (!n || !listed) {
        return "Интервалът е 10, 20, 50, 100, 200, 500 или 1000, а не „" + value + "“. " + usage;
      }
      command.interval = *n;
    } else if (option == "--digits") {
      const auto read = ReadDigits(value);
      if (const auto* message = std::get_if<std::string>(&read)) return *message + " " + usage;
      command.digits = std::get<int>(read);
    } else {
      return "Непозната възможност „" + option + "“. " + usage;
    }
  }
  if (command.file.empty()) return "Липсва --worksheet ФАЙЛ.pdf. " + usage;
  return command;
}

}  // namespace drobi
