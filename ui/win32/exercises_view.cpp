#include "ui/win32/exercises_view.hpp"

#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ui/win32/beside.hpp"
#include "ui/win32/dpi.hpp"
#include "ui/win32/text.hpp"
#include "ui/win32/window_menu.hpp"

namespace drobi::win32 {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr WORD kAcceleratorCode = 1;

// A dialog template with no controls and no font of its own: the controls are made and sized in
// WM_INITDIALOG, in the view's fonts.
std::vector<WORD> DialogTemplate() {
  DLGTEMPLATE head{};
  head.style = kStyle;
  std::vector<WORD> words(sizeof head / sizeof(WORD));
  std::memcpy(words.data(), &head, sizeof head);
  words.push_back(0);  // no menu
  words.push_back(0);  // the dialog's own class
  const std::wstring title = Wide(kExercisesTitle);
  words.insert(words.end(), title.begin(), title.end());
  words.push_back(0);
  return words;
}

void SetStyle(HWND control, DWORD style, bool on) {
  const auto now = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
  const DWORD then = on ? now | style : now & ~style;
  if (then != now) SetWindowLongPtrW(control, GWL_STYLE, static_cast<LONG_PTR>(then));
}

// By the control's own style: the view may be hidden.
void Reveal(HWND control, bool shown) {
  const bool now = (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
  if (now != shown) ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
}

// The answer button of a key that answers alone, К or П in either case; 0 for any other key.
int AnswerOfKey(WPARAM character) {
  if (character == L'К' || character == L'к') return ExercisesView::kTerminatingId;
  if (character == L'П' || character == L'п') return ExercisesView::kRepeatingId;
  return 0;
}

bool IsZoomCommand(CommandId command) {
  return command == CommandId::kZoomIn || command == CommandId::kZoomOut ||
         command == CommandId::kActualSize;
}

}  // namespace

ExercisesView::ExercisesView(HWND owner, MainForm& form, ErrorEdge& edge, Annotations& annotations,
                             std::function<void()> show_division,
                             std::function<void(CommandId)> perform)
    : form_(form),
      edge_(edge),
      annotations_(annotations),
      show_division_(std::move(show_division)),
      perform_(std::move(perform)),
      scale_(WindowDpi(owner)) {
  const std::vector<WORD> form_template = DialogTemplate();
  // WM_INITDIALOG has taken the dialog into dialog_ and made its controls by the time it returns.
  const HWND made = CreateDialogIndirectParamW(
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE)),
      reinterpret_cast<const DLGTEMPLATE*>(form_template.data()), owner, Procedure,
      reinterpret_cast<LPARAM>(this));
  if (made == nullptr) {
    static_cast<void>(dialog_.release());  // gone already, if it was made at all
    throw std::runtime_error("the exercises cannot be shown");
  }
  // Without its controls the dialog goes with dialog_.
  if (!count_) throw std::runtime_error("the exercises' controls cannot be made");
  scale_ = WindowScale(WindowDpi(made));
  LayOut();
  RECT box;
  GetWindowRect(made, &box);
  const RECT at = BesideWhole(owner, {box.right - box.left, box.bottom - box.top});
  SetWindowPos(made, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  icons_.Load(made, scale_.Dpi());
  edge_.Run([this] { exercises_.emplace(form_); });
  Show(false);
}

INT_PTR CALLBACK ExercisesView::Procedure(HWND dialog, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, GWLP_USERDATA, l);
  auto* self = reinterpret_cast<ExercisesView*>(GetWindowLongPtrW(dialog, GWLP_USERDATA));
  if (self == nullptr) return FALSE;
  if (message == WM_INITDIALOG) {
    self->dialog_.reset(dialog);  // before CreateDialogIndirectParamW returns it
    return self->edge_.Answer(
        [self] {
          self->CreateControls();
          return LRESULT{FALSE};
        },
        [] { return LRESULT{FALSE}; });
  }
  if (message == WM_NCDESTROY) {
    // With the main window, whose going takes this one along.
    SetWindowLongPtrW(dialog, GWLP_USERDATA, 0);
    static_cast<void>(self->dialog_.release());
    return FALSE;
  }
  if (self->dialog_.get() != dialog || !self->count_) return FALSE;
  return self->edge_.Answer([&] { return static_cast<LRESULT>(self->OnMessage(message, w, l)); },
                            [] { return LRESULT{FALSE}; });
}

