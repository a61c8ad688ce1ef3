#include "ui/lesson/long_number_marks.hpp"

#include <cstdlib>

#include "core/number_text.hpp"
#include "ui/long_number.hpp"
#include "ui/window_layout.hpp"

namespace drobi {
namespace {

std::string Digits(long long count) {
  return count == 1 ? "1 цифра" : std::to_string(count) + " цифри";
}

std::string AfterStep(long long step) {
  return step == 0 ? "след цялата част" : "след цифра " + std::to_string(step);
}

int Turn(int row, const Period& period) {
  if (period.period == 0 || row <= period.pre_period) return 0;
  return static_cast<int>((row - period.pre_period - 1) / period.period) + 1;
}

bool StartsTurn(int row, const Period& period) {
  return Turn(row, period) > 0 && (row - period.pre_period - 1) % period.period == 0;
}

}  // namespace

LongNumberMarks::LongNumberMarks(const SpisArray& spis, const ListBox& dylgo)
    : spis_(spis), dylgo_(dylgo) {}

const LongNumberMarks::Division* LongNumberMarks::Current() const {
  const ListBox& numerators = spis_[kNumerators];
  const int r = numerators.ListIndex();
  if (r < 0 || r >= numerators.ListCount() || dylgo_.ListCount() == 0) return nullptr;
  const auto p = WholeFromText(numerators.List(r));
  const auto q = WholeFromText(spis_[kDenominators].List(r));
  if (!p || !q || *q == 0) return nullptr;
  const int n = dylgo_.ListCount() - 1;
  if (!last_ || last_->p != *p || last_->q != *q || last_->rows.size() != dylgo_.Rows().size()) {
    Division worked{*p, *q, DivideLong(*p, *q, n), FindPeriod(*p, *q), {}};
    worked.rows = LongNumberRows(worked.division);
    last_ = std::move(worked);
  }
  return dylgo_.Rows() == last_->rows ? &*last_ : nullptr;
}

RowMark LongNumberMarks::Mark(int row) const {
  const Division* d = Current();
  if (d == nullptr || row < 0 || row >= dylgo_.ListCount()) return {};
  RowMark mark;
  mark.pre_period = row >= 1 && row <= d->period.pre_period;
  mark.turn = Turn(row, d->period);
  mark.starts_turn = StartsTurn(row, d->period);
  if (mark.turn > 0) mark.tint = kPeriodTints[(mark.turn - 1) % 2];
  return mark;
}

std::string LongNumberMarks::Explained(int row, Said said) const {
  const Division* d = Current();
  if (d == nullptr || row < 0 || row >= dylgo_.ListCount()) return {};
  const bool shown = said == Said::kShown;
  const LongDivision& division = d->division;
  const Period& period = d->period;
  const auto remainder = [&division](long long step) {
    return std::to_string(division.remainders[static_cast<std::size_t>(step)]);
  };
  const auto divided = [&](long long dividend, long long quotient) {
    return std::to_string(dividend) + (shown ? " : " : " делено на ") +
           std::to_string(std::llabs(d->q)) + (shown ? " = " : " е ") + std::to_string(quotient);
  };
  // Where the hover shows a colon or a full stop, a reader would name it: a comma or nothing.
  const std::string colon = shown ? ": " : ", ";
  const std::string stop = shown ? "." : "";
  std::string text;
  if (row == 0) {
    text = (shown ? "Цяла част: " : "") + divided(std::llabs(d->p), std::llabs(division.whole)) +
           ", остатък " + remainder(0);
  } else {
    const long long before = division.remainders[static_cast<std::size_t>(row) - 1];
    if (shown) text = "Цифра " + std::to_string(row) + ": ";
    text += std::to_string(before) + (shown ? "·10 = " : " по 10 е ") +
            std::to_string(before * 10) + "; " +
            divided(before * 10, division.digits[static_cast<std::size_t>(row) - 1]) +
            ", остатък " + remainder(row);
  }
  // The notes follow on lines of their own in the hover, after a semicolon when spoken.
  const std::string next = shown ? "\n" : "; ";
  const auto sentence = [&](const char* shown_start, const char* spoken_start) {
    return next + (shown ? shown_start : spoken_start);
  };
  if (period.period > 0 && row == period.repeat_step) {
    text += sentence("Остатък ", "остатък ") + remainder(row) + " вече е имало " +
            AfterStep(period.pre_period) + colon + "оттук цифрите се повтарят, периодът е от " +
            Digits(period.period) + stop;
  }
  if (period.period == 0 && row == period.pre_period) {
    text += sentence("Остатъкът", "остатъкът") + " е 0" + colon +
            "делението свършва, дробта е крайна и нататък следват само нули" + stop;
  }
  const int n = dylgo_.ListCount() - 1;
  if (row == n && period.period > 0 && period.repeat_step > n) {
    text += sentence("Периодът", "периодът") + " е от " + Digits(period.period) +
            ", повече от показаните " + std::to_string(n) + colon + "остатък " +
            std::to_string(period.repeated_remainder) + " се повтаря чак след цифра " +
            std::to_string(period.repeat_step) + stop;
  }
  if (row == n && period.period == 0 && period.pre_period > n) {
    text += sentence("Дробта", "дробта") + " е крайна, но има " + Digits(period.pre_period) +
            (shown ? " след точката" : " след десетичния знак") + ", повече от показаните " +
            std::to_string(n) + stop;
  }
  return text;
}

std::string LongNumberMarks::HoverText(int row) const {
  const std::string step = Explained(row, Said::kShown);
  return step.empty() ? step : std::string(ControlNamed("Dylgo").hover) + "\n" + step;
}

std::string LongNumberMarks::AccessibleText(int row) const {
  const std::string step = Explained(row, Said::kSpoken);
  if (step.empty()) return step;
  std::string shown = dylgo_.List(row);
  shown.erase(0, shown.find_first_not_of(' '));
  // The integer part's point would be read out: «цяла част 3», not «3 точка».
  if (row == 0) return "цяла част " + shown.substr(0, shown.find('.')) + "; " + step;
  std::string text = shown + ", цифра " + std::to_string(row);
  const Period& period = Current()->period;
  if (const int turn = Turn(row, period); turn > 0) {
    text += (StartsTurn(row, period) ? ", начало на период " : ", период ") + std::to_string(turn);
  }
  return text + "; " + step;
}

}  // namespace drobi
