// What a screen reader on Windows is given, as far as Wine can show it honestly: the label that
// names each list and text field, the rows of the long number with what is spoken after each
// digit, the names that Active Accessibility finds, and the texts handed to Dynamic Annotation
// (which Wine itself does not keep).

#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/scripted_random.hpp"
#include "tests/win32/window_driver.hpp"
#include "ui/lesson/quotient_notes.hpp"
#include "ui/main_form.hpp"
#include "ui/win32/exercises_view.hpp"
#include "ui/win32/fraction_dialog.hpp"
#include "ui/win32/main_window.hpp"
#include "ui/win32/window_menu.hpp"
#include "ui/window_layout.hpp"

namespace drobi::win32::testing {
namespace {

class AccessibilityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    random_.Script(StartDraws());
    window_.SetErrorReporter([](const ErrorReport& report) { ADD_FAILURE() << report.text; });
    ASSERT_TRUE(window_.Guarded([this] { form_.Form_Load(); }));
  }

  drobi::testing::ScriptedRandom random_;
  MainForm form_{random_};
  MainWindow window_{form_, GetModuleHandleW(nullptr)};
};

bool Overlap(const ControlLayout& a, const ControlLayout& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

// How far down the z-order a window lies among its siblings, 0 on top.
int Depth(HWND window) {
  int depth = 0;
  while ((window = GetWindow(window, GW_HWNDPREV)) != nullptr) ++depth;
  return depth;
}

TEST_F(AccessibilityTest, EachListAndTextFieldHasItsNameJustAboveItAndOverlapsStayAsInTheForm) {
  const auto controls = MainWindowControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlLayout& control = controls[i];
    SCOPED_TRACE(control.name);
    const HWND handle = window_.Control(control.name);
    if (control.kind == ControlKind::kList || control.kind == ControlKind::kText) {
      const HWND label = GetWindow(handle, GW_HWNDPREV);
      ASSERT_NE(label, nullptr);
      EXPECT_STRCASEEQ(ClassOf(label).c_str(), "Static");
      EXPECT_EQ(TextOf(label), control.accessible_name);
      EXPECT_FALSE(IsWindowVisible(label));
      EXPECT_EQ(GetWindowLongPtrW(label, GWL_STYLE) & (WS_GROUP | WS_TABSTOP), 0);
    }
    for (std::size_t later = i + 1; later < controls.size(); ++later) {
      if (Overlap(control, controls[later])) {
        EXPECT_GT(Depth(handle), Depth(window_.Control(controls[later].name)))
            << controls[later].name << " lies under it";
      }
    }
  }
}

TEST_F(AccessibilityTest, TextFieldsAreNamedByTheirLabels) {
  for (const ControlLayout& control : MainWindowControls()) {
    if (control.kind != ControlKind::kText) continue;
    IAccessible* accessible = nullptr;
    ASSERT_EQ(
        AccessibleObjectFromWindow(window_.Control(control.name), OBJID_CLIENT,
                                   __uuidof(IAccessible), reinterpret_cast<void**>(&accessible)),
        S_OK);
    const std::unique_ptr<IAccessible, void (*)(IAccessible*)> owner(
        accessible, [](IAccessible* object) { object->Release(); });
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    ASSERT_EQ(accessible->get_accName(self, &name), S_OK) << control.name;
    EXPECT_EQ(Utf8Of(name), control.accessible_name);
    SysFreeString(name);
  }
  // And the field of «Въведете дроб», named by the label before it, with its hint while empty.
  SendMessageW(window_.Handle(), WM_COMMAND, MenuId(CommandId::kEnterFraction), 0);
  const HWND field = GetDlgItem(GetLastActivePopup(window_.Handle()), FractionDialog::kFieldId);
  EXPECT_EQ(TextOf(GetWindow(field, GW_HWNDPREV)), kEnterFractionField);
  wchar_t hint[64]{};
  SendMessageW(field, EM_GETCUEBANNER, reinterpret_cast<WPARAM>(hint), 64);
  EXPECT_EQ(Utf8Of(hint), kFractionHint);
  EXPECT_FALSE(IsWindowEnabled(window_.Handle()));  // modal
}

