#include "ui/long_number_marks.hpp"

#include <QBrush>
#include <QColor>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>

#include "core/number_text.hpp"
#include "ui/list_view.hpp"

namespace drobi {
namespace {

const QString kListHover = QStringLiteral("На всеки следващ ред е поредната цифра");

// Alternate turns of the period: pale yellow and pale blue stay apart also for the common kinds
// of colour blindness, and the selection's highlight still stands out on both.
const QColor kTints[2] = {QColor(255, 238, 170), QColor(196, 228, 255)};

// A row text of the fraction table as a whole number the division can take; anything else
// (a fraction, a number past the 32-bit range of the lists) gives nothing.
std::optional<long long> WholeNumber(const std::string& text) {
  const double value = ValFromText(text);
  if (!(std::fabs(value) < 2147483648.0) || value != std::trunc(value)) return std::nullopt;
  return static_cast<long long>(value);
}

QString Digits(long long count) {
  return count == 1 ? QStringLiteral("1 цифра") : QStringLiteral("%1 цифри").arg(count);
}

QString AfterStep(long long step) {
  return step == 0 ? QStringLiteral("след цялата част") : QStringLiteral("след цифра %1").arg(step);
}

}  // namespace

LongNumberMarks::LongNumberMarks(const SpisArray& spis, const ListBox& dylgo)
    : spis_(spis), dylgo_(dylgo) {}

const LongDivision* LongNumberMarks::Current() const {
  const ListBox& numerators = spis_[kNumerators];
  const int r = numerators.ListIndex();
  if (r < 0 || r >= numerators.ListCount() || dylgo_.ListCount() == 0) return nullptr;
  const auto p = WholeNumber(numerators.List(r));
  const auto q = WholeNumber(spis_[kDenominators].List(r));
  if (!p || !q || *q == 0) return nullptr;
  const int n = dylgo_.ListCount() - 1;
  if (!division_ || *p != p_ || *q != q_ || n != n_) {
    division_ = DivideLong(*p, *q, n);
    p_ = *p;
    q_ = *q;
    n_ = n;
    rows_.assign(1, SignedText(division_->whole) + ".");
    for (int digit : division_->digits) rows_.push_back(PlainText(digit));
  }
  return dylgo_.Rows() == rows_ ? &*division_ : nullptr;
}

int LongNumberMarks::Turn(int row, const LongDivision& d) const {
  if (d.period == 0 || row <= d.pre_period) return 0;
  return static_cast<int>((row - d.pre_period - 1) / d.period) + 1;
}

QVariant LongNumberMarks::Data(int row, int role) const {
  switch (role) {
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
    case Qt::AccessibleTextRole:
    case Qt::BackgroundRole:
    case kPeriodStartRole:
    case kPeriodTurnRole:
      break;
    default:  // the view asks for many roles on every paint; spare them the division
      return {};
  }
  if (row < 0 || row >= dylgo_.ListCount()) return {};
  const LongDivision* d = Current();
  if (d == nullptr) return {};
  const int turn = Turn(row, *d);
  const bool starts_turn = turn > 0 && (row - d->pre_period - 1) % d->period == 0;
  switch (role) {
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
      return HoverText(row, *d);
    case Qt::AccessibleTextRole:
      return AccessibleText(row, *d);
    case Qt::BackgroundRole:
      return turn > 0 ? QVariant(QBrush(kTints[(turn - 1) % 2])) : QVariant();
    case kPeriodStartRole:
      return starts_turn;
    case kPeriodTurnRole:
      return turn;
    default:
      return {};
  }
}

QString LongNumberMarks::HoverText(int row, const LongDivision& d) const {
  const long long b = std::llabs(q_);
  const long long r = d.remainders[static_cast<std::size_t>(row)];
  QString text = kListHover + QLatin1Char('\n');
  if (row == 0) {
    text += QStringLiteral("Цяла част: %1 : %2 = %3, остатък %4")
                .arg(std::llabs(p_))
                .arg(b)
                .arg(std::llabs(d.whole))
                .arg(r);
  } else {
    const long long before = d.remainders[static_cast<std::size_t>(row) - 1];
    text += QStringLiteral("Цифра %1: %2·10 = %3; %3 : %4 = %5, остатък %6")
                .arg(row)
                .arg(before)
                .arg(before * 10)
                .arg(b)
                .arg(d.digits[static_cast<std::size_t>(row) - 1])
                .arg(r);
  }
  if (d.period > 0 && row == d.repeat_step) {
    text += QStringLiteral(
                "\nОстатък %1 вече е имало %2: оттук цифрите се повтарят, периодът "
                "е от %3.")
                .arg(r)
                .arg(AfterStep(d.pre_period))
                .arg(Digits(d.period));
  }
  if (d.period == 0 && row == d.pre_period) {
    text += QStringLiteral(
        "\nОстатъкът е 0: делението свършва, дробта е крайна и нататък "
        "следват само нули.");
  }
  const int n = dylgo_.ListCount() - 1;
  if (row == n && d.period > 0 && d.repeat_step > n) {
    text += QStringLiteral(
                "\nПериодът е от %1, повече от показаните %2: остатък %3 се повтаря "
                "чак след цифра %4.")
                .arg(Digits(d.period))
                .arg(n)
                .arg(d.remainders[static_cast<std::size_t>(d.pre_period)])
                .arg(d.repeat_step);
  }
  if (row == n && d.period == 0 && d.pre_period > n) {
    text += QStringLiteral("\nДробта е крайна, но има %1 след точката, повече от показаните %2.")
                .arg(Digits(d.pre_period))
                .arg(n);
  }
  return text;
}

QString LongNumberMarks::AccessibleText(int row, const LongDivision& d) const {
  const QString shown = QString::fromStdString(dylgo_.List(row)).trimmed();
  if (row == 0) return shown + QStringLiteral(", цяла част");
  QString text = shown + QStringLiteral(", цифра %1").arg(row);
  const int turn = Turn(row, d);
  if (turn > 0) {
    const bool starts_turn = (row - d.pre_period - 1) % d.period == 0;
    text += (starts_turn ? QStringLiteral(", начало на период %1") : QStringLiteral(", период %1"))
                .arg(turn);
  }
  return text;
}

void MarkLongNumber(ListView& dylgo_view, const MainForm& form) {
  auto marks = std::make_shared<const LongNumberMarks>(form.Spis, form.Dylgo);
  dylgo_view.SetMoreRoles([marks](int row, int role) { return marks->Data(row, role); });
  dylgo_view.SetSeparatorRole(LongNumberMarks::kPeriodStartRole);
}

}  // namespace drobi
