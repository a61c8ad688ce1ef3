// The exercises' controls, made in the order of Tab, and placed for the view's fonts.
#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

#include "ui/win32/dpi.hpp"
#include "ui/win32/exercises_view.hpp"
#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

constexpr int kFontPoints = 10;
constexpr int kNoId = -1;  // the frame of the kinds and the answer's label
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

}  // namespace

void ExercisesView::CreateControls() {
  const HWND dialog = dialog_.get();
  // In the order of Tab and of the z-order, which names the field after the label before it.
  Make(dialog, L"BUTTON", "", BS_GROUPBOX, kNoId);
  for (std::size_t i = 0; i < kTaskKinds.size(); ++i) {
    Make(dialog, L"BUTTON", KindTitle(kTaskKinds[i]),
         BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
         kFirstKindId + static_cast<int>(i));
  }
  question_.emplace(dialog, kQuestionId, annotations_, false);
  Make(dialog, L"STATIC", kAnswerName, SS_LEFT | SS_NOPREFIX | WS_GROUP, kNoId);
  Make(dialog, L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, kAnswerId, WS_EX_CLIENTEDGE);
  Make(dialog, L"BUTTON", kTerminatingAnswer, BS_PUSHBUTTON | WS_TABSTOP, kTerminatingId);
  Make(dialog, L"BUTTON", kRepeatingAnswer, BS_PUSHBUTTON | WS_TABSTOP, kRepeatingId);
  Make(dialog, L"BUTTON", kCheckAnswer, BS_PUSHBUTTON | WS_TABSTOP, kCheckId);
  verdict_.emplace(dialog, kVerdictId, annotations_, true);
  Make(dialog, L"BUTTON", kNextTask, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, kNextId);
  Make(dialog, L"BUTTON", kSkipTask, BS_PUSHBUTTON | WS_TABSTOP, kSkipId);
  Make(dialog, L"BUTTON", kShowDivision, BS_PUSHBUTTON | WS_TABSTOP, kDivisionId);
  count_.emplace(dialog, kCountId, annotations_, false);
  Make(dialog, L"BUTTON", kRestart, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, kRestartId);
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

  const auto style = static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE));
  const SIZE size = WindowSizeForClient({right + margin, y}, style, 0, scale_.Dpi());
  SetWindowPos(dialog, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(dialog, nullptr, TRUE);
}

}  // namespace drobi::win32
