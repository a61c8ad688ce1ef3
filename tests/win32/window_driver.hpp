#pragma once

// Driving a Windows window as a user does, with real input through the window system, and reading
// back what its controls show.

// clang-format off
#include <windows.h>  // first: the other Windows headers build on it
#include <commctrl.h>
// clang-format on

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/scripted_random.hpp"
#include "ui/win32/text.hpp"

namespace drobi::win32::testing {

using drobi::testing::DrawsFor;
using drobi::testing::Fraction;
using drobi::testing::kStartTable;
using drobi::testing::StartDraws;

inline std::string Utf8Of(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

// WM_GETTEXT, as UTF-8.
inline std::string TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Utf8Of(text);
}

// The text every row shows: LB_GETTEXT up to what only a screen reader hears.
inline std::vector<std::string> RowsOf(HWND list) {
  std::vector<std::string> rows;
  const auto count = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (WPARAM row = 0; row < static_cast<WPARAM>(count); ++row) {
    std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)) + 1,
                      L'\0');
    const auto length = SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    rows.push_back(Utf8Of(std::wstring(drobi::win32::ShownRowText(text))));
  }
  return rows;
}

inline int SelectedRow(HWND list) {
  return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
}

inline std::string ClassOf(HWND window) {
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  return Utf8Of(name);
}

// Runs the thread's messages through `dispatch` until `done` holds (then a little longer, so that
// anything the input brings along arrives too) or the time runs out. False on timeout.
inline bool PumpUntil(const std::function<void(const MSG&)>& dispatch,
                      const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + limit;
  auto quiet_until = Clock::time_point::max();
  for (;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));  // for the caller to see
        return false;
      }
      dispatch(message);
    }
    const auto now = Clock::now();
    if (quiet_until == Clock::time_point::max() && done()) {
      quiet_until = now + std::chrono::milliseconds(150);
    }
    if (now >= quiet_until) return true;
    if (now >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

inline void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

inline INPUT MouseAt(POINT at, DWORD flags);

// Right-clicks `spot` of the window's client area, where no control is and a right click does
// nothing, and runs the thread's messages through `dispatch` until that click arrives: input
// comes in the order it was sent, so everything sent before it has been handled then. (A pointer
// move would not do: the display may still report earlier moves, which Windows merges with it.)
// False on timeout.
inline bool Fence(const std::function<void(const MSG&)>& dispatch, HWND window, POINT spot,
                  std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  ClientToScreen(window, &spot);
  Send(
      {MouseAt(spot, 0), MouseAt(spot, MOUSEEVENTF_RIGHTDOWN), MouseAt(spot, MOUSEEVENTF_RIGHTUP)});
  const auto end = std::chrono::steady_clock::now() + limit;
  for (bool arrived = false;;) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(message.wParam));  // for the caller to see
        return false;
      }
      arrived = arrived || (message.message == WM_RBUTTONUP && message.hwnd == window);
      dispatch(message);
    }
    if (arrived) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// A mouse event at a point of the screen. Each event carries its point, so that it lands there
// whatever pointer motion the display still reports from earlier moves.
inline INPUT MouseAt(POINT at, DWORD flags) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (at.x * 65536 + width / 2) / width;
  input.mi.dy = (at.y * 65536 + height / 2) / height;
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}

// The mouse moved to a point of the screen.
inline void MoveMouse(POINT at) {
  POINT beside = at;
  ++beside.x;
  Send({MouseAt(beside, 0), MouseAt(at, 0)});
}

// A left click at a point of the screen.
inline void ClickScreen(POINT at) {
  Send({MouseAt(at, 0), MouseAt(at, MOUSEEVENTF_LEFTDOWN), MouseAt(at, MOUSEEVENTF_LEFTUP)});
}

inline POINT CentreOf(HWND window, RECT box) {
  POINT centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
  ClientToScreen(window, &centre);
  return centre;
}

// A click on a control's middle.
inline void ClickControl(HWND control) {
  RECT box;
  GetClientRect(control, &box);
  ClickScreen(CentreOf(control, box));
}

// The rectangle of a row of a list, scrolled into view first (scrolling selects nothing).
inline RECT RowBox(HWND list, int row) {
  RECT box{};
  RECT client;
  GetClientRect(list, &client);
  SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&box));
  if (box.top < client.top || box.bottom > client.bottom) {
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&box));
  }
  return box;
}

inline void ClickRow(HWND list, int row) { ClickScreen(CentreOf(list, RowBox(list, row))); }

// A key pressed and released.
inline void PressKey(WORD key) {
  INPUT down{};
  down.type = INPUT_KEYBOARD;
  down.ki.wVk = key;
  INPUT up = down;
  up.ki.dwFlags = KEYEVENTF_KEYUP;
  Send({down, up});
}

// Typing a text as characters; "\n" is the Enter key.
inline void Type(const std::wstring& text) {
  for (const wchar_t c : text) {
    if (c == L'\n') {
      PressKey(VK_RETURN);
      continue;
    }
    INPUT down{};
    down.type = INPUT_KEYBOARD;
    down.ki.wScan = c;
    down.ki.dwFlags = KEYEVENTF_UNICODE;
    INPUT up = down;
    up.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    Send({down, up});
  }
}

// F24 pressed and let go, which nothing in the windows reacts to, and the thread's messages run
// through `dispatch` until it has come: keys come in the order they were sent, and unlike the
// right click of Fence() they reach a modal dialog, whose owner takes no clicks. False on timeout.
inline bool KeyFence(const std::function<void(const MSG&)>& dispatch,
                     std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  PressKey(VK_F24);
  bool arrived = false;
  return PumpUntil(
      [&](const MSG& message) {
        arrived = arrived || (message.message == WM_KEYUP && message.wParam == VK_F24);
        dispatch(message);
      },
      [&] { return arrived; }, limit);
}

}  // namespace drobi::win32::testing
