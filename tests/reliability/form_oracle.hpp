#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "tests/reliability/user_action.hpp"
#include "tests/support/exact.hpp"
#include "ui/main_form.hpp"

namespace drobi::testing {

// What the window must hold after each user action, worked out apart from the program: the table
// rebuilt from the recorded draws in integer arithmetic, the selections from the rules of the
// handlers, the decimals and the long number by exact integer division.
class FormOracle {
 public:
  FormOracle(std::string separator, std::string description)
      : separator_(std::move(separator)), text_{std::move(description), {}} {}

  // Form_Load draws two tables and keeps the second, with interval "20", 4 and 40 digits, row 0.
  void Load(const std::vector<std::uint32_t>& draws) {
    problems_.clear();
    ExpectDraws(draws, 2 * kDrawsPerTable);
    interval_ = 1;
    digits_ = 4;
    long_digits_ = 3;
    NewTable(draws);
    row_ = 0;
    dylgo_index_ = -1;
  }

  void Apply(const UserAction& action, const std::vector<std::uint32_t>& draws) {
    problems_.clear();
    std::size_t expected_draws = 0;
    switch (action.kind) {
      case UserAction::Kind::kClick:
        expected_draws = Click(action.list, action.row, draws);
        break;
      case UserAction::Kind::kDoubleClick:
        // A second table in a row comes from the last 64 draws, which NewTable takes.
        expected_draws = Click(action.list, action.row, draws);
        expected_draws += Click(action.list, action.row, draws);
        break;
      case UserAction::Kind::kKey: {
        const int index = IndexOf(action.list);
        const int target = KeyTarget(action.key, index, CountOf(action.list), action.page);
        if (target >= 0 && target != index) expected_draws = Click(action.list, target, draws);
        break;
      }
      case UserAction::Kind::kClear:
        table_.clear();
        row_ = -1;
        dylgo_index_ = -1;
        break;
      case UserAction::Kind::kGreenSquare:
        text_[0] = text_[1];
        break;
      case UserAction::Kind::kType:
        text_[action.field] = Typed(text_[action.field], action.text);
        break;
    }
    ExpectDraws(draws, expected_draws);
  }

  // Every way in which the form differs from what it must hold; empty when it matches.
  std::vector<std::string> Differences(const MainForm& form) const {
    std::vector<std::string> out = problems_;
    const bool full = !table_.empty();
    std::vector<std::string> p_rows, q_rows, quotient_rows, long_rows;
    for (const auto& [p, q] : table_) {
      p_rows.push_back(std::to_string(p));
      q_rows.push_back(std::to_string(q));
      quotient_rows.push_back(ExactRounded(p, q, digits_, separator_));
    }
    if (full) {
      const auto& [p, q] = table_[static_cast<std::size_t>(row_)];
      long_rows = ExactLongNumber(p, q, LongDigits());
    }
    Compare(out, "Spis(0)", form.Spis[0], p_rows, full ? row_ : -1);
    Compare(out, "Spis(1)", form.Spis[1], q_rows, full ? row_ : -1);
    Compare(out, "Spis(2)", form.Spis[2], quotient_rows, full ? row_ : -1);
    Compare(out, "Spis(3)", form.Spis[3], Texts(kIntervals), interval_);
    Compare(out, "Spis(4)", form.Spis[4], Texts(kDecimalDigits), digits_);
    Compare(out, "Spis(5)", form.Spis[5], Texts(kLongDigits), long_digits_);
    Compare(out, "Dylgo", form.Dylgo, long_rows, dylgo_index_);
    for (std::size_t i = 0; i < 2; ++i) {
      if (form.Text1[i].Text() != text_[i]) {
        out.push_back("Text1(" + std::to_string(i) + ") reads «" + form.Text1[i].Text() +
                      "», want «" + text_[i] + "»");
      }
    }
    CheckRanges(out, form);
    return out;
  }

 private:
  static constexpr std::size_t kDrawsPerTable = 64;
  static constexpr std::array<std::int64_t, 7> kIntervals = {10, 20, 50, 100, 200, 500, 1000};
  static constexpr std::array<std::int64_t, 8> kDecimalDigits = {0, 1, 2, 3, 4, 5, 6, 7};
  static constexpr std::array<std::int64_t, 9> kLongDigits = {10, 20, 30, 40, 50, 60, 70, 80, 90};

  template <std::size_t Size>
  static std::vector<std::string> Texts(const std::array<std::int64_t, Size>& values) {
    std::vector<std::string> texts;
    for (std::int64_t value : values) texts.push_back(std::to_string(value));
    return texts;
  }

  int LongDigits() const { return static_cast<int>(kLongDigits[std::size_t(long_digits_)]); }

  int CountOf(int list) const {
    switch (list) {
      case 3:
        return static_cast<int>(kIntervals.size());
      case 4:
        return static_cast<int>(kDecimalDigits.size());
      case 5:
        return static_cast<int>(kLongDigits.size());
      case UserAction::kDylgo:
        return table_.empty() ? 0 : 1 + LongDigits();
      default:
        return static_cast<int>(table_.size());
    }
  }

