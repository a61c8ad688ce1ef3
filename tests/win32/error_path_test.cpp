// A run-time error that escapes a handler, seen from outside the program as a user sees it: the
// program (drobi_broken_state, the real program in a broken state) is started, one click trips
// the error, the message box names the error's number and text and is answered with its OK
// button, and the program ends with status 1.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/broken_states.hpp"
#include "tests/support/scenario_name.hpp"
#include "tests/win32/win32_user_driver.hpp"
#include "tests/win32/window_driver.hpp"
#include "ui/win32/main_window.hpp"
#include "ui/window_layout.hpp"

namespace drobi::win32::testing {
namespace {

using namespace std::chrono_literals;

struct Process {
  PROCESS_INFORMATION info{};
  ~Process() {
    if (info.hProcess == nullptr) return;
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info.hProcess, 99);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
};

// The program that stands beside this test program.
std::wstring ProgramBeside(const wchar_t* name) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
  return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

// A top-level window of the process, of the class, shown; nullptr until there is one.
HWND ShownWindowOf(DWORD process, const wchar_t* window_class) {
  struct Search {
    DWORD process;
    const wchar_t* window_class;
    HWND found;
  } search{process, window_class, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64]{};
        GetClassNameW(window, name, 64);
        if (owner == s.process && std::wstring(name) == s.window_class && IsWindowVisible(window)) {
          s.found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

template <typename Condition>
bool WaitFor(Condition condition, std::chrono::milliseconds limit = 20s) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    std::this_thread::sleep_for(20ms);
  }
  return true;
}

// The texts of the message box's static controls, one after another.
std::string BoxText(HWND box) {
  std::string text;
  EnumChildWindows(
      box,
      [](HWND child, LPARAM data) -> BOOL {
        if (ClassOf(child) == "Static") *reinterpret_cast<std::string*>(data) += TextOf(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&text));
  return text;
}

class BrokenState : public ::testing::TestWithParam<drobi::testing::BrokenState> {};

TEST_P(BrokenState, IsReportedAndEndsTheProgramWithStatusOne) {
  std::wstring command = L"drobi_broken_state.exe ";
  for (const char* c = GetParam().scenario; *c != '\0'; ++c) command += static_cast<wchar_t>(*c);
  const std::wstring program = ProgramBeside(L"drobi_broken_state.exe");
  STARTUPINFOW start{};
  start.cb = sizeof(start);
  Process child;
  ASSERT_TRUE(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &start, &child.info));
  const DWORD id = child.info.dwProcessId;
  HWND window = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (window = ShownWindowOf(id, kWindowClass)) != nullptr; }))
      << "the program shows no window";
  const HWND long_digits = GetDlgItem(window, ControlId("Spis(5)"));
  ASSERT_TRUE(WaitFor([&] { return SendMessageW(long_digits, LB_GETCOUNT, 0, 0) == 9; }));
  std::this_thread::sleep_for(300ms);  // the window painted and ready for input

  // The program's window is another process's: each action is given time to be handled.
  Win32UserDriver driver(window, 96, [] { std::this_thread::sleep_for(300ms); });
  GetParam().trip(driver);

  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = ShownWindowOf(id, L"#32770")) != nullptr; }))
      << "the user was not told";
  EXPECT_EQ(GetWindow(box, GW_OWNER), window) << "the message box belongs to the window";
  EXPECT_EQ(TextOf(box), "drobi");
  EXPECT_EQ(BoxText(box), ErrorMessage(drobi::testing::kBrokenNumber, drobi::testing::kBrokenText) +
                              "\n\n" + kErrorEnding);
  // A click sent while the box's own message loop is still starting can be lost under load (a
  // busy machine running the tests), and Wine's WaitForInputIdle does not tell when it has
  // started: the box is clicked again while it stands, never another.
  for (int click = 0; click < 3 && IsWindow(box); ++click) {
    ClickControl(GetDlgItem(box, IDOK));
    WaitFor([&] { return !IsWindow(box); }, 5s);
  }
  ASSERT_FALSE(IsWindow(box)) << "the message box does not close with its OK button";
  EXPECT_EQ(ShownWindowOf(id, L"#32770"), nullptr) << "a second message box";

  ASSERT_EQ(WaitForSingleObject(child.info.hProcess, 20'000), WAIT_OBJECT_0) << "the program hangs";
  DWORD status = 0;
  GetExitCodeProcess(child.info.hProcess, &status);
  EXPECT_EQ(status, 1u);
}

// drobi.exe itself, the file a school copies: its window opens on a full table, with its
// caption, and closing it ends the program with status 0.
TEST(ShippedProgram, OpensItsWindowAndEndsWithStatusZeroWhenClosed) {
  const std::wstring program = ProgramBeside(L"drobi.exe");
  std::wstring command = L"drobi.exe";
  STARTUPINFOW start{};
  start.cb = sizeof(start);
  Process child;
  ASSERT_TRUE(CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &start, &child.info));
  HWND window = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    return (window = ShownWindowOf(child.info.dwProcessId, kWindowClass)) != nullptr;
  })) << "the program shows no window";
  const HWND numerators = GetDlgItem(window, ControlId("Spis(1)"));
  ASSERT_TRUE(WaitFor([&] { return SendMessageW(numerators, LB_GETCOUNT, 0, 0) == 16; }));
  EXPECT_EQ(TextOf(window), MainWindowLayout().caption);

  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_EQ(WaitForSingleObject(child.info.hProcess, 20'000), WAIT_OBJECT_0) << "the program hangs";
  DWORD status = 1;
  GetExitCodeProcess(child.info.hProcess, &status);
  EXPECT_EQ(status, 0u);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, BrokenState, ::testing::ValuesIn(drobi::testing::kBrokenStates),
                         drobi::testing::ScenarioName());

}  // namespace
}  // namespace drobi::win32::testing
