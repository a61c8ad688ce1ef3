// The Windows window as a user meets it: the real window of drobi.exe on a form whose tables are
// scripted, driven with mouse clicks and keys through the window system, and read back from its
// controls. Every row is checked against exact integer arithmetic on the scripted table.
//
// DROBI_TEST_DECIMAL (default ".") is the decimal separator of the regional settings the run is
// given, DROBI_TEST_DPI (default 96) the screen's dots per inch.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/format_fixed.hpp"
#include "tests/support/exact.hpp"
#include "tests/support/scripted_random.hpp"
#include "tests/win32/window_driver.hpp"
#include "ui/long_number_marks.hpp"
#include "ui/main_form.hpp"
#include "ui/row_texts.hpp"
#include "ui/win32/main_window.hpp"
#include "ui/win32/number_style.hpp"
#include "ui/win32/program.hpp"
#include "ui/window_layout.hpp"

namespace drobi::win32::testing {
namespace {

using drobi::testing::ExactLongNumber;
using drobi::testing::ExactRounded;

std::string Setting(const char* name, const char* otherwise) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : otherwise;
}

std::vector<std::string> Column(const std::vector<Fraction>& table, bool numerators) {
  std::vector<std::string> rows;
  for (const auto& [p, q] : table) rows.push_back(std::to_string(numerators ? p : q));
  return rows;
}

// Form_Load draws two tables of sixteen rows, four draws a row.
constexpr std::size_t kStartDraws = 128;

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    random_.Script(StartDraws());
    form_ = std::make_unique<MainForm>(random_, SystemNumberStyle());
    window_ = std::make_unique<MainWindow>(*form_, GetModuleHandleW(nullptr));
    window_->SetErrorReporter([this](const ErrorReport& report) { errors_.push_back(report); });
    ASSERT_TRUE(window_->Guarded([this] { form_->Form_Load(); }));
    form_->SetTrace([this](std::string_view name) { trace_.emplace_back(name); });
    window_->Show(SW_SHOWNORMAL);
    SetForegroundWindow(window_->Handle());
    Settle();
  }

  void TearDown() override {
    EXPECT_TRUE(errors_.empty()) << errors_.front().text;
    window_.reset();
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  HWND Control(const char* name) const { return window_->Control(name); }

  // Lets the input sent so far arrive and be handled, until `done` holds.
  void Pump(const std::function<bool()>& done) {
    ASSERT_TRUE(PumpUntil([this](const MSG& message) { Dispatch(*window_, message); }, done))
        << "the window did not get there";
  }
  void Settle() {
    Pump([] { return true; });
  }

  int Count(std::string_view name) const {
    return static_cast<int>(std::count(trace_.begin(), trace_.end(), name));
  }

  // The window shows `table` with quotients of `digits` places, row `row` selected in the three
  // fraction lists and that row's long number to `long_digits` digits.
  void ExpectShows(const std::vector<Fraction>& table, int digits, int row, int long_digits) {
    EXPECT_EQ(RowsOf(Control("Spis(0)")), Column(table, true));
    EXPECT_EQ(RowsOf(Control("Spis(1)")), Column(table, false));
    std::vector<std::string> quotients;
    for (const auto& [p, q] : table) quotients.push_back(ExactRounded(p, q, digits, decimal_));
    EXPECT_EQ(RowsOf(Control("Spis(2)")), quotients);
    for (const char* list : {"Spis(0)", "Spis(1)", "Spis(2)"}) {
      EXPECT_EQ(SelectedRow(Control(list)), row) << list;
    }
    const auto& [p, q] = table.at(static_cast<std::size_t>(row));
    EXPECT_EQ(RowsOf(Control("Dylgo")), ExactLongNumber(p, q, long_digits));
  }

  const std::string decimal_ = Setting("DROBI_TEST_DECIMAL", ".");
  drobi::testing::ScriptedRandom random_;
  std::unique_ptr<MainForm> form_;
  std::unique_ptr<MainWindow> window_;
  std::vector<ErrorReport> errors_;
  std::vector<std::string> trace_;
};

