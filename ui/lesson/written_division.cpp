#include "ui/lesson/written_division.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <numeric>

#include "core/long_division.hpp"
#include "core/number_text.hpp"

namespace drobi {
namespace {

std::string Digits(long long count) {
  return count == 1 ? "1 цифра" : std::to_string(count) + " цифри";
}

// a − b for decimal digit strings with a ≥ b, without leading zeros.
std::string Minus(const std::string& a, const std::string& b) {
  std::string difference = a;
  int borrow = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::size_t at = a.size() - 1 - i;
    int digit = a[at] - '0' - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
    borrow = digit < 0 ? 1 : 0;
    difference[at] = static_cast<char>('0' + digit + 10 * borrow);
  }
  return difference.substr(std::min(difference.find_first_not_of('0'), difference.size() - 1));
}

std::string WithoutLeadingZeros(const std::string& digits) {
  return digits.substr(std::min(digits.find_first_not_of('0'), digits.size() - 1));
}

// How the decimal turns back into the fraction, as pupils do it: the value `whole`,`found`
// multiplied by 10 until the period stands before and after the separator, the one subtracted
// from the other; a terminating decimal over its power of ten. `period_from` is where the period
// starts among the digits, found.size() for none; `reduced` the fraction in lowest terms, and a
// negative value is worked out for its magnitude and given its sign at the end.
std::string WayBack(long long whole, const std::vector<int>& found, int period_from,
                    const std::string& reduced, bool negative, const NumberStyle& style) {
  std::string digits;
  for (const int digit : found) digits += static_cast<char>('0' + digit);
  const std::string sep = style.decimal_separator;
  const std::string wholes = PlainText(whole);
  const std::size_t from = static_cast<std::size_t>(period_from);
  const auto shifted = [&](std::size_t by) {  // the value times 10^by
    return WithoutLeadingZeros(wholes + digits.substr(0, by)) + sep + digits.substr(by, from - by) +
           (from < digits.size() ? std::string("(").append(digits, from).append(")") : "");
  };
  const std::string value = shifted(0);
  const std::string sign = negative ? style.negative_sign : "";
  std::string text;
  std::string over;
  if (from == digits.size()) {
    over = WithoutLeadingZeros(wholes + digits) + "/1" + std::string(digits.size(), '0');
    text = value + " = " + over;
  } else {
    // Written rather than concatenated: GCC 12 warns falsely about "1" + std::string.
    const auto power = [](std::size_t zeros) {
      std::string power(zeros + 1, '0');
      power.front() = '1';
      return power;
    };
    const std::string ten = power(digits.size());
    const std::string pre_ten = from > 0 ? power(from) : "";
    text = "x = " + value + "; " + ten + "x = " + shifted(digits.size()) + "; ";
    if (from > 0) text += pre_ten + "x = " + shifted(from) + "; ";
    const std::string times = std::string(digits.size() - from, '9') + std::string(from, '0');
    const std::string difference = Minus(WithoutLeadingZeros(wholes + digits),
                                         WithoutLeadingZeros(wholes + digits.substr(0, from)));
    over = difference + "/" + times;
    text += times + "x = " + difference + "; x = " + over;
  }
  if (over != reduced) text += " = " + reduced;
  if (negative) text += "; " + sign + value + " = " + sign + reduced;
  return text;
}

// Why the working ended where it did.
enum class Stop { kZero, kRepeat, kDigits };

// Builds the lines and their marks. Every line of the working is ASCII, so its columns are bytes.
class Page {
 public:
  void Reserve(std::size_t lines) { text_.lines.reserve(lines); }
  int Add(std::string line) {
    text_.lines.push_back(std::move(line));
    return static_cast<int>(text_.lines.size()) - 1;
  }
  // `value`, after a minus when `minus`, placed so that its last digit stands in column `end`:
  // each line is made in one piece, as the view asks for up to 185 of them on every click.
  int AddRight(long long value, int end, bool minus = false) {
    std::array<char, 24> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    const int width = static_cast<int>(written.ptr - digits.data()) + (minus ? 1 : 0);
    std::string line(static_cast<std::size_t>(std::max(0, end + 1 - width)), ' ');
    line.reserve(line.size() + static_cast<std::size_t>(width));
    if (minus) line += '-';
    line.append(digits.data(), written.ptr);
    return Add(std::move(line));
  }
  void Mark(int line, int first, int count, MarkRole role) {
    if (count > 0) text_.marks.push_back({line, first, count, role});
  }
  // All of a line but its leading blanks.
  void MarkLine(int line, MarkRole role) {
    const std::string& text = text_.lines[static_cast<std::size_t>(line)];
    const int first = static_cast<int>(text.find_first_not_of(' '));
    Mark(line, first, CharCount(text) - first, role);
  }
  // The column of a line's first character that is not a blank.
  int Start(int line) const {
    return static_cast<int>(text_.lines[static_cast<std::size_t>(line)].find_first_not_of(' '));
  }
  LessonText Take() { return std::move(text_); }

