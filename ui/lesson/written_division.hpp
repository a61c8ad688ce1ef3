#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/number_style.hpp"
#include "ui/lesson/lesson_text.hpp"
#include "ui/main_form.hpp"

namespace drobi {

// The long division of p/q written out as in a Bulgarian exercise book, in a fixed-width font:
//
//    1 : 6 = 0,1(6)
//    10
//    -6
//     40
//    -36
//      4
//
// The first line is the dividend with its sign position (so that its digits stand over the
// working), the divisor and the quotient: the regional negative sign, the integer part, the
// regional decimal separator, the digits found, the period in parentheses once the working has
// reached it, «…» where it stopped at `digits` digits first. The working divides |p| by |q|: the
// integer part's product under the dividend (left out when the integer part is 0), then for every
// digit the remainder with a zero written to it, one column further right each time, and the
// product subtracted below it, ending in the same column; last, the remainder where the working
// stopped. It stops at a remainder 0, at a remainder that comes again (the integer part's counts)
// or after `digits` digits, whichever is first. Below it, after a blank line, why it stopped, in
// words, and for a decimal that ended or repeated, how it turns back into the fraction, as pupils
// do it: «x = 0,1(6); 100x = 16,(6); 10x = 1,(6); 90x = 15; x = 15/90 = 1/6», «0,125 = 125/1000 =
// 1/8».
//
// Marked: the period's digits in the first line; the remainder that repeats, where it was first
// written and where it came again; and the step behind row `selected` of the long number (0 the
// integer part, k the digit k), for a row past a repeat the same step of the first turn.
// `p_text` and `q_text` are the fraction as the table writes it.
LessonText WrittenDivision(long long p, long long q, int digits, const NumberStyle& style,
                           int selected = -1, std::string_view p_text = {},
                           std::string_view q_text = {});

// The written division of the fraction selected in the table, to as many digits as the long
// number has, marked for the long number's selected row, and a last line with the fraction's
// value as the decimal column rounds it. Without a selected fraction, a line that says to choose
// one.
LessonText WrittenDivisionOf(const MainForm& form);

}  // namespace drobi
