#include "ui/win32/fraction_dialog.hpp"

#include <commctrl.h>

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "ui/win32/dialog_template.hpp"
#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

// In dialog units: the dialog's client area and its parts.
constexpr int kWidth = 220, kHeight = 78, kMargin = 7;

}  // namespace

FractionDialog::FractionDialog(HWND owner, ErrorEdge& edge,
                               std::function<void(const EnteredFraction&)> accept)
    : ModalDialog(owner, edge), accept_(std::move(accept)) {}

FractionDialog::~FractionDialog() { Close(); }

void FractionDialog::Open() {
  if (Show(kEnterFractionTitle, kWidth, kHeight)) SetFocus(GetDlgItem(Handle(), kFieldId));
}

void FractionDialog::CreateControls() {
  const HWND dialog = Handle();
  // The label comes before the field in z-order: a screen reader names the field by it.
  constexpr int right = kWidth - kMargin;
  const DialogPart parts[] = {
      {L"STATIC",
       Wide(kEnterFractionField),
       SS_LEFT | SS_NOPREFIX,
       0,
       -1,
       {kMargin, kMargin, right, kMargin + 9}},
      {L"EDIT",
       L"",
       ES_AUTOHSCROLL | WS_TABSTOP,
       WS_EX_CLIENTEDGE,
       kFieldId,
       {kMargin, 18, right, 31}},
      {L"STATIC", L"", SS_LEFT | SS_NOPREFIX, 0, kMessageId, {kMargin, 35, right, 53}},
      {L"BUTTON",
       Wide(kAcceptFraction),
       BS_DEFPUSHBUTTON | WS_TABSTOP,
       0,
       IDOK,
       {right - 104, 57, right - 54, 71}},
      {L"BUTTON",
       Wide(kCancelFraction),
       BS_PUSHBUTTON | WS_TABSTOP,
       0,
       IDCANCEL,
       {right - 50, 57, right, 71}},
  };
  CreateParts(dialog, parts);
  const HWND field = GetDlgItem(dialog, kFieldId);
  SendMessageW(field, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(Wide(kFractionHint).c_str()));
  SendMessageW(dialog, DM_SETDEFID, IDOK, 0);
  SetFocus(field);
}

INT_PTR FractionDialog::OnMessage(UINT message, WPARAM w) {
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(w) == IDOK) {
    Accept();
  } else if (LOWORD(w) == IDCANCEL) {
    Close();  // nothing changes
  } else {
    return FALSE;
  }
  return TRUE;
}

void FractionDialog::Accept() {
  const HWND dialog = Handle();
  const auto read = ReadFraction(Utf8(WindowText(GetDlgItem(dialog, kFieldId))));
  if (const auto* message = std::get_if<std::string>(&read)) {
    // The text stays as typed; the message is shown and a screen reader is told of it.
    const HWND shown = GetDlgItem(dialog, kMessageId);
    SetWindowTextW(shown, Wide(*message).c_str());
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, shown, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_SYSTEM_ALERT, shown, OBJID_CLIENT, CHILDID_SELF);
    SetFocus(GetDlgItem(dialog, kFieldId));
    return;
  }
  Close();  // first, so that the owner is active again when the table follows
  accept_(std::get<EnteredFraction>(read));
}

}  // namespace drobi::win32
