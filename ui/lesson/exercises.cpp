#include "ui/lesson/exercises.hpp"

#include <numeric>
#include <variant>

#include "core/long_division.hpp"
#include "core/number_text.hpp"
#include "ui/lesson/fraction_entry.hpp"
#include "ui/lesson/quotient_notes.hpp"
#include "ui/lesson/typed_number.hpp"

namespace drobi {
namespace {

// Past this many digits before and in the period, writing the value out or back is no exercise:
// such rows are passed over by those two kinds.
constexpr long long kMostWrittenDigits = 20;

std::string Digits(long long count) {
  return count == 1 ? "1 цифра" : std::to_string(count) + " цифри";
}

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
  if (from.empty()) return text;
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
  return text;
}

// A number as one text whatever its separator, sign or blanks: «-0,41(6)», «5/12», «3».
std::string Canonical(const TypedNumber& number) {
  // The minus inserted rather than concatenated: GCC 12 warns falsely about "-" + std::string.
  std::string text = Trimmed(number.whole);
  if (number.negative) text.insert(text.begin(), '-');
  if (number.fraction) return text + "/" + Trimmed(number.below);
  if (!number.pre.empty() || !number.period.empty()) text += "," + number.pre;
  return number.period.empty() ? text : text + "(" + number.period + ")";
}

// A text the program wrote with the regional settings, read as the pupil's answers are read.
std::string CanonicalOf(const std::string& written, const NumberStyle& style) {
  std::string text = written;
  if (!style.group_separator.empty() && style.group_separator != style.decimal_separator) {
    text = Replaced(text, style.group_separator, "");
  }
  text = Replaced(Replaced(text, style.decimal_separator, ","), style.negative_sign, "-");
  const auto read = ReadNumber(text);
  return std::holds_alternative<TypedNumber>(read) ? Canonical(std::get<TypedNumber>(read)) : text;
}

// The example is written with the separator that the form writes its values with.
std::string UnreadMessage(TaskKind kind, Unread unread, std::string_view shown,
                          const std::string& separator) {
  const std::string example =
      kind == TaskKind::kBackToFraction
          ? std::string("5/12")
          : std::string("0").append(separator).append(kind == TaskKind::kRounding ? "25" : "(3)");
  const std::string hint = kind == TaskKind::kEndsOrRepeats
                               ? std::string("натиснете К за крайна или П за периодична")
                               : "напишете например " + example;
  if (unread == Unread::kEmpty) return "Напишете отговора: " + hint + ".";
  if (unread == Unread::kTooLong) return "Отговорът е твърде дълъг: " + hint + ".";
  return "Не разбирам „" + std::string(shown) + "“ — " + hint;
}

}  // namespace

ExercisesChange Exercises::ChangeSince(const ExercisesMark& before) const {
  const bool verdict = answered_ && !before.answered;
  const bool announce =
      verdict || verdict_.outcome == Outcome::kUnread || before.outcome != verdict_.outcome;
  if (verdict) return {announce, AnswerFocus::kNextTask};
  return {announce, answered_ ? AnswerFocus::kStay : AnswerFocus::kAnswer};
}

const char* KindTitle(TaskKind kind) {
  switch (kind) {
    case TaskKind::kEndsOrRepeats:
      return "К&райна или периодична";
    case TaskKind::kRounding:
      return "&Закръгляне";
    case TaskKind::kExactValue:
      return "&Точна стойност";
    case TaskKind::kBackToFraction:
      return "О&братно към дробта";
  }
  return "";
}

Exercises::Exercises(MainForm& form, TaskKind kind) : form_(form), kind_(kind) { Pose(0); }

void Exercises::SetKind(TaskKind kind) {
  kind_ = kind;
  Pose(row_);
}

void Exercises::Pose(int row) {
  answered_ = false;
  verdict_ = {};
  question_.clear();
  spoken_question_.clear();
  ListBox& interval = form_.Spis[kInterval];
  const ListBox& numerators = form_.Spis[kNumerators];
  // Rows with too long an expansion are passed over; two tables of nothing else end the search.
  bool found = false;
  for (int tries = 0; !found && tries <= 2 * kTableRows; ++tries, ++row) {
    if (numerators.ListCount() == 0 || row >= numerators.ListCount()) {
      interval.UserClick(interval.ListIndex());
      row = 0;
      if (numerators.ListCount() == 0) return;
    }
    p_text_ = numerators.List(row);
    q_text_ = form_.Spis[kDenominators].List(row);
    const auto p = WholeFromText(p_text_), q = WholeFromText(q_text_);
    if (!p || !q || *q == 0) continue;
    const Period period = FindPeriod(*p, *q);
    const bool written = kind_ == TaskKind::kExactValue || kind_ == TaskKind::kBackToFraction;
    if (written && period.pre_period + period.period > kMostWrittenDigits) continue;
    row_ = row;
    p_ = *p;
    q_ = *q;
    found = true;
  }
  if (!found) return;
  p_text_ = numerators.List(row_);
  q_text_ = form_.Spis[kDenominators].List(row_);
  const std::string fraction = p_text_ + "/" + q_text_;
  const std::string spoken = p_text_ + " върху " + q_text_;
  const ListBox& places = form_.Spis[kDecimalDigits];
  const long long digits = WholeFromText(places.List(places.ListIndex())).value_or(0);
  rounded_ = form_.Spis[kQuotients].List(row_);
  switch (kind_) {
    case TaskKind::kEndsOrRepeats:
      question_ = "Крайна или периодична е десетичната дроб на " + fraction + "?";
      spoken_question_ = "Крайна или периодична е десетичната дроб на " + spoken + "?";
      break;
    case TaskKind::kRounding:
      question_ = "Закръглете " + fraction + " до " + Digits(digits) + " след десетичната запетая";
      spoken_question_ =
          "Закръглете " + spoken + " до " + Digits(digits) + " след десетичната запетая";
      break;
    case TaskKind::kExactValue:
      question_ = "Запишете " + fraction + " като десетична дроб, с периода в скоби";
      spoken_question_ = "Запишете " + spoken + " като десетична дроб, с периода в скоби";
      break;
    case TaskKind::kBackToFraction:
      question_ =
          "Запишете " + ExactValueText(p_, q_, form_.Style(), false) + " като обикновена дроб";
      spoken_question_ =
          "Запишете " + ExactValueText(p_, q_, form_.Style(), true) + " като обикновена дроб";
      break;
  }
}

