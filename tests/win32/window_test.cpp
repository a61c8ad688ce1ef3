// The Windows window as a user meets it: the real window of drobi.exe on a form whose tables are
// scripted, driven with mouse clicks and keys through the window system, and read back from its
// controls. The shared scenarios run through the Windows driver; what follows them is how this
// window looks.
//
// DROBI_TEST_DECIMAL (default ".") is the decimal separator of the regional settings the run is
// given, DROBI_TEST_DPI (default 96) the screen's dots per inch.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <map>
#include <memory>
#include <numeric>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/format_fixed.hpp"
#include "tests/support/exact.hpp"
#include "tests/support/scenario_name.hpp"
#include "tests/support/scenario_run.hpp"
#include "tests/support/scripted_random.hpp"
#include "tests/support/window_scenarios.hpp"
#include "tests/win32/win32_user_driver.hpp"
#include "tests/win32/window_driver.hpp"
#include "ui/lesson/long_number_marks.hpp"
#include "ui/lesson/menu_commands.hpp"
#include "ui/lesson/quotient_notes.hpp"
#include "ui/lesson/row_texts.hpp"
#include "ui/lesson/worksheet.hpp"
#include "ui/lesson/written_division.hpp"
#include "ui/lists.hpp"
#include "ui/main_form.hpp"
#include "ui/win32/division_view.hpp"
#include "ui/win32/exercises_view.hpp"
#include "ui/win32/main_window.hpp"
#include "ui/win32/number_style.hpp"
#include "ui/win32/program.hpp"
#include "ui/win32/rich_edit_handle.hpp"
#include "ui/win32/sheet_drawing.hpp"
#include "ui/win32/worksheet_dialog.hpp"
#include "ui/window_layout.hpp"

namespace drobi::win32::testing {
namespace {

std::string Setting(const char* name, const char* otherwise) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : otherwise;
}

void PressWithCtrl(WORD key) {
  INPUT down{};
  down.type = INPUT_KEYBOARD;
  std::vector<INPUT> keys(4, down);
  keys[0].ki.wVk = keys[3].ki.wVk = VK_CONTROL;
  keys[1].ki.wVk = keys[2].ki.wVk = key;
  keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  Send(keys);
}

// What an enhanced metafile holds of a page: its texts in their fonts, the alignment, its lines.
struct Recorded {
  struct Text {
    std::string text;
    POINTL at;
    LONG width;  // the glyphs' advances added up
    LOGFONTW font;
  };
  std::map<DWORD, LOGFONTW> fonts;  // by the metafile's object index
  LOGFONTW font{};
  UINT align = 0;
  std::vector<Text> texts;
  int lines = 0;
};

int CALLBACK ReadRecord(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM to) {
  Recorded& read = *reinterpret_cast<Recorded*>(to);
  const auto* bytes = reinterpret_cast<const BYTE*>(record);
  if (record->iType == EMR_EXTCREATEFONTINDIRECTW) {
    const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
    read.fonts[font->ihFont] = font->elfw.elfLogFont;
  } else if (record->iType == EMR_SELECTOBJECT) {
    const auto font = read.fonts.find(reinterpret_cast<const EMRSELECTOBJECT*>(record)->ihObject);
    if (font != read.fonts.end()) read.font = font->second;
  } else if (record->iType == EMR_SETTEXTALIGN) {
    read.align = reinterpret_cast<const EMRSETTEXTALIGN*>(record)->iMode;
  } else if (record->iType == EMR_EXTTEXTOUTW) {
    const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTW*>(record)->emrtext;
    const auto* chars = reinterpret_cast<const wchar_t*>(bytes + text.offString);
    const auto* advances = reinterpret_cast<const INT*>(bytes + text.offDx);
    read.texts.push_back({Utf8Of(std::wstring(chars, text.nChars)), text.ptlReference,
                          std::accumulate(advances, advances + text.nChars, LONG{0}), read.font});
  }
  read.lines += record->iType == EMR_LINETO ? 1 : 0;
  return 1;
}

Recorded Record(const SheetPage& page) {
  struct Close {
    void operator()(HDC dc) const noexcept { DeleteEnhMetaFile(CloseEnhMetaFile(dc)); }
  };
  std::unique_ptr<std::remove_pointer_t<HDC>, Close> dc(
      CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr));
  SheetDrawing(dc.get()).Draw(page);
  const HENHMETAFILE file = CloseEnhMetaFile(dc.release());
  Recorded read;
  EnumEnhMetaFile(nullptr, file, ReadRecord, &read, nullptr);
  DeleteEnhMetaFile(file);
  return read;
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_->SetErrorReporter([this](const ErrorReport& report) { errors_.push_back(report); });
    form_.SetTrace([this](std::string_view name) { trace_.emplace_back(name); });
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
  void Load() {
    ASSERT_TRUE(window_->Guarded([this] { form_.Form_Load(); }));
  }