// The exercises' lines are named in words, the answer's field by its label, and a verdict is
// also the description of «Следваща задача», where the focus goes with it.
TEST_F(AccessibilityTest, ExercisesNameTheirLinesInWords) {
  SendMessageW(window_.Handle(), WM_COMMAND, MenuId(CommandId::kExercises), 0);
  const HWND view = GetActiveWindow();
  const auto given = [this, view](int id, Annotations::Property property) {
    for (const auto& annotation : window_.Annotated()) {
      if (annotation.control == GetDlgItem(view, id) && annotation.property == property) {
        return Utf8Of(annotation.text);
      }
    }
    return std::string("nothing");
  };
  using enum Annotations::Property;
  EXPECT_EQ(TextOf(GetWindow(GetDlgItem(view, ExercisesView::kAnswerId), GW_HWNDPREV)),
            kAnswerName);
  EXPECT_EQ(given(ExercisesView::kQuestionId, kName),
            "Крайна или периодична е десетичната дроб на 1 върху 7?");
  SendMessageW(GetDlgItem(view, ExercisesView::kRepeatingId), BM_CLICK, 0, 0);
  const std::string verdict = given(ExercisesView::kVerdictId, kName);
  EXPECT_TRUE(verdict.starts_with("Вярно. 1 върху 7 е 0 цяло и 1 4 2 8 5 7 в период")) << verdict;
  EXPECT_EQ(given(ExercisesView::kNextId, kDescription), verdict);
  EXPECT_EQ(given(ExercisesView::kCountId, kName), "Верни 1, грешни 0, пропуснати 0");
  EXPECT_EQ(GetFocus(), GetDlgItem(view, ExercisesView::kNextId));
}

// 1/7 in row 0 with 40 digits: the integer part, then turns of the period 142857 from digit 1.
TEST_F(AccessibilityTest, LongNumberRowsCarryTheirSpokenStepAfterATabAndTypingFindsDigits) {
  const HWND dylgo = window_.Control("Dylgo");
  ASSERT_EQ(SendMessageW(dylgo, LB_GETCOUNT, 0, 0), 41);
  for (int row = 0; row <= 40; ++row) {
    std::wstring string(static_cast<std::size_t>(SendMessageW(dylgo, LB_GETTEXTLEN, row, 0)), L'?');
    SendMessageW(dylgo, LB_GETTEXT, row, reinterpret_cast<LPARAM>(string.data()));
    const int turn = (row - 1) / 6 + 1;
    // Remainders of 1/7 before each digit: 1 3 2 6 4 5, again and again.
    const int before = "132645"[(row + 5) % 6] - '0';
    const int digit = before * 10 / 7;
    const std::string step = std::to_string(before) + " по 10 е " + std::to_string(before * 10) +
                             "; " + std::to_string(before * 10) + " делено на 7 е " +
                             std::to_string(digit) + ", остатък " + std::to_string(before * 10 % 7);
    const std::string expected =
        row == 0 ? " 0.\tцяла част 0; 1 делено на 7 е 0, остатък 1"
                 : std::to_string(digit) + "\tцифра " + std::to_string(row) +
                       ((row - 1) % 6 == 0 ? ", начало на период " : ", период ") +
                       std::to_string(turn) + "; " + step;
    EXPECT_TRUE(Utf8Of(string).starts_with(expected)) << "row " << row << ": " << Utf8Of(string);
  }
  SendMessageW(dylgo, WM_CHAR, L'5', 0);
  EXPECT_EQ(SendMessageW(dylgo, LB_GETCURSEL, 0, 0), 5);
}

TEST_F(AccessibilityTest, EveryHoverTextIsHandedOverAsDescriptionAndHelp) {
  using Property = Annotations::Property;
  for (const ControlLayout& control : MainWindowControls()) {
    SCOPED_TRACE(control.name);
    std::vector<std::pair<Property, std::string>> given;
    for (const auto& annotation : window_.Annotated()) {
      if (annotation.control == window_.Control(control.name) && annotation.child == CHILDID_SELF) {
        given.emplace_back(annotation.property, Utf8Of(annotation.text));
      }
    }
    std::vector<std::pair<Property, std::string>> expected;
    if (control.hover != nullptr) {
      const char* spoken = control.spoken_hover;
      if (control.kind == ControlKind::kSpot) expected.emplace_back(Property::kName, spoken);
      expected.emplace_back(Property::kDescription, spoken);
      expected.emplace_back(Property::kHelp, spoken);
    }
    EXPECT_EQ(given, expected);
  }
  // Each quotient row is described in words, as long as it is there.
  const auto row_notes = [this] {
    std::vector<std::pair<LONG, std::string>> notes;
    for (const auto& annotation : window_.Annotated()) {
      if (annotation.child != CHILDID_SELF)
        notes.emplace_back(annotation.child, Utf8Of(annotation.text));
    }
    return notes;
  };
  const QuotientNotes spoken(form_.Spis, form_.Style());
  ASSERT_EQ(row_notes().size(), 16u);
  for (const auto& [child, note] : row_notes()) EXPECT_EQ(note, spoken.SpokenNote(child - 1));
  window_.Guarded([this] { form_.Command1.Click(); });
  EXPECT_TRUE(row_notes().empty());
}

}  // namespace
}  // namespace drobi::win32::testing