TEST_F(WindowTest, OpensOnTheSecondTableWithItsDecimalsAndLongNumber) {
  EXPECT_EQ(TextOf(window_->Handle()), MainWindowLayout().caption);
  EXPECT_NE(SendMessageW(window_->Handle(), WM_GETICON, ICON_SMALL, 0), 0) << "no caption icon";
  EXPECT_EQ(SelectedRow(Control("Spis(3)")), 1);
  EXPECT_EQ(RowsOf(Control("Spis(3)")).at(1), "20");
  EXPECT_EQ(
      RowsOf(Control("Spis(4)")).at(static_cast<std::size_t>(SelectedRow(Control("Spis(4)")))),
      "4");
  EXPECT_EQ(
      RowsOf(Control("Spis(5)")).at(static_cast<std::size_t>(SelectedRow(Control("Spis(5)")))),
      "40");
  ExpectShows(kTable, 4, 0, 40);
  // -3/7 in the user's regional settings: «-0,4286» under Bulgarian ones.
  EXPECT_EQ(RowsOf(Control("Spis(2)")).at(1), "-0" + decimal_ + "4286");

  // The description in 22 lines, each ended by CR LF as an edit control breaks lines.
  const std::string description = TextOf(Control("Text1(0)"));
  int lines = 0;
  for (std::size_t at = 0; (at = description.find('\n', at)) != std::string::npos; ++at, ++lines) {
    EXPECT_EQ(description.at(at - 1), '\r') << "line " << lines + 1;
  }
  EXPECT_EQ(lines, 22);
  EXPECT_NE(description.find("\r\n2) числителят дели на знаменателя;\r\n"), std::string::npos);
  EXPECT_EQ(TextOf(Control("Text1(1)")), "");
  EXPECT_EQ(TextOf(Control("Command1")), "Чисти");
}

// Every control where the layout table puts it, in twips at the window's dpi, with its class,
// font and hover text; the window's client area likewise.
TEST_F(WindowTest, EveryControlSitsAtItsPlaceAtTheWindowsDpi) {
  const int dpi = std::stoi(Setting("DROBI_TEST_DPI", "96"));
  ASSERT_EQ(window_->Dpi(), dpi);
  const auto pixels = [dpi](long long twips) {
    return static_cast<LONG>((twips * dpi + 720) / 1440);
  };
  RECT client;
  GetClientRect(window_->Handle(), &client);
  EXPECT_EQ(client.right, pixels(MainWindowLayout().client_width));
  EXPECT_EQ(client.bottom, pixels(MainWindowLayout().client_height));

  for (const ControlLayout& control : MainWindowControls()) {
    SCOPED_TRACE(control.name);
    const HWND handle = Control(control.name);
    ASSERT_NE(handle, nullptr);
    RECT box;
    GetWindowRect(handle, &box);
    MapWindowPoints(HWND_DESKTOP, window_->Handle(), reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, pixels(control.left));
    EXPECT_EQ(box.top, pixels(control.top));
    EXPECT_EQ(box.right - box.left, pixels(control.width));
    EXPECT_EQ(box.bottom - box.top, pixels(control.height));

    const char* expected_class = control.kind == ControlKind::kList     ? "ListBox"
                                 : control.kind == ControlKind::kText   ? "Edit"
                                 : control.kind == ControlKind::kButton ? "Button"
                                                                        : "Static";
    EXPECT_STRCASEEQ(ClassOf(handle).c_str(), expected_class);
    if (control.kind == ControlKind::kLabel) {
      EXPECT_EQ(TextOf(handle), control.caption);
    }

    LOGFONTW font{};
    const auto made = reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0));
    ASSERT_NE(made, nullptr);
    GetObjectW(made, sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, -((control.font_points * dpi + 36) / 72));
    EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);
    EXPECT_EQ(Utf8Of(font.lfFaceName), "Times New Roman");

    if (control.hover != nullptr && RowTextsFor(*form_, control) == nullptr) {
      wchar_t text[256]{};
      TOOLINFOW tool{};
      tool.cbSize = sizeof(tool);
      tool.hwnd = window_->Handle();
      tool.uId = reinterpret_cast<UINT_PTR>(handle);
      tool.lpszText = text;
      SendMessageW(window_->Tooltip(), TTM_GETTEXTW, std::size(text),
                   reinterpret_cast<LPARAM>(&tool));
      EXPECT_EQ(Utf8Of(text), control.hover);
    }
  }
  // The notes lie over the lower part of the description, not under it.
  const HWND notes = Control("Text1(1)");
  for (HWND above = GetWindow(Control("Text1(0)"), GW_HWNDPREV);;
       above = GetWindow(above, GW_HWNDPREV)) {
    ASSERT_NE(above, nullptr) << "Text1(1) lies under Text1(0)";
    if (above == notes) break;
  }
}

TEST_F(WindowTest, ClickOnRowSevenOfTheDenominatorsAndTheDownKeyMoveAllThreeLists) {
  ClickRow(Control("Spis(1)"), 7);
  Pump([this] { return SelectedRow(Control("Spis(0)")) == 7; });
  ExpectShows(kTable, 4, 7, 40);
  EXPECT_EQ(Count("Spis_Click(1)"), 1) << "one click, one notification";
  EXPECT_EQ(random_.Drawn(), kStartDraws) << "selecting a row draws nothing";
  EXPECT_EQ(GetFocus(), Control("Spis(1)"));

  trace_.clear();
  PressKey(VK_DOWN);
  Pump([this] { return SelectedRow(Control("Spis(0)")) == 8; });
  ExpectShows(kTable, 4, 8, 40);
  EXPECT_EQ(Count("Spis_Click(1)"), 1);
}