void ExercisesView::Open() {
  const HWND dialog = dialog_.get();
  ShowWindow(dialog, IsIconic(dialog) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(dialog);
  if (exercises_ && exercises_->Answered()) {
    Focus(kNextId);  // as the verdict left it
  } else {
    FocusAnswer();
  }
}

void ExercisesView::Zoom(int direction) {
  scale_ = WindowScale(scale_.Dpi(), direction == 0 ? kZoomSteps[0] : scale_.NextStep(direction));
  LayOut();
}

bool ExercisesView::PreTranslate(const MSG& message, HACCEL keys) {
  const HWND dialog = dialog_.get();
  if (dialog == nullptr || (message.hwnd != dialog && !IsChild(dialog, message.hwnd))) {
    return false;
  }
  if (WheelSteps::IsZoom(message, dialog)) {
    if (const int step = wheel_.Turn(message.wParam); step != 0) {
      Zoom(step);
    }
    return true;
  }
  // К and П alone press their button where it shows, in either case (Wine's dialog manager would
  // match a Cyrillic access key in its own case only). Any other letter goes to the control with
  // the focus, which takes it or lets it be: the other access keys take Alt, so that a stray
  // letter on a button does not, say, restart the count.
  if (message.message == WM_CHAR && message.wParam >= L' ') {
    const int answer = AnswerOfKey(message.wParam);
    const HWND button = answer != 0 ? Item(answer) : nullptr;
    if (button == nullptr || !IsWindowVisible(button) || !IsWindowEnabled(button)) return false;
    SendMessageW(button, BM_CLICK, 0, 0);
    return true;
  }
  // The menu's keys first: the dialog manager takes every key it is given.
  MSG copy = message;  // both take it to change, but read it only
  return TranslateAcceleratorW(dialog, keys, &copy) != 0 || IsDialogMessageW(dialog, &copy) != 0;
}

INT_PTR ExercisesView::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(w) == kAcceleratorCode && l == 0) {
        // The view has no menu bar: a command without a control is one of the menu's keys.
        if (const auto command = MenuCommand(w, l)) {
          if (IsZoomCommand(*command)) {
            Zoom(*command == CommandId::kZoomIn ? 1 : *command == CommandId::kZoomOut ? -1 : 0);
          } else {
            perform_(*command);
          }
        }
        return TRUE;
      }
      if (LOWORD(w) == IDCANCEL) {
        ShowWindow(dialog_.get(), SW_HIDE);  // Escape, or the close box: the count stays
        return TRUE;
      }
      if (l != 0 && HIWORD(w) == BN_CLICKED) {
        OnClick(LOWORD(w));
        return TRUE;
      }
      return FALSE;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(l);
      scale_ = WindowScale(HIWORD(w), scale_.Percent());
      LayOut();
      SetWindowPos(dialog_.get(), nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      icons_.Load(dialog_.get(), HIWORD(w));
      return TRUE;
    }
    default:
      return FALSE;
  }
}

void ExercisesView::OnClick(int id) {
  if (!exercises_) return;
  const int kind = id - kFirstKindId;
  if (kind >= 0 && kind < static_cast<int>(kTaskKinds.size())) {
    ChooseKind(kTaskKinds[static_cast<std::size_t>(kind)]);
    return;
  }
  switch (id) {
    case kTerminatingId:
    case kRepeatingId:
      Do([this, id] { exercises_->AnswerEnds(id == kTerminatingId); });
      return;
    case kCheckId: {
      const std::string typed = Utf8(WindowText(Item(kAnswerId)));
      Do([this, &typed] { exercises_->Answer(typed); });
      return;
    }
    case kNextId:
    case kSkipId:
      Do([this] { exercises_->Next(); });
      return;
    case kDivisionId:
      ShowDivision();
      return;
    case kRestartId:
      Do([this] { exercises_->Restart(); });
      return;
    default:
      return;
  }
}