  int IndexOf(int list) const {
    switch (list) {
      case 3:
        return interval_;
      case 4:
        return digits_;
      case 5:
        return long_digits_;
      case UserAction::kDylgo:
        return dylgo_index_;
      default:
        return row_;
    }
  }

  // A click on an existing row: the handler's rules. Returns the number of draws it takes.
  std::size_t Click(int list, int row, const std::vector<std::uint32_t>& draws) {
    if (row < 0 || row >= CountOf(list)) return 0;
    std::size_t drawn = 0;
    switch (list) {
      case 3:
        interval_ = row;
        NewTable(draws);
        drawn = kDrawsPerTable;
        break;
      case 4:
        digits_ = row;
        if (table_.empty()) {
          NewTable(draws);
          drawn = kDrawsPerTable;
        }
        break;
      case 5:
        long_digits_ = row;
        break;
      case UserAction::kDylgo:
        dylgo_index_ = row;
        return 0;
      default:
        row_ = row;
        break;
    }
    if (list == 3 || list == 4) row_ = 0;
    dylgo_index_ = -1;  // every click that reaches a handler with a table rewrites Dylgo
    return drawn;
  }

  // Sixteen rows from the last 64 draws, four per row: sign, numerator, multiplier, denominator.
  // With R = m / 2^24, floor(R·k) is (m·k) >> 24 exactly.
  void NewTable(const std::vector<std::uint32_t>& draws) {
    table_.clear();
    if (draws.size() < kDrawsPerTable) return;  // reported by ExpectDraws
    const std::int64_t n = kIntervals[static_cast<std::size_t>(interval_)];
    const auto scaled = [](std::uint32_t m, std::int64_t k) {
      return (static_cast<std::int64_t>(m) * k) >> 24;
    };
    auto m = draws.end() - kDrawsPerTable;
    for (int row = 0; row < 16; ++row) {
      const bool negative = scaled(*m++, 100) % 5 == 0;
      const std::int64_t x = scaled(*m++, n) % n;
      std::int64_t multiplier = scaled(*m++, 100) % 5;
      if (multiplier == 0) multiplier = 1;
      const std::int64_t y = scaled(*m++, n) % n;
      table_.emplace_back(negative ? -x : x, 1 + y * multiplier);
    }
  }

  void ExpectDraws(const std::vector<std::uint32_t>& draws, std::size_t expected) {
    if (draws.size() != expected) {
      problems_.push_back("the form drew " + std::to_string(draws.size()) + " numbers, want " +
                          std::to_string(expected));
    }
  }

  static void Compare(std::vector<std::string>& out, const std::string& name, const ListBox& list,
                      const std::vector<std::string>& rows, int index) {
    if (list.Rows() != rows) {
      if (list.Rows().size() != rows.size()) {
        out.push_back(name + " has " + std::to_string(list.Rows().size()) + " rows, want " +
                      std::to_string(rows.size()));
      } else {
        for (std::size_t i = 0; i < rows.size(); ++i) {
          if (list.Rows()[i] == rows[i]) continue;
          out.push_back(name + " row " + std::to_string(i) + " reads «" + list.Rows()[i] +
                        "», want «" + rows[i] + "»");
          break;
        }
      }
    }
    if (list.ListIndex() != index) {
      out.push_back(name + " selects row " + std::to_string(list.ListIndex()) + ", want " +
                    std::to_string(index));
    }
  }

  // The bounds of the interval, read off the form's own rows, as a second line of defence should
  // the rebuilt table and the program share a mistake.
  void CheckRanges(std::vector<std::string>& out, const MainForm& form) const {
    const std::int64_t n = kIntervals[static_cast<std::size_t>(interval_)];
    for (int i = 0; i < form.Spis[0].ListCount() && i < form.Spis[1].ListCount(); ++i) {
      const std::string& p_text = form.Spis[0].Rows()[std::size_t(i)];
      const std::string& q_text = form.Spis[1].Rows()[std::size_t(i)];
      char* p_end = nullptr;
      char* q_end = nullptr;
      const std::int64_t p = std::strtoll(p_text.c_str(), &p_end, 10);
      const std::int64_t q = std::strtoll(q_text.c_str(), &q_end, 10);
      const bool whole = !p_text.empty() && !q_text.empty() && *p_end == '\0' && *q_end == '\0';
      if (!whole || std::llabs(p) > n - 1 || q < 1 || q > 4 * (n - 1) + 1) {
        out.push_back("row " + std::to_string(i) + " holds " + p_text + "/" + q_text +
                      ", outside the interval " + std::to_string(n));
      }
    }
  }

  std::string separator_;
  int interval_ = -1;
  int digits_ = -1;
  int long_digits_ = -1;
  std::vector<std::pair<std::int64_t, std::int64_t>> table_;
  int row_ = -1;
  int dylgo_index_ = -1;
  std::array<std::string, 2> text_;
  std::vector<std::string> problems_;
};

}  // namespace drobi::testing