 private:
  LessonText text_;
};

}  // namespace

LessonText WrittenDivision(long long p, long long q, int digits, const NumberStyle& style,
                           int selected, std::string_view p_text, std::string_view q_text) {
  DivideLong(p, q, 0);  // raises for q = 0 and for numbers too large, as the long number does
  const long long a = std::llabs(p);
  const long long b = std::llabs(q);
  const long long whole = a / b;

  // The working: remainders[k] is what step k leaves (0 the integer part), digit k + 1 its digit.
  std::vector<long long> remainders{a % b};
  std::vector<int> found;
  int repeated_from = -1;  // the step whose remainder comes again at the last step
  while (remainders.back() != 0 && static_cast<int>(found.size()) < digits) {
    const long long written = remainders.back() * 10;
    found.push_back(static_cast<int>(written / b));
    const long long rest = written % b;
    const auto seen = std::find(remainders.begin(), remainders.end(), rest);
    if (seen != remainders.end()) repeated_from = static_cast<int>(seen - remainders.begin());
    remainders.push_back(rest);
    if (repeated_from >= 0) break;
  }
  const int steps = static_cast<int>(found.size());
  const Stop stop = remainders.back() == 0 ? Stop::kZero
                    : repeated_from >= 0   ? Stop::kRepeat
                                           : Stop::kDigits;
  // Where the period starts among the digits found, if it does: known from the repeat, or, for a
  // working cut short, from the fraction itself, as the long number marks it.
  int period_from = stop == Stop::kRepeat ? repeated_from : steps;
  long long period_length = 0, pre_period = 0;
  if (stop == Stop::kDigits) {
    const Period period = FindPeriod(p, q);
    period_length = period.period;
    pre_period = period.pre_period;
    if (period.period > 0) period_from = static_cast<int>(std::min<long long>(pre_period, steps));
  }

  // The first line, the quotient's characters counted as it grows for the marks.
  Page page;
  page.Reserve(2 * static_cast<std::size_t>(steps) + 8);
  const std::string dividend = SignedText(p);
  std::string quotient = p != 0 && (p < 0) != (q < 0) ? style.negative_sign : "";
  quotient += PlainText(whole);
  const std::string head = dividend + " : " + PlainText(q) + " = ";
  const int whole_at = CharCount(head) + CharCount(quotient) - CharCount(PlainText(whole));
  std::vector<int> digit_at;  // the column of each digit found
  if (steps > 0) quotient += style.decimal_separator;
  digit_at.reserve(found.size());
  int column = CharCount(head) + CharCount(quotient);  // the digits and '(' are one column each
  for (int k = 0; k < steps; ++k) {
    if (k == repeated_from) {
      quotient += '(';
      ++column;
    }
    digit_at.push_back(column++);
    quotient += static_cast<char>('0' + found[static_cast<std::size_t>(k)]);
  }
  if (stop == Stop::kRepeat) quotient += ')';
  if (stop == Stop::kDigits) quotient += "…";
  const int first_line = page.Add(head + quotient);
  if (period_from < steps) {
    const int from = digit_at[static_cast<std::size_t>(period_from)];
    page.Mark(first_line, from, digit_at.back() + 1 - from, MarkRole::kPeriod);
  }

  // The working, each step one column right of the one before: place value, as on paper.
  const int end = static_cast<int>(dividend.size()) - 1;
  const int whole_product = whole != 0 ? page.AddRight(whole * b, end, true) : -1;
  std::vector<int> step_line;  // the line of step k + 1's remainder with its zero
  for (int k = 0; k < steps; ++k) {
    const std::size_t i = static_cast<std::size_t>(k);
    step_line.push_back(page.AddRight(remainders[i] * 10, end + k + 1));
    page.AddRight(b * found[i], end + k + 1, true);
  }
  const int last_line = page.AddRight(remainders.back(), end + steps);
  if (stop == Stop::kRepeat) {
    // Where the remainder first stood: the digits before the zero written to it.
    const int first_seen = step_line[static_cast<std::size_t>(repeated_from)];
    page.Mark(first_seen, page.Start(first_seen), CharCount(PlainText(remainders.back())),
              MarkRole::kRepeatedRemainder);
    page.MarkLine(last_line, MarkRole::kRepeatedRemainder);
  }

  // The long number's selected row: row 0 is the integer part, row k the digit of step k; past a
  // repeat the digits are those of the same step in the first turn.
  int step = selected;
  if (step > steps) {
    step = stop == Stop::kRepeat
               ? repeated_from + (step - repeated_from - 1) % (steps - repeated_from) + 1
               : -1;
  }
  if (step == 0) {
    page.Mark(first_line, 1, end, MarkRole::kSelectedStep);
    page.Mark(first_line, whole_at, CharCount(PlainText(whole)), MarkRole::kSelectedStep);
    if (whole_product >= 0) page.MarkLine(whole_product, MarkRole::kSelectedStep);
  } else if (step > 0) {
    const std::size_t i = static_cast<std::size_t>(step - 1);
    page.Mark(first_line, digit_at[i], 1, MarkRole::kSelectedStep);
    page.MarkLine(step_line[i], MarkRole::kSelectedStep);
    page.MarkLine(step_line[i] + 1, MarkRole::kSelectedStep);
  }

  // Why it stopped, in words.
  const std::string fraction = std::string(p_text.empty() ? PlainText(p) : std::string(p_text)) +
                               "/" + (q_text.empty() ? PlainText(q) : std::string(q_text));
  const std::string value = fraction + " = " + quotient;
  const bool negative = p != 0 && (p < 0) != (q < 0);
  const long long common = std::gcd(a, b);
  const std::string reduced = PlainText(a / common) + "/" + PlainText(b / common);
  page.Add("");
  switch (stop) {
    case Stop::kZero:
      page.Add("Остатъкът е 0: делението свършва. " + value +
               (steps == 0 ? " е цяло число." : " е крайна десетична дроб."));
      if (steps > 0) page.Add(WayBack(whole, found, steps, reduced, negative, style));
      break;
    case Stop::kRepeat:
      page.Add("Остатъкът " + PlainText(remainders.back()) +
               " се повтаря, затова и цифрите след него се повтарят: " + value + ".");
      page.Add(WayBack(whole, found, repeated_from, reduced, negative, style));
      break;
    case Stop::kDigits:
      if (period_length == 0) {
        page.Add("След " + Digits(steps) + " остатъкът още не е 0: цифрите продължават. " +
                 fraction + " е крайна десетична дроб с " + Digits(pre_period) +
                 " след десетичния знак.");
      } else {
        page.Add("След " + Digits(steps) +
                 " остатъкът още не се е повторил: цифрите продължават. " + "Периодът на " +
                 fraction + " е дълъг " + Digits(period_length) + ".");
      }
      break;
  }
  return page.Take();
}