  const std::string decimal_ = Setting("DROBI_TEST_DECIMAL", ".");
  drobi::testing::ScriptedRandom random_{StartDraws()};
  MainForm form_{random_, SystemNumberStyle()};
  std::unique_ptr<MainWindow> window_ =
      std::make_unique<MainWindow>(form_, GetModuleHandleW(nullptr));
  std::vector<ErrorReport> errors_;
  std::vector<std::string> trace_;
};

class SharedScenario : public WindowTest,
                       public ::testing::WithParamInterface<drobi::testing::Scenario> {};

TEST_P(SharedScenario, Passes) {
  // Each action waits for a right click on the window's background that follows it.
  const POINT background{window_->Dpi() * 300 / 96, window_->Dpi() * 148 / 96};
  const auto dispatch = [this](const MSG& message) { Dispatch(*window_, message); };
  Win32UserDriver driver(
      window_->Handle(), window_->Dpi(),
      [this, background, dispatch] {
        ASSERT_TRUE(Fence(dispatch, window_->Handle(), background))
            << "the input did not come through";
      },
      [dispatch] { ASSERT_TRUE(KeyFence(dispatch)) << "the keys did not come through"; });
  drobi::testing::ScenarioRun run(driver, form_, random_, trace_, decimal_);
  GetParam().run(run);
}

INSTANTIATE_TEST_SUITE_P(Window, SharedScenario,
                         ::testing::ValuesIn(drobi::testing::kWindowScenarios),
                         drobi::testing::ScenarioName());

// What the shared start-up leaves to this window: its caption and icon, the description with the
// line ends of an edit control, the button's caption.
TEST_F(WindowTest, OpensWithItsCaptionIconAndTexts) {
  Load();
  EXPECT_EQ(TextOf(window_->Handle()), MainWindowLayout().caption);
  EXPECT_NE(SendMessageW(window_->Handle(), WM_GETICON, ICON_SMALL, 0), 0) << "no caption icon";
  // The description in 22 lines, each ended by CR LF as an edit control breaks lines.
  const std::string description = TextOf(Control("Text1(0)"));
  int lines = 0;
  for (std::size_t at = 0; (at = description.find('\n', at)) != std::string::npos; ++at, ++lines) {
    EXPECT_EQ(description.at(at - 1), '\r') << "line " << lines + 1;
  }
  EXPECT_EQ(lines, 22);
  EXPECT_EQ(TextOf(Control("Command1")), "Чисти");
}

// The menu bar as the command table has it, each entry's shortcut after a tab; at 100 % only the
// steps down are greyed, one step up none is.
TEST_F(WindowTest, MenuBarHoldsTheCommandTableAndGreysTheStepsPastTheEnd) {
  const HMENU bar = GetMenu(window_->Handle());
  const auto title = [](HMENU menu, UINT at) {
    wchar_t text[128]{};
    GetMenuStringW(menu, at, text, 128, MF_BYPOSITION);
    return Utf8Of(text);
  };
  ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(MenuBar().size()));
  for (const int percent : {100, 125}) {
    for (UINT m = 0; m < MenuBar().size(); ++m) {
      const auto& commands = MenuBar()[m].commands;
      EXPECT_EQ(title(bar, m), MenuBar()[m].title);
      const HMENU popup = GetSubMenu(bar, static_cast<int>(m));
      ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(commands.size()));
      for (UINT i = 0; i < commands.size(); ++i) {
        const std::string keys = ShortcutText(commands[i].shortcut);
        EXPECT_EQ(title(popup, i), commands[i].title + (keys.empty() ? "" : "\t" + keys));
        const bool down =
            commands[i].id == CommandId::kZoomOut || commands[i].id == CommandId::kActualSize;
        const bool greyed = down && percent == 100;
        EXPECT_EQ((GetMenuState(popup, i, MF_BYPOSITION) & MF_GRAYED) != 0, greyed)
            << percent << " % " << title(popup, i);
      }
    }
    window_->Zoom(1);
    Settle();
  }
}

