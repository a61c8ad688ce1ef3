#include "ui/long_number_marks.hpp"

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

std::string LongNumberMarks::HoverText(int row) const {
  const Division* d = Current();
  if (d == nullptr || row < 0 || row >= dylgo_.ListCount()) return {};
  const LongDivision& division = d->division;
  const Period& period = d->period;
  const auto remainder = [&division](long long step) {
    return std::to_string(division.remainders[static_cast<std::size_t>(step)]);
  };
  const std::string b = std::to_string(std::llabs(d->q));
  std::string text = std::string(ControlNamed("Dylgo").hover) + "\n";
  if (row == 0) {
    text += "Цяла част: " + std::to_string(std::llabs(d->p)) + " : " + b + " = " +
            std::to_string(std::llabs(division.whole)) + ", остатък " + remainder(0);
  } else {
    const long long before = division.remainders[static_cast<std::size_t>(row) - 1];
    text += "Цифра " + std::to_string(row) + ": " + std::to_string(before) +
            "·10 = " + std::to_string(before * 10) + "; " + std::to_string(before * 10) + " : " +
            b + " = " + std::to_string(division.digits[static_cast<std::size_t>(row) - 1]) +
            ", остатък " + remainder(row);
  }
  if (period.period > 0 && row == period.repeat_step) {
    text += "\nОстатък " + remainder(row) + " вече е имало " + AfterStep(period.pre_period) +
            ": оттук цифрите се повтарят, периодът е от " + Digits(period.period) + ".";
  }
  if (period.period == 0 && row == period.pre_period) {
    text += "\nОстатъкът е 0: делението свършва, дробта е крайна и нататък следват само нули.";
  }
  const int n = dylgo_.ListCount() - 1;
  if (row == n && period.period > 0 && period.repeat_step > n) {
    text += "\nПериодът е от " + Digits(period.period) + ", повече от показаните " +
            std::to_string(n) + ": остатък " + std::to_string(period.repeated_remainder) +
            " се повтаря чак след цифра " + std::to_string(period.repeat_step) + ".";
  }
  if (row == n && period.period == 0 && period.pre_period > n) {
    text += "\nДробта е крайна, но има " + Digits(period.pre_period) +
            " след точката, повече от "
            "показаните " +
            std::to_string(n) + ".";
  }
  return text;
}

std::string LongNumberMarks::AccessibleText(int row) const {
  const Division* d = Current();
  if (d == nullptr || row < 0 || row >= dylgo_.ListCount()) return {};
  std::string shown = dylgo_.List(row);
  shown.erase(0, shown.find_first_not_of(' '));
  if (row == 0) return shown + ", цяла част";
  std::string text = shown + ", цифра " + std::to_string(row);
  const int turn = Turn(row, d->period);
  if (turn > 0) {
    text +=
        (StartsTurn(row, d->period) ? ", начало на период " : ", период ") + std::to_string(turn);
  }
  return text;
}

}  // namespace drobi