LessonText WrittenDivisionOf(const MainForm& form) {
  const ListBox& numerators = form.Spis[kNumerators];
  const int r = numerators.ListIndex();
  const std::string p_text = numerators.List(r), q_text = form.Spis[kDenominators].List(r);
  const auto p = WholeFromText(p_text), q = WholeFromText(q_text);
  if (r < 0 || !p || !q || *q == 0) return {{"Изберете дроб от таблицата."}, {}};
  const ListBox& counts = form.Spis[kLongDigits];
  const int digits = static_cast<int>(WholeFromText(counts.List(counts.ListIndex())).value_or(0));
  // The long number's selection counts only while it shows this division's rows.
  const int selected = form.Dylgo.ListCount() == digits + 1 ? form.Dylgo.ListIndex() : -1;
  LessonText text = WrittenDivision(*p, *q, digits, form.Style(), selected, p_text, q_text);
  const ListBox& decimals = form.Spis[kDecimalDigits];
  const ListBox& quotients = form.Spis[kQuotients];
  if (decimals.ListIndex() >= 0 && r < quotients.ListCount()) {
    const long long places = WholeFromText(decimals.List(decimals.ListIndex())).value_or(0);
    text.lines.push_back("Закръглено до " + Digits(places) +
                         " след десетичния знак: " + quotients.List(r) + ".");
  }
  return text;
}

}  // namespace drobi