// «Работен лист» on the form's digits: Tab walks its fields; Enter without a printer (as under
// Wine) says so in a box that Enter closes; the up-down steps, the access keys (typed on the check
// box: Wine makes no Alt+character of typed text) reach and tick; Escape leaves the form as it was.
TEST_F(WindowTest, WorksheetDialogAnswersTheKeyboard) {
  Load();
  ASSERT_TRUE(window_->Guarded([this] { form_.Spis[kDecimalDigits].UserClick(2); }));
  const auto settle = [this] {
    ASSERT_TRUE(KeyFence([this](const MSG& message) { Dispatch(*window_, message); }))
        << "the keys did not come through";
  };
  const auto type = [&settle](const char* text) {
    Type(Wide(text));
    settle();  // typed characters come by another way than keys, and may come after later keys
  };
  const auto open = [this] {
    const HWND dialog = FindWindowExW(nullptr, nullptr, L"#32770", Wide(kWorksheetTitle).c_str());
    return GetWindow(dialog, GW_OWNER) == window_->Handle() ? dialog : nullptr;
  };
  Win32UserDriver driver(window_->Handle(), window_->Dpi(), settle);
  driver.Choose(CommandId::kWorksheet);
  const HWND dialog = open();
  ASSERT_NE(dialog, nullptr);
  EXPECT_FALSE(IsWindowEnabled(window_->Handle()));
  using Dialog = WorksheetDialog;
  const HWND digits = GetDlgItem(dialog, Dialog::kDigitsId);
  EXPECT_EQ(SendMessageW(digits, CB_GETCURSEL, 0, 0), 2);
  for (const int id :
       {Dialog::kDigitsId, Dialog::kDivisionsId, Dialog::kPrintId, IDCANCEL, Dialog::kVariantsId}) {
    driver.Press(Key::kTab);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, id)) << id;
  }
  // Enter, and the text of the message box it brings, which Enter answers.
  const auto told = [this, &dialog, &settle] {
    std::string text;
    std::atomic<bool> answered = false;
    std::thread answer([dialog, &text, &answered] {
      for (int wait = 0; wait < 500 && text.empty(); ++wait, Sleep(20)) {
        const HWND box = FindWindowExW(nullptr, nullptr, L"#32770", Wide(kWorksheetTitle).c_str());
        if (GetWindow(box, GW_OWNER) == dialog) text = TextOf(GetDlgItem(box, 0xFFFF));
      }
      PressKey(VK_RETURN);
      answered = true;
    });
    PressKey(VK_RETURN);
    // The box runs a message loop of its own, which a fence's key would end in.
    Pump([&answered] { return answered.load(); });
    answer.join();
    settle();
    return text;
  };
  type("99");
  EXPECT_EQ(told(), std::get<std::string>(ReadVariants("99")));
  EXPECT_EQ(TextOf(GetDlgItem(dialog, Dialog::kVariantsId)), "99") << "left as typed";
  type("40");  // over the count, which the message left selected
  EXPECT_EQ(told(), SheetFailureText(SheetFailure::kNoPrinter, ""));
  PressKey(VK_DOWN);
  for (int tab = 0; tab < 2; ++tab) driver.Press(Key::kTab);
  type(AccessKey(kDigitsField).c_str());
  PressKey(VK_DOWN);
  driver.Press(Key::kTab);
  type(AccessKey(kDivisionsOption).c_str());
  EXPECT_EQ(TextOf(GetDlgItem(dialog, Dialog::kVariantsId)), "39");
  EXPECT_EQ(SendMessageW(digits, CB_GETCURSEL, 0, 0), 3);
  EXPECT_EQ(IsDlgButtonChecked(dialog, Dialog::kDivisionsId), static_cast<UINT>(BST_CHECKED));
  PressKey(VK_ESCAPE);
  settle();
  EXPECT_EQ(open(), nullptr);
  EXPECT_TRUE(IsWindowEnabled(window_->Handle()));
  EXPECT_EQ(form_.Spis[kDecimalDigits].ListIndex(), 2) << "the form is only read";
}

