// Random mouse clicks and key presses on the real Windows window: after each one the form must
// hold what the oracle says and the controls must show exactly what the form holds, and over the
// run the process's private bytes must stay flat.
//
// DROBI_WINDOW_SOAK_ACTIONS (default 2000) is the number of actions, all on one window;
// DROBI_SOAK_SEED (default 1) the seed. A failure names the seed and action that replay it.

// clang-format off
#include <windows.h>  // first: the other Windows headers build on it
#include <psapi.h>
// clang-format on

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/reliability/action_stream.hpp"
#include "tests/reliability/form_oracle.hpp"
#include "tests/reliability/recording_random.hpp"
#include "tests/reliability/soak_run.hpp"
#include "tests/reliability/soak_settings.hpp"
#include "tests/reliability/user_action.hpp"
#include "tests/win32/win32_user_driver.hpp"
#include "tests/win32/window_driver.hpp"
#include "ui/main_form.hpp"
#include "ui/win32/main_window.hpp"
#include "ui/win32/program.hpp"

namespace drobi::win32::testing {
namespace {

using drobi::testing::ActionStream;
using drobi::testing::FormOracle;
using drobi::testing::RecordingRandom;
using drobi::testing::SoakSettings;
using drobi::testing::UserAction;

// What the second half of a run may add to the private bytes: no more than a few pages, which
// the heaps may take for their own book-keeping.
constexpr std::int64_t kFlatBytes = 256 * 1024;

// The process's private bytes, its commit charge: Windows gives it as PrivateUsage and as
// PagefileUsage alike, Wine fills in only the second.
std::int64_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof(counters));
  return static_cast<std::int64_t>(counters.PrivateUsage > 0 ? counters.PrivateUsage
                                                             : counters.PagefileUsage);
}

// A page key moves a Windows list's selection by one row less than the list shows whole.
int PageStep(HWND list) {
  RECT client;
  GetClientRect(list, &client);
  const auto row = static_cast<LONG>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  return row > 0 && client.bottom / row > 1 ? static_cast<int>(client.bottom / row) - 1 : 1;
}

std::string WindowSoakRun(std::uint64_t seed, std::int64_t length) {
  RecordingRandom random(seed * 0x9E3779B97F4A7C15ull);
  ActionStream actions(seed, /*page_keys=*/true);
  const NumberStyle style = drobi::testing::SoakStyle(seed);
  MainForm form(random, style);
  FormOracle oracle(style.decimal_separator, form.Text1[0].Text());
  MainWindow window(form, GetModuleHandleW(nullptr));
  std::vector<std::string> errors;
  window.SetErrorReporter([&errors](const ErrorReport& report) {
    errors.push_back("error " + std::to_string(report.number) + " «" + report.text +
                     "» reached the window");
  });
  const POINT background{window.Dpi() * 300 / 96, window.Dpi() * 148 / 96};
  const auto settle = [&window, background] {
    if (!Fence([&window](const MSG& message) { Dispatch(window, message); }, window.Handle(),
               background)) {
      throw std::runtime_error("the input did not come through");
    }
  };
  Win32UserDriver driver(window.Handle(), window.Dpi(), settle);

  std::int64_t done = 0;
  std::int64_t half_way = 0;
  const auto load = [&] {
    window.Guarded([&form] { form.Form_Load(); });
    window.Show(SW_SHOWNORMAL);
    SetForegroundWindow(window.Handle());
    settle();
  };
  const auto perform = [&](UserAction& action) {
    if (action.kind == UserAction::Kind::kKey) {
      action.page = PageStep(driver.Control(drobi::testing::ListName(action.list)));
    }
    drobi::testing::Perform(driver, action);
    // A double click on the long number opens the written division; it is closed again at once,
    // as Wine's rich edit control keeps some of every text it has shown until it is destroyed,
    // which the private bytes would count as the window's own. The window's tests check the view.
    for (HWND view = nullptr;
         (view = FindWindowExW(nullptr, view, kDivisionViewClass, nullptr)) != nullptr;) {
      if (GetWindow(view, GW_OWNER) == window.Handle() && IsWindowVisible(view)) {
        SendMessageW(view, WM_CLOSE, 0, 0);
      }
    }
    if (++done == length / 2) half_way = PrivateBytes();
  };
  const auto more_differences = [&] {
    std::vector<std::string> found = drobi::testing::ShownDifferences(driver, form);
    found.insert(found.end(), errors.begin(), errors.end());
    errors.clear();
    return found;
  };
  const std::string failure = drobi::testing::RunAndCheck(seed, length, form, random, actions,
                                                          oracle, load, perform, more_differences);
  if (!failure.empty()) return failure;
  const std::int64_t end = PrivateBytes();
  std::printf("private bytes: %lld half way, %lld at the end\n", static_cast<long long>(half_way),
              static_cast<long long>(end));
  if (end - half_way < kFlatBytes) return {};
  return "seed " + std::to_string(seed) + ": the private bytes grew from " +
         std::to_string(half_way) + " to " + std::to_string(end) + " over the second half";
}

TEST(WindowSoak, RandomClicksAndKeysLeaveTheControlsShowingTheForm) {
  drobi::testing::ExpectEveryRunPasses(
      "window soak", SoakSettings::FromEnvironment("DROBI_WINDOW_SOAK_ACTIONS", 2'000, 1'000'000),
      WindowSoakRun);
}

}  // namespace
}  // namespace drobi::win32::testing
