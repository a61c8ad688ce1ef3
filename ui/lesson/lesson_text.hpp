#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace drobi {

// Why a stretch of a lesson view's text is marked.
enum class MarkRole {
  kPeriod,             // the repeating digits of the quotient
  kRepeatedRemainder,  // a remainder that comes again, where it first stood and where it is met
  kSelectedStep,       // the step behind the long number's selected row
};

// A marked stretch: `count` characters from character `first` of line `line`. Characters are
// counted as Unicode code points, which in a fixed-width font are columns, and which every window
// system's strings here count one each (none lies outside the Basic Multilingual Plane).
struct MarkedSpan {
  int line = 0;
  int first = 0;
  int count = 0;
  MarkRole role = MarkRole::kPeriod;

  friend bool operator==(const MarkedSpan&, const MarkedSpan&) = default;
};

// How a window shows a mark: a tint under the characters and, so that colour is never the only
// signal, an underline or bold type.
struct MarkLook {
  std::uint32_t tint;  // &H00BBGGRR&
  bool underline;
  bool bold;
};
MarkLook LookOf(MarkRole role);

// What a lesson view shows: lines of UTF-8 text in a fixed-width font, and the marks on top of
// them. A screen reader reads the lines one by one and Ctrl+C copies them, marks left out.
struct LessonText {
  std::vector<std::string> lines;
  std::vector<MarkedSpan> marks;

  // The lines, each ended by "\n".
  std::string Joined() const;

  friend bool operator==(const LessonText&, const LessonText&) = default;
};

// The number of characters (code points) in UTF-8 text.
int CharCount(std::string_view text);

// The fixed-width font of the lesson views; fontconfig gives Linux its metric twin.
inline constexpr const char* kLessonFontFamily = "Courier New";
inline constexpr int kLessonFontPoints = 12;

// The view of the written division.
inline constexpr const char* kDivisionViewTitle = "Деление в тетрадката";

}  // namespace drobi