template <typename Action>
void ExercisesView::Do(Action&& action) {
  const ExercisesMark before = exercises_->Mark();
  edge_.Run(std::forward<Action>(action));
  if (edge_.Failed()) return;
  const ExercisesChange change = exercises_->ChangeSince(before);
  Show(change.announce);
  if (change.focus == AnswerFocus::kNextTask) {
    Focus(kNextId);
  } else if (change.focus == AnswerFocus::kAnswer) {
    FocusAnswer();
  }
}

void ExercisesView::ChooseKind(TaskKind kind) {
  if (exercises_->Kind() != kind) Do([this, kind] { exercises_->SetKind(kind); });
}

void ExercisesView::ShowDivision() {
  bool shown = false;
  edge_.Run([this, &shown] { shown = exercises_->ShowDivision(); });
  if (shown && !edge_.Failed()) show_division_();
}

void ExercisesView::Show(bool announce) {
  if (!exercises_) return;
  const Exercises& exercises = *exercises_;
  for (std::size_t i = 0; i < kTaskKinds.size(); ++i) {
    const HWND choice = Item(kFirstKindId + static_cast<int>(i));
    const bool chosen = kTaskKinds[i] == exercises.Kind();
    SendMessageW(choice, BM_SETCHECK, chosen ? BST_CHECKED : BST_UNCHECKED, 0);
    // Tab comes to the chosen kind alone: a radio button that gets the focus unchecked is chosen.
    SetStyle(choice, WS_TABSTOP, chosen);
  }
  const bool typed = exercises.TakesTypedAnswer();
  const bool open = !exercises.Answered() && !exercises.Question().empty();
  question_->Tell(exercises.Question(), exercises.SpokenQuestion(), announce);
  // The answer's controls tell the task when the focus comes to them.
  const std::wstring spoken_question = Wide(exercises.SpokenQuestion());
  for (const int id : {kAnswerId, kTerminatingId, kRepeatingId}) {
    annotations_.Set(Item(id), Annotations::Property::kDescription, spoken_question);
  }
  // A new task starts with an empty field; an answer not read stays as typed, to be put right.
  if (!exercises.Answered() && exercises.LastVerdict().outcome == Outcome::kNone) {
    SetWindowTextW(Item(kAnswerId), L"");
  }
  for (const int id : {kAnswerId, kCheckId}) {
    Reveal(Item(id), typed);
    EnableWindow(Item(id), open && typed);
  }
  for (const int id : {kTerminatingId, kRepeatingId}) {
    Reveal(Item(id), !typed);
    EnableWindow(Item(id), open && !typed);
  }
  const Verdict& verdict = exercises.LastVerdict();
  verdict_->Tell(verdict.shown, verdict.spoken, announce);
  EnableWindow(Item(kNextId), exercises.Answered());
  // The focus on «Следваща задача» reads the verdict with it.
  annotations_.Set(Item(kNextId), Annotations::Property::kDescription, Wide(verdict.spoken));
  EnableWindow(Item(kSkipId), open);
  EnableWindow(Item(kDivisionId), exercises.Answered());
  count_->Tell(exercises.Count(), exercises.SpokenCount(), announce);
  SendMessageW(dialog_.get(), DM_SETDEFID, exercises.Answered() ? kNextId : kCheckId, 0);
}

void ExercisesView::FocusAnswer() const {
  // A kind chosen with the arrow keys or the mouse keeps the focus among the kinds.
  const int focused = GetDlgCtrlID(GetFocus());
  if (IsChild(dialog_.get(), GetFocus()) && focused >= kFirstKindId &&
      focused < kFirstKindId + static_cast<int>(kTaskKinds.size())) {
    return;
  }
  if (exercises_) Focus(exercises_->TakesTypedAnswer() ? kAnswerId : kTerminatingId);
}

void ExercisesView::Focus(int id) const {
  const HWND control = Item(id);
  if (IsWindowEnabled(control) && IsWindowVisible(control)) {
    SendMessageW(dialog_.get(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
  }
}

}  // namespace drobi::win32