const Verdict& Exercises::Judge(Outcome outcome, const std::string& right,
                                const std::string& spoken_right, const std::string& remark) {
  answered_ = true;
  (outcome == Outcome::kRight ? right_ : wrong_) += 1;
  const std::string note = p_text_ + "/" + q_text_ + " = " +
                           ExactValueText(p_, q_, form_.Style(), false) + "; " +
                           ReasonText(p_, q_, p_text_, q_text_, false);
  const std::string spoken_note = p_text_ + " върху " + q_text_ + " е " +
                                  ExactValueText(p_, q_, form_.Style(), true) + "; " +
                                  ReasonText(p_, q_, p_text_, q_text_, true);
  if (outcome == Outcome::kRight) {
    const std::string but = remark.empty() ? "" : ", но " + remark;
    verdict_ = {outcome, "Вярно" + but + ". " + note, "Вярно" + but + ". " + spoken_note};
  } else {
    verdict_ = {outcome, "Грешно: вярното е " + right + ". " + note,
                "Грешно, вярното е " + spoken_right + ". " + spoken_note};
  }
  return verdict_;
}

const Verdict& Exercises::AnswerEnds(bool terminating) {
  if (answered_ || question_.empty() || kind_ != TaskKind::kEndsOrRepeats) return verdict_;
  const bool ends = FindPeriod(p_, q_).period == 0;
  const std::string right = ends ? "крайна" : "периодична";
  return Judge(terminating == ends ? Outcome::kRight : Outcome::kWrong, right, right);
}

const Verdict& Exercises::Answer(std::string_view typed) {
  if (answered_ || question_.empty()) return verdict_;
  const std::string_view shown = Shown(typed);
  if (kind_ == TaskKind::kEndsOrRepeats) {
    if (shown == "К" || shown == "к") return AnswerEnds(true);
    if (shown == "П" || shown == "п") return AnswerEnds(false);
  }
  const auto read = kind_ == TaskKind::kEndsOrRepeats
                        ? std::variant<TypedNumber, Unread>(Unread::kNotUnderstood)
                        : ReadNumber(typed);
  if (const Unread* unread = std::get_if<Unread>(&read)) {
    const std::string message =
        UnreadMessage(kind_, *unread, shown, form_.Style().decimal_separator);
    verdict_ = {Outcome::kUnread, message, message};
    return verdict_;
  }
  const TypedNumber& number = std::get<TypedNumber>(read);
  const long long common = std::gcd(p_, q_);
  const EnteredFraction reduced{p_ / common, q_ / common};
  const auto value = ValueOf(number, shown);
  const bool equal =
      std::holds_alternative<EnteredFraction>(value) && std::get<EnteredFraction>(value) == reduced;
  switch (kind_) {
    case TaskKind::kRounding: {
      const bool right = !number.fraction && number.period.empty() &&
                         Canonical(number) == CanonicalOf(rounded_, form_.Style());
      return Judge(right ? Outcome::kRight : Outcome::kWrong, rounded_, rounded_);
    }
    case TaskKind::kExactValue: {
      const std::string exact = ExactValueText(p_, q_, form_.Style(), false);
      const bool right = !number.fraction && equal;
      const bool shortest = Canonical(number) == CanonicalOf(exact, form_.Style());
      return Judge(right ? Outcome::kRight : Outcome::kWrong, exact,
                   ExactValueText(p_, q_, form_.Style(), true),
                   shortest ? "" : "по-кратко е " + exact);
    }
    case TaskKind::kBackToFraction: {
      const std::string lowest = PlainText(reduced.p) + "/" + PlainText(reduced.q);
      const bool decimal = !number.fraction && (!number.pre.empty() || !number.period.empty());
      const bool in_lowest_terms = !number.fraction || Canonical(number) == lowest;
      return Judge(!decimal && equal ? Outcome::kRight : Outcome::kWrong, lowest,
                   PlainText(reduced.p) + " върху " + PlainText(reduced.q),
                   in_lowest_terms ? "" : "съкратете я: " + lowest);
    }
    case TaskKind::kEndsOrRepeats:
      break;
  }
  return verdict_;
}

void Exercises::Next() {
  if (!answered_ && !question_.empty()) ++skipped_;
  Pose(row_ + 1);
}

void Exercises::Restart() {
  right_ = wrong_ = skipped_ = 0;
  Pose(0);
}

std::string Exercises::Count() const {
  return "Верни: " + std::to_string(right_) + " · Грешни: " + std::to_string(wrong_) +
         " · Пропуснати: " + std::to_string(skipped_);
}

std::string Exercises::SpokenCount() const {
  return "Верни " + std::to_string(right_) + ", грешни " + std::to_string(wrong_) +
         ", пропуснати " + std::to_string(skipped_);
}

bool Exercises::ShowDivision() {
  if (form_.Spis[kNumerators].List(row_) != p_text_ ||
      form_.Spis[kDenominators].List(row_) != q_text_) {
    return false;
  }
  form_.Spis[kNumerators].UserClick(row_);
  return true;
}

}  // namespace drobi