TEST_F(WindowTest, ClickOnAnIntervalMakesANewTableAlsoOnTheSelectedRow) {
  const std::vector<Fraction> fifty{{49, 3},   {-12, 7}, {1, 50}, {33, 41}, {7, 9},  {0, 5},
                                    {-48, 49}, {25, 4},  {3, 8},  {44, 45}, {-9, 2}, {16, 17},
                                    {2, 3},    {40, 11}, {-1, 9}, {30, 31}};
  std::vector<Fraction> again = fifty;
  std::reverse(again.begin(), again.end());
  std::vector<float> draws = DrawsFor(fifty, 50);
  const std::vector<float> second = DrawsFor(again, 50);
  draws.insert(draws.end(), second.begin(), second.end());
  random_.Script(draws);

  ClickRow(Control("Spis(3)"), 2);  // "50"
  Pump([this] { return random_.Drawn() >= 64; });
  EXPECT_EQ(random_.Drawn(), 64u) << "one click makes one table";
  ExpectShows(fifty, 4, 0, 40);

  ClickRow(Control("Spis(3)"), 2);  // the selected row again
  Pump([this] { return random_.Drawn() >= 128; });
  EXPECT_EQ(random_.Drawn(), 128u);
  ExpectShows(again, 4, 0, 40);
}

TEST_F(WindowTest, NewDigitCountsRecomputeTheColumns) {
  ClickRow(Control("Spis(0)"), 9);
  Pump([this] { return SelectedRow(Control("Spis(2)")) == 9; });
  ClickRow(Control("Spis(4)"), 7);  // "7": back to row 0
  Pump([this] { return SelectedRow(Control("Spis(0)")) == 0; });
  ExpectShows(kTable, 7, 0, 40);

  ClickRow(Control("Spis(0)"), 12);
  Pump([this] { return SelectedRow(Control("Spis(2)")) == 12; });
  ClickRow(Control("Spis(5)"), 8);  // "90": the row stays
  Pump([this] { return SendMessageW(Control("Dylgo"), LB_GETCOUNT, 0, 0) == 91; });
  ExpectShows(kTable, 7, 12, 90);
  EXPECT_EQ(random_.Drawn(), kStartDraws);
}

TEST_F(WindowTest, ClearEmptiesTheTableUntilADigitCountIsChosen) {
  ClickControl(Control("Command1"));
  Pump([this] { return SendMessageW(Control("Spis(0)"), LB_GETCOUNT, 0, 0) == 0; });
  for (const char* list : {"Spis(0)", "Spis(1)", "Spis(2)", "Dylgo"}) {
    EXPECT_EQ(SendMessageW(Control(list), LB_GETCOUNT, 0, 0), 0) << list;
  }
  ClickRow(Control("Spis(5)"), 1);  // nothing to show a long number of
  Settle();
  EXPECT_EQ(SendMessageW(Control("Dylgo"), LB_GETCOUNT, 0, 0), 0);

  std::vector<Fraction> next = kTable;
  std::rotate(next.begin(), next.begin() + 5, next.end());
  random_.Script(DrawsFor(next, 20));
  ClickRow(Control("Spis(4)"), 2);
  Pump([this] { return SendMessageW(Control("Spis(2)"), LB_GETCOUNT, 0, 0) == 16; });
  ExpectShows(next, 2, 0, 20);
}

TEST_F(WindowTest, GreenSquareCopiesWhatWasTypedIntoTheNotes) {
  // The notes lie over the description's last lines; their top left is in the window.
  ClickScreen(CentreOf(Control("Text1(1)"), RECT{8, 8, 40, 16}));
  Pump([this] { return GetFocus() == Control("Text1(1)"); });
  Type(L"Бележка 1/7\nред 2");
  Pump([this] { return form_->Text1[1].Text() == "Бележка 1/7\nред 2"; });
  EXPECT_EQ(TextOf(Control("Text1(1)")), "Бележка 1/7\r\nред 2");

  ClickControl(Control("Label1"));
  Pump([this] { return TextOf(Control("Text1(0)")) == "Бележка 1/7\r\nред 2"; });
  EXPECT_EQ(form_->Text1[0].Text(), "Бележка 1/7\nред 2");
}

