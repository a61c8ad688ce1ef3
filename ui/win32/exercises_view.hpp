#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "ui/lesson/exercises.hpp"
#include "ui/lesson/menu_commands.hpp"
#include "ui/main_form.hpp"
#include "ui/win32/annotations.hpp"
#include "ui/win32/error_edge.hpp"
#include "ui/win32/handles.hpp"
#include "ui/win32/spoken_line.hpp"
#include "ui/win32/wheel_steps.hpp"
#include "ui/win32/window_icons.hpp"
#include "ui/window_scale.hpp"

namespace drobi::win32 {

// «Упражнения» in a window of its own beside the main window, which owns it: the kind chooser, the
// question, the answer (a field, or «Крайна» and «Периодична»), «Провери», the verdict,
// «Следваща задача», «Пропусни», «Виж делението», «Отначало» and the count. Every text comes from
// Exercises, and every call into it runs through the main window's edge, as a task past the
// table's last row draws a new table in the form, which the form's lists then show.
//
// It is a modeless dialog, so the keys are the dialog manager's: Tab, the access keys with Alt,
// Enter on the default button («Провери» while a task is open, «Следваща задача» after its
// verdict, which then has the focus), Escape or the close box to hide it with its count kept. The
// keys К and П alone are the access keys of «Крайна» and «Периодична», which show only for a task
// of ends or repeats, where no field takes letters; no other access key works without Alt. A screen
// reader hears the question, the verdict and the count in words, as the lines' accessible names;
// each new verdict is announced as an alert.
class ExercisesView {
 public:
  static constexpr int kFirstKindId = 201;  // then one for each of kTaskKinds, in order
  static constexpr int kQuestionId = 210;
  static constexpr int kAnswerId = 211;
  static constexpr int kTerminatingId = 212;
  static constexpr int kRepeatingId = 213;
  static constexpr int kCheckId = 214;
  static constexpr int kVerdictId = 215;
  static constexpr int kNextId = 216;
  static constexpr int kSkipId = 217;
  static constexpr int kDivisionId = 218;
  static constexpr int kRestartId = 219;
  static constexpr int kCountId = 220;

  // Made hidden, beside `owner`. `show_division` opens the view of the written division once the
  // task's row is selected; `perform` does what a key of the menu pressed in the view asks for,
  // but for the zoom keys, which zoom the view.
  ExercisesView(HWND owner, MainForm& form, ErrorEdge& edge, Annotations& annotations,
                std::function<void()> show_division, std::function<void(CommandId)> perform);
  ExercisesView(const ExercisesView&) = delete;
  ExercisesView& operator=(const ExercisesView&) = delete;

  HWND Handle() const { return dialog_.get(); }
  bool IsOpen() const { return dialog_ && IsWindowVisible(dialog_.get()); }
  // Shows the view in front, with the focus on the answer, or after a verdict on the next task.
  void Open();
  // The zoom step after the present one in `direction` (+1 larger, -1 smaller), or 100 % for 0.
  void Zoom(int direction);
  // The menu's `keys`, Ctrl and the wheel, and the dialog's own keys, for a message to the view;
  // true when it was one of them.
  bool PreTranslate(const MSG& message, HACCEL keys);

 private:
  static INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM w, LPARAM l);
  INT_PTR OnMessage(UINT message, WPARAM w, LPARAM l);
  void CreateControls();
  // Every control placed for the fonts at scale_, which are made anew; the window sized to them.
  void LayOut();
  void OnClick(int id);
  // Runs `action` on the exercises through the edge, then shows where they stand.
  template <typename Action>
  void Do(Action&& action);
  void ChooseKind(TaskKind kind);
  void ShowDivision();
  // Shows the exercises' state; `announce` tells a screen reader of what changed.
  void Show(bool announce);
  void FocusAnswer() const;
  void Focus(int id) const;
  HWND Item(int id) const { return GetDlgItem(dialog_.get(), id); }

  MainForm& form_;
  ErrorEdge& edge_;
  Annotations& annotations_;
  std::function<void()> show_division_;
  std::function<void(CommandId)> perform_;
  std::optional<Exercises> exercises_;  // made through the edge, as it may draw a table
  WindowScale scale_;
  Font font_;
  Font question_font_;
  WindowIcons icons_;
  WheelSteps wheel_;
  std::optional<SpokenLine> question_, verdict_, count_;
  // Last, so that the dialog and its controls go before the fonts they use.
  Window dialog_;
};

}  // namespace drobi::win32
