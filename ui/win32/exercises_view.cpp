#include "ui/win32/exercises_view.hpp"

#include <commctrl.h>

#include <algorithm>
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
constexpr int kFontPoints = 10;
constexpr int kNoId = -1;  // the frame of the kinds and the answer's label
constexpr WORD kAcceleratorCode = 1;
// The longest verdict, with the exact value of a long period and the reason, takes four lines at
// the view's width of kLineChars average characters.
constexpr int kVerdictLines = 4;
constexpr int kLineChars = 80;

Font ViewFont(const WindowScale& scale, int percent) {
  Font font(CreateFontW(-scale.FontPixels(kFontPoints) * percent / 100, 0, 0, 0, FW_NORMAL, FALSE,
                        FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"MS Shell Dlg 2"));
  if (!font) throw std::runtime_error("the exercises' font cannot be made");
  return font;
}

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

HWND Make(HWND parent, const wchar_t* type, const std::string& text, DWORD style, int id,
          DWORD ex_style = 0) {
  const HWND control = CreateWindowExW(
      ex_style, type, Wide(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
  if (control == nullptr) throw std::runtime_error("a control of the exercises cannot be made");
  return control;
}

// A title as it is drawn: each '&' that marks an access key left out.
std::wstring Drawn(const std::wstring& title) {
  std::wstring drawn;
  for (std::size_t at = 0; at < title.size(); ++at) {
    if (title[at] == L'&' && at + 1 < title.size()) ++at;
    drawn += title[at];
  }
  return drawn;
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

bool IsZoomCommand(CommandId command) {
  return command == CommandId::kZoomIn || command == CommandId::kZoomOut ||
         command == CommandId::kActualSize;
}

}  // namespace

ExercisesView::ExercisesView(HWND owner, MainForm& form, ErrorEdge& edge, Annotations& annotations,
                             std::function<void()> show_division,
                             std::function<void(CommandId)> perform)
    : owner_(owner),
      form_(form),
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
  if (made == nullptr || !count_) {
    static_cast<void>(dialog_.release());  // gone already, if it was made at all
    throw std::runtime_error("the exercises cannot be shown");
  }
  scale_ = WindowScale(WindowDpi(made));
  LayOut();
  RECT box;
  GetWindowRect(made, &box);
  const RECT at = Beside(owner, {box.right - box.left, box.bottom - box.top});
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

void ExercisesView::CreateControls() {
  const HWND dialog = dialog_.get();
  // In the order of Tab and of the z-order, which names the field after the label before it.
  Make(dialog, WC_BUTTONW, "", BS_GROUPBOX, kNoId);
  for (std::size_t i = 0; i < kTaskKinds.size(); ++i) {
    Make(dialog, WC_BUTTONW, KindTitle(kTaskKinds[i]),
         BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
         kFirstKindId + static_cast<int>(i));
  }
  question_.emplace(dialog, kQuestionId, annotations_, false);
  Make(dialog, WC_STATICW, kAnswerName, SS_LEFT | SS_NOPREFIX | WS_GROUP, kNoId);
  Make(dialog, WC_EDITW, "", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, kAnswerId, WS_EX_CLIENTEDGE);
  Make(dialog, WC_BUTTONW, kTerminatingAnswer, BS_PUSHBUTTON | WS_TABSTOP, kTerminatingId);
  Make(dialog, WC_BUTTONW, kRepeatingAnswer, BS_PUSHBUTTON | WS_TABSTOP, kRepeatingId);
  Make(dialog, WC_BUTTONW, kCheckAnswer, BS_PUSHBUTTON | WS_TABSTOP, kCheckId);
  verdict_.emplace(dialog, kVerdictId, annotations_, true);
  Make(dialog, WC_BUTTONW, kNextTask, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, kNextId);
  Make(dialog, WC_BUTTONW, kSkipTask, BS_PUSHBUTTON | WS_TABSTOP, kSkipId);
  Make(dialog, WC_BUTTONW, kShowDivision, BS_PUSHBUTTON | WS_TABSTOP, kDivisionId);
  count_.emplace(dialog, kCountId, annotations_, false);
  Make(dialog, WC_BUTTONW, kRestart, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, kRestartId);
}

void ExercisesView::LayOut() {
  const HWND dialog = dialog_.get();
  Font font = ViewFont(scale_, 100);
  Font question_font = ViewFont(scale_, 125);
  for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const HFONT shown = child == question_->Handle() ? question_font.get() : font.get();
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(shown), TRUE);
  }
  // The controls hold the new fonts: the old ones can go.
  font_ = std::move(font);
  question_font_ = std::move(question_font);

  const WindowDc dc(dialog);
  TEXTMETRICW metrics{};
  {
    const Selection selected(dc.get(), question_font_.get());
    GetTextMetricsW(dc.get(), &metrics);
  }
  const int question_line = metrics.tmHeight;
  const Selection selected(dc.get(), font_.get());
  GetTextMetricsW(dc.get(), &metrics);
  const int ch = metrics.tmAveCharWidth;
  const int line = metrics.tmHeight;
  const auto width_of = [&dc](HWND control) {
    const std::wstring drawn = Drawn(WindowText(control));
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), drawn.c_str(), static_cast<int>(drawn.size()), &size);
    return static_cast<int>(size.cx);
  };
  const int margin = line * 3 / 4;
  const int gap = ch;
  const int button_height = line * 7 / 4;
  const auto button_width = [&](int id) { return std::max(width_of(Item(id)) + 4 * ch, 12 * ch); };
  const int mark = MetricAtDpi(SM_CXMENUCHECK, scale_.Dpi());  // a radio button's circle
  const auto place = [&](int id, int x, int y, int width, int height) {
    MoveWindow(Item(id), x, y, width, height, TRUE);
  };

  // The kinds in a row in their frame, which sets the view's width when it is the wider.
  int kinds_width = 0;
  for (std::size_t i = 0; i < kTaskKinds.size(); ++i) {
    kinds_width += width_of(Item(kFirstKindId + static_cast<int>(i))) + mark + 3 * gap;
  }
  const int width = std::max(kinds_width + 2 * gap, kLineChars * ch);
  const int left = margin;
  const int right = margin + width;
  int y = margin;
  const int frame_height = button_height + line / 2;
  MoveWindow(GetDlgItem(dialog, kNoId), left, y - line / 4, width, frame_height + line / 4, TRUE);
  int x = left + 2 * gap;
  for (std::size_t i = 0; i < kTaskKinds.size(); ++i) {
    const int id = kFirstKindId + static_cast<int>(i);
    const int kind_width = width_of(Item(id)) + mark + gap;
    place(id, x, y + (frame_height - line) / 2, kind_width, line);
    x += kind_width + 2 * gap;
  }
  y += frame_height + margin;

  MoveWindow(question_->Handle(), left, y, width, 2 * question_line, TRUE);
  y += 2 * question_line + margin / 2;

  // The label, then the field and «Провери» at the right, or «Крайна» and «Периодична».
  const HWND label = GetWindow(Item(kAnswerId), GW_HWNDPREV);
  const int label_width = width_of(label);
  MoveWindow(label, left, y + (button_height - line) / 2, label_width, line, TRUE);
  const int field_left = left + label_width + 2 * gap;
  const int check_width = button_width(kCheckId);
  place(kCheckId, right - check_width, y, check_width, button_height);
  place(kAnswerId, field_left, y, right - check_width - 2 * gap - field_left, button_height);
  x = field_left;
  for (const int id : {kTerminatingId, kRepeatingId}) {
    place(id, x, y, button_width(id), button_height);
    x += button_width(id) + 2 * gap;
  }
  y += button_height + margin;

  MoveWindow(verdict_->Handle(), left, y, width, kVerdictLines * line, TRUE);
  y += kVerdictLines * line + margin / 2;

  x = left;
  for (const int id : {kNextId, kSkipId, kDivisionId}) {
    place(id, x, y, button_width(id), button_height);
    x += button_width(id) + 2 * gap;
  }
  y += button_height + margin;

  const int restart_width = button_width(kRestartId);
  MoveWindow(count_->Handle(), left, y + (button_height - line) / 2,
             width - restart_width - 2 * gap, line, TRUE);
  place(kRestartId, right - restart_width, y, restart_width, button_height);
  y += button_height + margin;

  const SIZE size = WindowSizeForClient({right + margin, y}, kStyle, 0, scale_.Dpi());
  SetWindowPos(dialog, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(dialog, nullptr, TRUE);
}

void ExercisesView::Open() {
  const HWND dialog = dialog_.get();
  ShowWindow(dialog, IsIconic(dialog) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(dialog);
  FocusAnswer();
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
  const bool answered = exercises_->Answered();
  const Outcome before = exercises_->LastVerdict().outcome;
  edge_.Run(std::forward<Action>(action));
  if (edge_.Failed()) return;
  const bool verdict = exercises_->Answered() && !answered;
  const bool unread = exercises_->LastVerdict().outcome == Outcome::kUnread;
  Show(verdict || unread || before != exercises_->LastVerdict().outcome);
  if (verdict) {
    Focus(kNextId);  // Enter again goes on to the next task
  } else if (!exercises_->Answered()) {
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
