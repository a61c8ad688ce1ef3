// The Windows window at other sizes, with real keys and a dragged frame under Wine: every place
// and font follows the form's figures at the zoom, a click on a row still selects it, and Ctrl
// and 0 goes back to 100 %.

#include <gtest/gtest.h>

#include <memory>

#include "tests/win32/window_driver.hpp"
#include "ui/main_form.hpp"
#include "ui/win32/main_window.hpp"
#include "ui/win32/number_style.hpp"
#include "ui/win32/program.hpp"
#include "ui/window_layout.hpp"

namespace drobi::win32::testing {
namespace {

struct Zooming {
  const char* name;
  int percent;
  WORD key;  // pressed with Ctrl, `presses` times; 0 to drag the frame instead
  int presses;
  SIZE client;  // dragged to; the form is centred in it
};

void PrintTo(const Zooming& zooming, std::ostream* out) { *out << zooming.name; }

// The form's twips at a zoom at 96 dpi, rounded to the nearest pixel.
int At(int twips, int percent) { return (twips * percent * 2 + 1500) / 3000; }

const Zooming kZooms[] = {
    {"Plus125", 125, VK_OEM_PLUS, 1, {}},
    {"KeypadPlus200", 200, VK_ADD, 4, {}},
    // 40 pixels wider than 200 % needs: 20 of back colour each side.
    {"Dragged200", 200, 0, 0, {1172, 652}},
};

void PressWithCtrl(WORD key) {
  INPUT keys[4]{};
  for (INPUT& input : keys) input.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[3].ki.wVk = VK_CONTROL;
  keys[1].ki.wVk = keys[2].ki.wVk = key;
  keys[2].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  Send({keys[0], keys[1], keys[2], keys[3]});
}

class Zoom : public ::testing::TestWithParam<Zooming> {
 protected:
  void SetUp() override {
    random_.Script(StartDraws());
    form_ = std::make_unique<MainForm>(random_, SystemNumberStyle());
    window_ = std::make_unique<MainWindow>(*form_, GetModuleHandleW(nullptr));
    ASSERT_TRUE(window_->Guarded([this] { form_->Form_Load(); }));
    window_->Show(SW_SHOWNORMAL);
    SetForegroundWindow(window_->Handle());
    Settle();
  }

  void Settle() {
    ASSERT_TRUE(PumpUntil([this](const MSG& message) { Dispatch(*window_, message); },
                          [] { return true; }));
  }

  SIZE Client() const {
    RECT client;
    GetClientRect(window_->Handle(), &client);
    return {client.right, client.bottom};
  }

  RECT Place(const char* name) const {
    RECT place;
    GetWindowRect(window_->Control(name), &place);
    MapWindowPoints(nullptr, window_->Handle(), reinterpret_cast<POINT*>(&place), 2);
    return place;
  }

  drobi::testing::ScriptedRandom random_;
  std::unique_ptr<MainForm> form_;
  std::unique_ptr<MainWindow> window_;
};

TEST_P(Zoom, PlacesFontsAndClicksFollowTheForm) {
  const Zooming& zooming = GetParam();
  const int p = zooming.percent;
  const WindowLayout& form = MainWindowLayout();
  for (int i = 0; i < zooming.presses; ++i) PressWithCtrl(zooming.key);
  if (zooming.key == 0) {
    RECT frame{0, 0, zooming.client.cx, zooming.client.cy};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(window_->Handle(), GWL_STYLE)),
                       FALSE, 0);
    SetWindowPos(window_->Handle(), nullptr, 0, 0, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOMOVE);
  }
  Settle();
  const SIZE client = Client();
  if (zooming.key != 0) {
    EXPECT_EQ(client.cx, At(form.client_width, p));
    EXPECT_EQ(client.cy, At(form.client_height, p));
  }
  const int left = (client.cx - At(form.client_width, p)) / 2;
  for (const ControlLayout& control : MainWindowControls()) {
    const RECT place = Place(control.name);
    EXPECT_EQ(place.left, left + At(control.left, p)) << control.name;
    EXPECT_EQ(place.top, At(control.top, p)) << control.name;
    EXPECT_EQ(place.right - place.left, At(control.width, p)) << control.name;
    EXPECT_EQ(place.bottom - place.top, At(control.height, p)) << control.name;
    LOGFONTW font{};
    GetObjectW(
        reinterpret_cast<HFONT>(SendMessageW(window_->Control(control.name), WM_GETFONT, 0, 0)),
        sizeof(font), &font);
    EXPECT_EQ(font.lfHeight, -At(control.font_points * 20, p)) << control.name;
  }

  ClickRow(window_->Control("Spis(1)"), 5);
  Settle();
  for (const char* list : {"Spis(0)", "Spis(1)", "Spis(2)"}) {
    EXPECT_EQ(SelectedRow(window_->Control(list)), 5) << list;
  }

  PressWithCtrl('0');
  Settle();
  EXPECT_EQ(Client().cx, 566);
  EXPECT_EQ(Client().cy, 326);
  EXPECT_EQ(Place("Dylgo").left, 496);
}

INSTANTIATE_TEST_SUITE_P(Steps, Zoom, ::testing::ValuesIn(kZooms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace drobi::win32::testing
