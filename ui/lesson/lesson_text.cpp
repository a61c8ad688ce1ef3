#include "ui/lesson/lesson_text.hpp"

#include "ui/lesson/long_number_marks.hpp"

namespace drobi {

MarkLook LookOf(MarkRole role) {
  switch (role) {
    case MarkRole::kPeriod:
      return {kPeriodTints[0], true, false};
    case MarkRole::kRepeatedRemainder:
      return {0x00C8C8FF, true, true};  // pale red, red 255, green 200, blue 200
    case MarkRole::kSelectedStep:
      return {kPeriodTints[1], false, true};
  }
  return {kPeriodTints[0], false, false};
}

std::string LessonText::Joined() const {
  std::string joined;
  for (const std::string& line : lines) joined += line + "\n";
  return joined;
}

int CharCount(std::string_view text) {
  int count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return count;
}

}  // namespace drobi