// A worksheet's pages drawn into metafiles and read back: each run at its baseline in its font,
// inside the margins by the glyphs' advances; the display list's text; the key's values by exact
// arithmetic.
TEST_F(WindowTest, SheetPagesReadBackFromTheirMetafiles) {
  Load();
  random_.Script(DrawsFor(kStartTable, 20));  // the second variant draws the start table again
  const SheetDocument sheets =
      WorksheetPages(WorksheetTables(form_, random_, 2), {2, 3, true}, form_.Style());
  const int dpi = window_->Dpi();
  const auto device = [dpi](double points) { return std::lround(points * dpi / 72); };
  std::string text;
  for (const SheetPage& page : sheets.pages) {
    const Recorded read = Record(page);
    ASSERT_EQ(read.texts.size(), page.runs.size());
    EXPECT_EQ(read.lines, static_cast<int>(page.rules.size()));
    EXPECT_EQ(read.align & TA_BASELINE, static_cast<UINT>(TA_BASELINE));
    text += text.empty() ? "" : "\f";
    for (std::size_t i = 0; i < page.runs.size(); ++i) {
      const PageRun& run = page.runs[i];
      const Recorded::Text& drawn = read.texts[i];
      SCOPED_TRACE(drawn.text);
      text += drawn.text + "\n";
      EXPECT_EQ(drawn.at.x, device(run.x));
      EXPECT_EQ(drawn.at.y, device(run.y));
      EXPECT_LE(drawn.at.x + drawn.width, device(sheets.width - 56));
      EXPECT_LE(drawn.at.y, device(sheets.height - 56));
      EXPECT_EQ(drawn.font.lfHeight, -device(run.size));
      EXPECT_EQ(drawn.font.lfWeight, run.bold ? FW_BOLD : FW_NORMAL);
      EXPECT_EQ(Utf8Of(drawn.font.lfFaceName),
                run.font == PageFont::kFixed ? "Courier New" : "Times New Roman");
    }
  }
  EXPECT_EQ(text, PageText(sheets));
  std::replace(text.begin(), text.end(), '\n', ' ');  // a wrapped key line reads whole
  for (std::size_t i = 0; i < kStartTable.size(); ++i) {
    const auto& [p, q] = kStartTable[i];
    const std::string fraction = std::to_string(p) + "/" + std::to_string(q);
    const std::string line = std::to_string(i + 1) + ") " + fraction + " ≈ " +
                             drobi::testing::ExactRounded(p, q, 3, decimal_) + "; " + fraction +
                             " = " + drobi::testing::ExactNotation(p, q, decimal_) + "; ";
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

struct Opening {
  const char* name;
  void (*open)(Win32UserDriver& driver);
};

const Opening kOpenings[] = {
    {"CtrlAndItsKey",
     [](Win32UserDriver& driver) {
       driver.Focus("Spis(0)");
       PressWithCtrl(static_cast<WORD>(CommandOf(CommandId::kDivisionView).shortcut.key));
     }},
    {"EnterOnTheLongNumber",
     [](Win32UserDriver& driver) {
       driver.Focus("Dylgo");
       PressKey(VK_RETURN);
     }},
    {"DoubleClickOnALongNumberRow",
     [](Win32UserDriver& driver) { driver.ClickRow("Dylgo", 3, /*twice=*/true); }},
};

class ViewOpening : public WindowTest, public ::testing::WithParamInterface<Opening> {};

// Each way opens the view, in front, on the selected fraction's division; each character shows
// the tint of the last mark on it and the cue of every mark on it. Ctrl+C with nothing selected
// copies all the lines, and the zoom keys in the view zoom its text, not the window.
TEST_P(ViewOpening, ShowsTheMarkedDivisionCopiesItAndZoomsAlone) {
  Load();
  // Without a fence, whose click would bring the main window to the front again.
  Win32UserDriver driver(window_->Handle(), window_->Dpi(), [] {});
  GetParam().open(driver);
  Pump([&driver] { return !driver.DivisionLines().empty(); });
  const LessonText shown = WrittenDivisionOf(form_);
  EXPECT_EQ(driver.DivisionLines(), shown.lines);
  const HWND view = FindWindowExW(nullptr, nullptr, kDivisionViewClass, nullptr);
  ASSERT_EQ(GetWindow(view, GW_OWNER), window_->Handle());
  EXPECT_EQ(GetActiveWindow(), view);
  const HWND text = GetDlgItem(view, DivisionView::kTextId);
  const auto format_at = [text](int line, int column) {
    const RichEditHandle edit(text);
    edit.Select(edit.LineStart(line) + column, edit.LineStart(line) + column + 1);
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    SendMessageW(text, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    return format;
  };
  for (const MarkedSpan& span : shown.marks) {
    for (int column = span.first; column < span.first + span.count; ++column) {
      MarkLook look{};
      bool underline = false;
      bool bold = false;
      for (const MarkedSpan& on : shown.marks) {
        if (on.line != span.line || column < on.first || column >= on.first + on.count) continue;
        look = LookOf(on.role);
        underline = underline || look.underline;
        bold = bold || look.bold;
      }
      const CHARFORMAT2W format = format_at(span.line, column);
      SCOPED_TRACE("line " + std::to_string(span.line) + ", column " + std::to_string(column));
      EXPECT_EQ(format.crBackColor, static_cast<COLORREF>(look.tint));
      EXPECT_EQ((format.dwEffects & CFE_UNDERLINE) != 0, underline);
      EXPECT_EQ((format.dwEffects & CFE_BOLD) != 0, bold);
    }
  }
  const int last = static_cast<int>(shown.lines.size()) - 1;
  ASSERT_TRUE(std::none_of(shown.marks.begin(), shown.marks.end(),
                           [last](const MarkedSpan& span) { return span.line == last; }));
  EXPECT_EQ(format_at(last, 0).dwEffects & (CFE_AUTOBACKCOLOR | CFE_BOLD | CFE_UNDERLINE),
            static_cast<DWORD>(CFE_AUTOBACKCOLOR));

  RichEditHandle(text).Select(0, 0);
  OpenClipboard(nullptr);
  EmptyClipboard();
  CloseClipboard();
  PressWithCtrl('C');
  std::string copied;
  Pump([&copied] {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(nullptr)) return false;
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    copied = Utf8Of(static_cast<const wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
    CloseClipboard();
    return true;
  });
  std::string lines;
  for (const std::string& line : shown.lines) lines += line + "\r\n";
  EXPECT_EQ(copied, lines);

  RECT before;
  GetClientRect(window_->Handle(), &before);
  PressWithCtrl(VK_OEM_PLUS);
  const LONG zoomed = kLessonFontPoints * 20 * 125 / 100;  // in twips
  Pump([&] { return format_at(last, 0).yHeight == zoomed; });
  RECT after;
  GetClientRect(window_->Handle(), &after);
  EXPECT_TRUE(EqualRect(&before, &after)) << "the window zoomed with the view";
}

INSTANTIATE_TEST_SUITE_P(Ways, ViewOpening, ::testing::ValuesIn(kOpenings),
                         [](const auto& info) { return std::string(info.param.name); });

// What the shared scenarios leave to the exercises: «Пропусни» counts 1/7 as skipped, letters on
// a button answer nothing, the zoom keys in the view zoom it alone, and «Виж делението» selects the
// row of -3/7 in the form and opens its written division.
TEST_F(WindowTest, ExercisesSkipZoomAloneAndShowTheDivisionOfTheTask) {
  Load();
  Win32UserDriver driver(window_->Handle(), window_->Dpi(), [] {});  // no fence: see ViewOpening
  driver.ChooseKeys(CommandId::kExercises);
  Pump([&driver] { return driver.ExercisesOf() != nullptr; });
  const HWND view = driver.ExercisesOf();
  const auto item = [view](int id) { return GetDlgItem(view, id); };
  ClickControl(item(ExercisesView::kSkipId));
  Pump([&] { return TextOf(item(ExercisesView::kQuestionId)).ends_with("-3/7?"); });
  Type(L"к");  // as the key types it, without Shift
  Pump([&] { return IsWindowEnabled(item(ExercisesView::kDivisionId)) != FALSE; });
  RECT main_before, view_before, view_after, main_after;
  GetWindowRect(window_->Handle(), &main_before);
  GetWindowRect(view, &view_before);
  Type(L"ОС");  // the access keys of «Отначало» and «Следваща задача», but without Alt
  PressWithCtrl(VK_OEM_PLUS);
  Pump([&] { return GetWindowRect(view, &view_after) && view_after.right > view_before.right; });
  EXPECT_EQ(TextOf(item(ExercisesView::kCountId)), "Верни: 0 · Грешни: 1 · Пропуснати: 1");
  GetWindowRect(window_->Handle(), &main_after);
  EXPECT_TRUE(EqualRect(&main_before, &main_after)) << "the window zoomed with the exercises";
  ClickControl(item(ExercisesView::kDivisionId));
  Pump([&driver] { return !driver.DivisionLines().empty(); });
  EXPECT_EQ(driver.Selected("Spis(0)"), 1);
  EXPECT_EQ(driver.DivisionLines(), WrittenDivisionOf(form_).lines);
}

// Skipped past the table's last row, the tasks go on in a new table, drawn through the window's
// edge as a click on the interval draws one, and the lists show it.
TEST_F(WindowTest, ExercisesPastTheLastRowGoOnInANewTable) {
  Load();
  std::vector<Fraction> next = kStartTable;
  std::rotate(next.begin(), next.begin() + 3, next.end());
  random_.Script(DrawsFor(next, 20));
  Win32UserDriver driver(window_->Handle(), window_->Dpi(), [] {});  // no fence: see ViewOpening
  driver.ChooseKeys(CommandId::kExercises);
  Pump([&driver] { return driver.ExercisesOf() != nullptr; });
  const HWND view = driver.ExercisesOf();
  for (int skipped = 1; skipped <= 16; ++skipped) {
    ClickControl(GetDlgItem(view, ExercisesView::kSkipId));
    Pump([&] {
      return TextOf(GetDlgItem(view, ExercisesView::kCountId))
          .ends_with(": " + std::to_string(skipped));
    });
  }
  EXPECT_EQ(TextOf(GetDlgItem(view, ExercisesView::kQuestionId)),
            "Крайна или периодична е десетичната дроб на 0/9?");
  drobi::testing::ScenarioRun(driver, form_, random_, trace_, decimal_).ExpectShows(next, 4, 0, 40);
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

    if (control.hover != nullptr && RowTextsFor(form_, control) == nullptr) {
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
}

TEST_F(WindowTest, LongNumberShowsTheTurnsOfThePeriodAndEachRowsStep) {
  Load();
  const HWND dylgo = Control("Dylgo");
  const auto& [p, q] = kStartTable.front();  // 1/7, selected at start
  const std::vector<int> turns = drobi::testing::ExpectedTurns(p, q, 40);
  ASSERT_EQ(turns[7], 2) << "a period of six from the first digit";
  MoveMouse(POINT{0, 700});  // nothing over the list
  Settle();
  for (int row : {0, 1, 4, 7, 9, 13}) {
    SCOPED_TRACE("row " + std::to_string(row));
    const RECT box = RowBox(dylgo, row);
    Settle();
    const int turn = turns[static_cast<std::size_t>(row)];
    const COLORREF expected =
        turn == 0 ? GetSysColor(COLOR_WINDOW) : static_cast<COLORREF>(kPeriodTints[(turn - 1) % 2]);
    const HDC dc = GetDC(dylgo);
    EXPECT_EQ(GetPixel(dc, box.right - 2, (box.top + box.bottom) / 2), expected);
    const bool starts = turn > 0 && turns[static_cast<std::size_t>(row) - 1] != turn;
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

// A quotient row's hover under a real pointer: 1/8 ends, 1/6 repeats after a digit, 1/97 is cut
// after 60 digits (interval 50).
TEST_F(WindowTest, QuotientRowsShowTheirExactValueOnHover) {
  Load();
  random_.Script(DrawsFor({{3, 7},
                           {1, 6},
                           {1, 8},
                           {22, 7},
                           {1, 97},
                           {-3, 7},
                           {1, 12},
                           {0, 9},
                           {13, 1},
                           {7, 3},
                           {1, 2},
                           {1, 2},
                           {1, 2},
                           {1, 2},
                           {1, 2},
                           {1, 2}},
                          50));
  ClickRow(Control("Spis(3)"), 2);
  Pump([this] { return form_.Spis[kDenominators].List(4) == "97"; });
  const QuotientNotes notes(form_.Spis, form_.Style());
  const HWND quotients = Control("Spis(2)");
  const HWND tip = window_->Tooltip();
  for (const int row : {2, 1, 4}) {
    MoveMouse(POINT{0, 700});  // away, so that the tip comes up anew over the row
    Pump([tip] { return IsWindowVisible(tip) == FALSE; });
    MoveMouse(CentreOf(quotients, RowBox(quotients, row)));
    Pump([tip] { return IsWindowVisible(tip) != FALSE; });
    EXPECT_EQ(TextOf(tip), Utf8Of(ShownLines(notes.HoverText(row)))) << row;
    RecordProperty("hover_row_" + std::to_string(row), TextOf(tip));
  }
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
