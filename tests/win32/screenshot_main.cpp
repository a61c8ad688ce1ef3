// A look at the Windows window under Wine: the program's window on the scripted table, with the
// hover text of a row of the long number showing, saved from the screen as a BMP file; or the
// window with the view of the written division of 1/6, 1/7 or 1/97 at 90 digits beside it; or
// with the exercises beside it, the first task of a kind (0 to 3) answered wrongly.
//
// Usage: drobi_screenshot [--zoom | --view 1/6|1/7|1/97 | --exercises KIND] FILE.bmp (--zoom:
// four zoom steps larger first, to 200 %)

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <vector>

#include "tests/support/scripted_random.hpp"
#include "tests/win32/window_driver.hpp"
#include "ui/main_form.hpp"
#include "ui/win32/exercises_view.hpp"
#include "ui/win32/handles.hpp"
#include "ui/win32/main_window.hpp"
#include "ui/win32/number_style.hpp"
#include "ui/win32/program.hpp"
#include "ui/win32/window_menu.hpp"

namespace {

// The window and, beside it, the view opened from the menu on the table row of `fraction`, at 90
// digits; the part of the screen they cover.
RECT ShowView(drobi::MainForm& form, drobi::testing::ScriptedRandom& random,
              drobi::win32::MainWindow& window, std::string_view fraction) {
  static const char* const kFractions[] = {"1/6", "1/7", "1/97"};
  int row = 0;
  while (row < 3 && fraction != kFractions[row]) ++row;
  std::vector<drobi::testing::Fraction> table(16, {1, 2});
  table[0] = {1, 6};
  table[1] = {1, 7};
  table[2] = {1, 97};
  random.Script(drobi::testing::DrawsFor(table, 50));
  window.Guarded([&form, row] {
    form.Spis[3].UserClick(2);  // the interval 50 draws the table anew
    form.Spis[1].UserClick(row < 3 ? row : 0);
    form.Spis[5].UserClick(8);  // 90 digits
  });
  SendMessageW(window.Handle(), WM_COMMAND, drobi::win32::MenuId(drobi::CommandId::kDivisionView),
               0);
  RECT window_box;
  RECT view_box;
  GetWindowRect(window.Handle(), &window_box);
  GetWindowRect(GetActiveWindow(), &view_box);
  UnionRect(&window_box, &window_box, &view_box);
  return window_box;
}

// The window and the exercises beside it, a task of `kind` answered wrongly: «Крайна» for 1/7, or
// «0,1» checked.
RECT ShowExercises(drobi::win32::MainWindow& window, int kind) {
  using drobi::win32::ExercisesView;
  SendMessageW(window.Handle(), WM_COMMAND, drobi::win32::MenuId(drobi::CommandId::kExercises), 0);
  const HWND view = GetActiveWindow();
  SendMessageW(GetDlgItem(view, ExercisesView::kFirstKindId + kind), BM_CLICK, 0, 0);
  SetDlgItemTextW(view, ExercisesView::kAnswerId, L"0,1");
  const int answer = kind == 0 ? ExercisesView::kTerminatingId : ExercisesView::kCheckId;
  SendMessageW(GetDlgItem(view, answer), BM_CLICK, 0, 0);
  RECT window_box;
  RECT view_box;
  GetWindowRect(window.Handle(), &window_box);
  GetWindowRect(view, &view_box);
  UnionRect(&window_box, &window_box, &view_box);
  return window_box;
}

// A part of the screen as a 24-bit BMP file.
bool SaveScreen(const char* path, RECT part) {
  const RECT whole{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  IntersectRect(&part, &part, &whole);
  const int width = part.right - part.left;
  const int height = part.bottom - part.top;
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  const drobi::win32::Bitmap bitmap(CreateCompatibleBitmap(screen, width, height));
  bool saved = false;
  {
    const drobi::win32::Selection selected(memory, bitmap.get());
    saved = BitBlt(memory, 0, 0, width, height, screen, part.left, part.top, SRCCOPY) != FALSE;
  }
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) / 4 * 4;
  std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
  saved = saved && GetDIBits(memory, bitmap.get(), 0, static_cast<UINT>(height), pixels.data(),
                             reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == height;
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!saved) return false;

  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info), sizeof(info));
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace drobi::win32;
  const bool zoom = argc == 3 && std::string_view(argv[1]) == "--zoom";
  const bool view = argc == 4 && std::string_view(argv[1]) == "--view";
  const bool exercises = argc == 4 && std::string_view(argv[1]) == "--exercises";
  if (argc != 2 && !zoom && !view && !exercises) {
    std::fprintf(stderr,
                 "usage: drobi_screenshot [--zoom | --view 1/6|1/7|1/97 | --exercises 0-3] "
                 "FILE.bmp\n");
    return 2;
  }
  const char* path = argv[argc - 1];
  drobi::testing::ScriptedRandom random(testing::StartDraws());
  drobi::MainForm form(random, SystemNumberStyle());
  MainWindow window(form, GetModuleHandleW(nullptr));
  if (!window.Guarded([&form] { form.Form_Load(); })) return 1;
  window.Show(SW_SHOWNORMAL);
  SetForegroundWindow(window.Handle());
  const auto dispatch = [&window](const MSG& message) { Dispatch(window, message); };
  testing::PumpUntil(dispatch, [] { return true; });
  for (int step = 0; zoom && step < 4; ++step) window.Zoom(1);
  testing::PumpUntil(dispatch, [] { return true; });
  if (view || exercises) {
    RECT part = view ? ShowView(form, random, window, argv[2])
                     : ShowExercises(window, std::clamp(argv[2][0] - '0', 0, 3));
    testing::PumpUntil(
        dispatch, [] { return true; }, std::chrono::milliseconds(500));
    InflateRect(&part, 12, 12);
    return SaveScreen(path, part) ? 0 : 1;
  }

  const HWND dylgo = window.Control("Dylgo");
  testing::MoveMouse(testing::CentreOf(dylgo, testing::RowBox(dylgo, 3)));
  const HWND tip = window.Tooltip();
  if (!testing::PumpUntil(dispatch, [tip] { return IsWindowVisible(tip) != FALSE; })) {
    std::fprintf(stderr, "drobi_screenshot: the hover text did not show\n");
    if (!zoom) return 1;  // at 200 % Wine's tip now and then does not show: the window still counts
  }
  testing::PumpUntil(
      dispatch, [] { return true; }, std::chrono::milliseconds(500));
  // The window with its frame and the hover text, and a little of the desktop around them.
  RECT window_box;
  RECT tip_box;
  GetWindowRect(window.Handle(), &window_box);
  GetWindowRect(tip, &tip_box);
  RECT part;
  UnionRect(&part, &window_box, &tip_box);
  InflateRect(&part, 12, 12);
  if (!SaveScreen(path, part)) {
    std::fprintf(stderr, "drobi_screenshot: cannot save the screen to %s\n", path);
    return 1;
  }
  return 0;
}
