#pragma once

// The Windows window driven as a user does, with real input through the window system, for the
// shared scenarios, the soak and the error path. The window may be this process's own or another
// program's; `settle` lets the input sent so far be handled before anything is read.

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/user_driver.hpp"
#include "tests/win32/window_driver.hpp"
#include "ui/win32/division_view.hpp"
#include "ui/win32/exercises_view.hpp"
#include "ui/win32/fraction_dialog.hpp"
#include "ui/win32/main_window.hpp"
#include "ui/win32/text.hpp"
#include "ui/window_layout.hpp"

namespace drobi::win32::testing {

using drobi::testing::Key;
using drobi::testing::Rgb;

class Win32UserDriver : public drobi::testing::UserDriver {
 public:
  // `settle_modal` for the input to a modal dialog, whose owner may take no clicks.
  Win32UserDriver(HWND window, int dpi, std::function<void()> settle,
                  std::function<void()> settle_modal = {})
      : window_(window),
        dpi_(dpi),
        settle_(std::move(settle)),
        settle_modal_(settle_modal ? std::move(settle_modal) : settle_) {}

  HWND Control(const std::string& name) const { return GetDlgItem(window_, ControlId(name)); }

  void ClickRow(const std::string& list, int row, bool twice = false) override {
    const HWND control = Control(list);
    const int count = static_cast<int>(SendMessageW(control, LB_GETCOUNT, 0, 0));
    POINT at;
    if (row < count) {
      at = CentreOf(control, RowBox(control, row));
    } else {
      RECT client;
      GetClientRect(control, &client);
      LONG below = 2;
      if (count > 0) below = RowBox(control, count - 1).bottom + 3;
      if (below >= client.bottom - 1) return;
      at = CentreOf(control, RECT{0, below, client.right, below});
    }
    const INPUT down = MouseAt(at, MOUSEEVENTF_LEFTDOWN);
    const INPUT up = MouseAt(at, MOUSEEVENTF_LEFTUP);
    Send(twice ? std::vector<INPUT>{MouseAt(at, 0), down, up, down, up}
               : std::vector<INPUT>{MouseAt(at, 0), down, up});
    settle_();
  }
  void Click(const std::string& control) override {
    ClickControl(Control(control));
    settle_();
  }
  // Only for a window of this thread.
  void Focus(const std::string& control) override { SetFocus(Control(control)); }
  void Press(Key key) override {
    static constexpr WORD kKeys[] = {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END, VK_TAB};
    PressKey(kKeys[static_cast<int>(key)]);
    settle_();
  }
  void Type(const std::string& field, const std::string& text) override {
    // The notes lie over the description's last lines; the top left of each field is in view.
    ClickScreen(CentreOf(Control(field), RECT{8, 8, 40, 16}));
    INPUT control{};
    control.type = INPUT_KEYBOARD;
    control.ki.wVk = VK_CONTROL;
    INPUT end = control;
    end.ki.wVk = VK_END;
    std::vector<INPUT> inputs{control, end, end, control};
    inputs[2].ki.dwFlags = inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
    Send(inputs);
    if (text.empty()) PressKey(VK_BACK);
    testing::Type(Wide(text));
    settle_();
  }

  std::vector<std::string> Rows(const std::string& list) const override {
    return RowsOf(Control(list));
  }
  int Selected(const std::string& list) const override { return SelectedRow(Control(list)); }
  std::string Text(const std::string& field) const override {
    std::string text = TextOf(Control(field));
    std::erase(text, '\r');
    return text;
  }
  std::string Focused() const override {
    const HWND focus = GetFocus();
    for (const ControlLayout& control : MainWindowControls()) {
      if (focus != nullptr && Control(control.name) == focus) return control.name;
    }
    return "";
  }
  Rgb ColourAt(int x, int y) const override {
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    POINT at{(x * dpi_ + 48) / 96, (y * dpi_ + 48) / 96};
    ClientToScreen(window_, &at);
    const struct Screen {
      HDC dc = GetDC(nullptr);
      ~Screen() { ReleaseDC(nullptr, dc); }
    } screen;
    const COLORREF seen = GetPixel(screen.dc, at.x, at.y);
    return {GetRValue(seen), GetGValue(seen), GetBValue(seen)};
  }

