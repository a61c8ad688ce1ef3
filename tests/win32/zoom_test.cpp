// The Windows window zoomed by real keys and a dragged frame under Wine, and back by Ctrl and 0.

#include <gtest/gtest.h>

#include <array>

#include "tests/win32/window_driver.hpp"
#include "ui/win32/main_window.hpp"
#include "ui/win32/number_style.hpp"
#include "ui/win32/program.hpp"

namespace drobi::win32::testing {
namespace {

struct Zooming {
  const char* name;
  int percent;
  WORD key;  // pressed with Ctrl, `presses` times; 0: the frame is dragged to `client`
  int presses;
  SIZE client;  // the form centred in it: 20 pixels of back colour each side at 200 %
};

const Zooming kZooms[] = {{"Plus125", 125, VK_OEM_PLUS, 1, {}},
                          {"KeypadPlus200", 200, VK_ADD, 4, {}},
                          {"Dragged200", 200, 0, 0, {1172, 652}}};

// The form's twips at a zoom at 96 dpi, rounded to the nearest pixel.
int At(int twips, int percent) { return (twips * percent * 2 + 1500) / 3000; }

void PressWithCtrl(int key) {
  for (const int down : {VK_CONTROL, key}) keybd_event(static_cast<BYTE>(down), 0, 0, 0);
  for (const int up : {key, VK_CONTROL}) keybd_event(static_cast<BYTE>(up), 0, KEYEVENTF_KEYUP, 0);
}

// A control's place in the client area and its font's height.
std::array<LONG, 5> PlaceAndFont(HWND window, HWND control) {
  RECT place;
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
  return {place.left, place.top, place.right - place.left, place.bottom - place.top, font.lfHeight};
}

class Zoom : public ::testing::TestWithParam<Zooming> {};

TEST_P(Zoom, PlacesFontsAndClicksFollowTheForm) {
  const auto& [name, p, key, presses, client] = GetParam();
  drobi::testing::ScriptedRandom random(StartDraws());
  MainForm form(random, SystemNumberStyle());
  MainWindow window(form, GetModuleHandleW(nullptr));
  const auto settle = [&window] {
    ASSERT_TRUE(PumpUntil([&window](const MSG& m) { Dispatch(window, m); }, [] { return true; }));
  };
  ASSERT_TRUE(window.Guarded([&form] { form.Form_Load(); }));
  window.Show(SW_SHOWNORMAL);
  SetForegroundWindow(window.Handle());
  settle();
  for (int i = 0; i < presses; ++i) PressWithCtrl(key);
  RECT inner{0, 0, client.cx, client.cy};
  AdjustWindowRectEx(&inner, WS_OVERLAPPEDWINDOW, TRUE, 0);  // the window's frame and menu bar
  if (key == 0)
    MoveWindow(window.Handle(), 0, 0, inner.right - inner.left, inner.bottom - inner.top, TRUE);
  settle();
  GetClientRect(window.Handle(), &inner);
  const int width = At(MainWindowLayout().client_width, p);
  EXPECT_EQ(inner.right, key == 0 ? client.cx : width);
  EXPECT_EQ(inner.bottom, key == 0 ? client.cy : At(MainWindowLayout().client_height, p));
  for (const ControlLayout& c : MainWindowControls()) {
    EXPECT_EQ(PlaceAndFont(window.Handle(), window.Control(c.name)),
              (std::array<LONG, 5>{(inner.right - width) / 2 + At(c.left, p), At(c.top, p),
                                   At(c.width, p), At(c.height, p), -At(c.font_points * 20, p)}))
        << c.name;
  }
  ClickRow(window.Control("Spis(1)"), 5);
  settle();
  for (const char* list : {"Spis(0)", "Spis(1)", "Spis(2)"}) {
    EXPECT_EQ(SelectedRow(window.Control(list)), 5) << list;
  }
  PressWithCtrl('0');
  settle();
  EXPECT_EQ(PlaceAndFont(window.Handle(), window.Control("Text1(1)")),
            (std::array<LONG, 5>{32, 280, 545, 97, -16}));
}

INSTANTIATE_TEST_SUITE_P(Steps, Zoom, ::testing::ValuesIn(kZooms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace drobi::win32::testing