TEST_F(WindowTest, TabMovesThroughTheControlsInTheFormsOrder) {
  std::vector<std::string> expected;
  for (const ControlLayout& control : MainWindowControls()) {
    if (control.kind == ControlKind::kList || control.kind == ControlKind::kText ||
        control.kind == ControlKind::kButton) {
      expected.push_back(control.name);
    }
  }
  ClickRow(Control("Spis(0)"), 0);
  Pump([this] { return GetFocus() == Control("Spis(0)"); });
  std::vector<std::string> visited{"Spis(0)"};
  for (std::size_t i = 1; i <= expected.size(); ++i) {
    PressKey(VK_TAB);
    const HWND before = GetFocus();
    Pump([before] { return GetFocus() != before; });
    std::string name = "?";
    for (const ControlLayout& control : MainWindowControls()) {
      if (Control(control.name) == GetFocus()) name = control.name;
    }
    visited.push_back(name);
  }
  expected.push_back(expected.front());  // and round again
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(TextOf(Control("Text1(1)")), "") << "Tab is not typed into a text field";
}

// Remainders of the division of |p| by q: where they first repeat tells the pre-period and the
// period of the digits.
struct Repeat {
  int pre_period, period;
};
Repeat ExactRepeat(long long p, long long q) {
  std::vector<long long> seen{std::llabs(p) % q};
  for (;;) {
    const long long next = seen.back() * 10 % q;
    const auto at = std::find(seen.begin(), seen.end(), next);
    if (at != seen.end()) {
      const int pre = static_cast<int>(at - seen.begin());
      return {pre, static_cast<int>(seen.size()) - pre};
    }
    seen.push_back(next);
  }
}

TEST_F(WindowTest, LongNumberShowsTheTurnsOfThePeriodAndEachRowsStep) {
  const HWND dylgo = Control("Dylgo");
  const auto& [p, q] = kTable.front();  // 1/7, selected at start
  const Repeat repeat = ExactRepeat(p, q);
  ASSERT_EQ(repeat.period, 6);
  MoveMouse(POINT{0, 700});  // nothing over the list
  Settle();
  // Row r of the long number is digit r; turn t of the period covers the digits
  // pre + (t-1)·period + 1 ... pre + t·period.
  for (int row : {0, 1, 4, 7, 9, 13}) {
    SCOPED_TRACE("row " + std::to_string(row));
    const RECT box = RowBox(dylgo, row);
    Settle();
    const int turn =
        row <= repeat.pre_period ? 0 : (row - repeat.pre_period - 1) / repeat.period + 1;
    const COLORREF expected =
        turn == 0 ? GetSysColor(COLOR_WINDOW) : static_cast<COLORREF>(kPeriodTints[(turn - 1) % 2]);
    const HDC dc = GetDC(dylgo);
    EXPECT_EQ(GetPixel(dc, box.right - 2, (box.top + box.bottom) / 2), expected);
    const bool starts = turn > 0 && (row - repeat.pre_period - 1) % repeat.period == 0;
    EXPECT_EQ(GetPixel(dc, box.right - 2, box.top),
              starts ? GetSysColor(COLOR_WINDOWTEXT) : expected);
    ReleaseDC(dylgo, dc);
  }

  // The hover text of digit 3 explains its step: the remainder before it, times ten, divided.
  long long before = p % q;
  for (int digit = 1; digit < 3; ++digit) before = before * 10 % q;
  const std::string step =
      "Цифра 3: " + std::to_string(before) + "·10 = " + std::to_string(before * 10) + "; " +
      std::to_string(before * 10) + " : " + std::to_string(q) + " = " +
      std::to_string(before * 10 / q) + ", остатък " + std::to_string(before * 10 % q);
  const HWND tip = window_->Tooltip();
  MoveMouse(CentreOf(dylgo, RowBox(dylgo, 3)));
  Pump([tip] { return IsWindowVisible(tip) != FALSE; });
  EXPECT_EQ(TextOf(tip), std::string(ControlNamed("Dylgo").hover) + "\r\n" + step);
}

struct LocaleCase {
  const wchar_t* locale;
  const char* minus_three_sevenths;  // -3/7 with 4 digits
};

class LocaleStyle : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(LocaleStyle, SeparatorAndSignComeFromTheLocale) {
  const NumberStyle style = NumberStyleOfLocale(GetParam().locale);
  EXPECT_EQ(FormatFixed(-3.0 / 7.0, 4, style), GetParam().minus_three_sevenths);
  EXPECT_EQ(style.negative_sign, "-");
  EXPECT_TRUE(style.leading_zero);
  EXPECT_EQ(style.group_size, 3);
}

INSTANTIATE_TEST_SUITE_P(Locales, LocaleStyle,
                         ::testing::Values(LocaleCase{L"en-US", "-0.4286"},
                                           LocaleCase{L"bg-BG", "-0,4286"},
                                           LocaleCase{L"de-DE", "-0,4286"}),
                         [](const auto& info) {
                           std::string name = Utf8Of(info.param.locale);
                           std::erase(name, '-');
                           return name;
                         });

}  // namespace
}  // namespace drobi::win32::testing