  // From the menu bar by its access keys: Alt pressed and let go, the menu's letter, then the
  // command's.
  void Choose(CommandId command) override {
    ChooseKeys(command);
    settle_();
  }
  void ChooseKeys(CommandId command) {
    for (const Menu& menu : MenuBar()) {
      for (const Command& entry : menu.commands) {
        if (entry.id != command) continue;
        PressKey(VK_MENU);
        testing::Type(Wide(AccessKey(menu.title) + AccessKey(entry.title)));
      }
    }
  }
  // «Въведете дроб» from the menu bar, the text typed into its field and Enter: "" when the
  // dialog closed, else the message it shows (WM_GETTEXT), and then Escape.
  std::string EnterFraction(const std::string& typed) override {
    ChooseKeys(CommandId::kEnterFraction);
    settle_modal_();
    if (FractionDialogOf() == nullptr) return "the dialog did not open";
    testing::Type(Wide(typed));
    PressKey(VK_RETURN);
    settle_modal_();
    const HWND dialog = FractionDialogOf();
    if (dialog == nullptr) return "";
    const std::string shown = TextOf(GetDlgItem(dialog, FractionDialog::kMessageId));
    PressKey(VK_ESCAPE);
    settle_modal_();
    return shown.empty() ? "the dialog stayed open with no message" : shown;
  }
  // Each key fenced as for a dialog, since a click on the main window would take the focus.
  std::vector<std::string> Exercise(TaskKind kind, const std::string& answer) override {
    if (ExercisesOf() == nullptr) {
      ChooseKeys(CommandId::kExercises);
      settle_modal_();
    }
    const HWND view = ExercisesOf();
    if (view == nullptr) throw std::logic_error("the exercises did not open");
    const auto item = [view](int id) { return GetDlgItem(view, id); };
    const HWND choice = item(ExercisesView::kFirstKindId + static_cast<int>(kind));
    if (SendMessageW(choice, BM_GETCHECK, 0, 0) != BST_CHECKED) ClickControl(choice);
    settle_modal_();
    const std::string question = TextOf(item(ExercisesView::kQuestionId));
    // К or П on whatever has the focus, or the answer typed into the field and Enter.
    if (kind != TaskKind::kEndsOrRepeats) ClickControl(item(ExercisesView::kAnswerId));
    testing::Type(Wide(kind == TaskKind::kEndsOrRepeats ? answer : answer + "\n"));
    settle_modal_();
    std::vector<std::string> shown{question, TextOf(item(ExercisesView::kVerdictId)),
                                   TextOf(item(ExercisesView::kCountId))};
    GUITHREADINFO focus{};
    focus.cbSize = sizeof(focus);
    GetGUIThreadInfo(GetWindowThreadProcessId(view, nullptr), &focus);
    if (focus.hwndFocus != item(ExercisesView::kNextId)) {
      throw std::logic_error("the verdict leaves the focus");
    }
    PressKey(VK_RETURN);  // again, on «Следваща задача»
    settle_modal_();
    return shown;
  }
  // The open view «Упражнения» of the window, or nullptr.
  HWND ExercisesOf() const {
    HWND view = nullptr;
    while ((view = FindWindowExW(nullptr, view, L"#32770", Wide(kExercisesTitle).c_str())) !=
           nullptr) {
      if (GetWindow(view, GW_OWNER) == window_ && IsWindowVisible(view)) return view;
    }
    return nullptr;
  }
  // The open dialog «Въведете дроб» of the window, or nullptr.
  HWND FractionDialogOf() const {
    HWND dialog = nullptr;
    while ((dialog = FindWindowExW(nullptr, dialog, L"#32770",
                                   Wide(kEnterFractionTitle).c_str())) != nullptr) {
      if (GetWindow(dialog, GW_OWNER) == window_ && IsWindowVisible(dialog)) return dialog;
    }
    return nullptr;
  }

  // The view's text, WM_GETTEXT of its control, in lines.
  std::vector<std::string> DivisionLines() const override {
    HWND view = nullptr;
    while ((view = FindWindowExW(nullptr, view, kDivisionViewClass, nullptr)) != nullptr) {
      if (GetWindow(view, GW_OWNER) == window_ && IsWindowVisible(view)) break;
    }
    if (view == nullptr) return {};
    const std::string text = TextOf(GetDlgItem(view, DivisionView::kTextId));
    std::vector<std::string> lines(1);
    for (std::size_t at = 0; at < text.size(); ++at) {
      if (text[at] != '\r' && text[at] != '\n') {
        lines.back() += text[at];
      } else if (text[at] == '\n' || text.compare(at, 2, "\r\n") != 0) {
        lines.emplace_back();
      }
    }
    return lines;
  }

 private:
  HWND window_;
  int dpi_;
  std::function<void()> settle_;
  std::function<void()> settle_modal_;
};

}  // namespace drobi::win32::testing
