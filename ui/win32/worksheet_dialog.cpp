#include "ui/win32/worksheet_dialog.hpp"

// clang-format off
#include <objbase.h>  // before commdlg.h: the print dialog's declarations need COM's
#include <cderr.h>
#include <commctrl.h>
#include <commdlg.h>
#include <winspool.h>
// clang-format on

#include <string>
#include <variant>
#include <vector>

#include "ui/lists.hpp"
#include "ui/win32/dialog_template.hpp"
#include "ui/win32/sheet_drawing.hpp"
#include "ui/win32/text.hpp"

namespace drobi::win32 {
namespace {

constexpr int kFirstDigits = 4;  // when the form's list has none selected
constexpr int kMostDigits = 7;

// In dialog units: the dialog's client area, its margin and where the fields begin.
constexpr int kWidth = 150, kHeight = 84, kMargin = 7, kFields = 93;

// Whether a printer is installed here or connected: the names alone, asked of no print server.
bool AnyPrinter() {
  DWORD needed = 0, count = 0;
  EnumPrintersW(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed,
                &count);
  return needed > 0;
}

struct DcRelease {
  void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
using PrinterDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcRelease>;

}  // namespace

WorksheetDialog::WorksheetDialog(HWND owner, const MainForm& form, ErrorEdge& edge)
    : ModalDialog(owner, edge), form_(form) {
  random_.Randomize();
}

WorksheetDialog::~WorksheetDialog() { Close(); }

void WorksheetDialog::Open() {
  const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&classes);
  if (!Show(kWorksheetTitle, kWidth, kHeight)) return;
  const HWND variants = GetDlgItem(Handle(), kVariantsId);
  SetFocus(variants);
  SendMessageW(variants, EM_SETSEL, 0, -1);
}

std::variant<WorksheetOptions, std::string> WorksheetDialog::Options() const {
  const HWND dialog = Handle();
  WorksheetOptions options;
  const auto variants = ReadVariants(Utf8(WindowText(GetDlgItem(dialog, kVariantsId))));
  if (const auto* message = std::get_if<std::string>(&variants)) return *message;
  options.variants = std::get<int>(variants);
  const auto digits = SendDlgItemMessageW(dialog, kDigitsId, CB_GETCURSEL, 0, 0);
  options.digits = digits == CB_ERR ? kFirstDigits : static_cast<int>(digits);
  options.divisions = IsDlgButtonChecked(dialog, kDivisionsId) == BST_CHECKED;
  return options;
}

void WorksheetDialog::CreateControls() {
  const HWND dialog = Handle();
  // Each label comes just before its field in z-order: a screen reader names the field by it, and
  // the label's access key moves the focus to it. The up-down control takes the field before it.
  constexpr int right = kWidth - kMargin;
  const DialogPart parts[] = {
      {L"STATIC", Wide(kVariantsField), SS_LEFT, 0, -1, {kMargin, 9, kFields - 4, 18}},
      {L"EDIT",
       L"1",
       ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP,
       WS_EX_CLIENTEDGE,
       kVariantsId,
       {kFields, 7, right, 20}},
      {UPDOWN_CLASSW,
       L"",
       UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS |
           UDS_HOTTRACK,
       0,
       kVariantStepsId,
       {0, 0, 0, 0}},
      {L"STATIC", Wide(kDigitsField), SS_LEFT, 0, -1, {kMargin, 27, kFields - 4, 36}},
      {L"COMBOBOX",
       L"",
       CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
       0,
       kDigitsId,
       {kFields, 25, right, 25 + 90}},
      {L"BUTTON",
       Wide(kDivisionsOption),
       BS_AUTOCHECKBOX | WS_TABSTOP,
       0,
       kDivisionsId,
       {kMargin, 44, right, 55}},
      {L"BUTTON",
       Wide(kPrintSheets),
       BS_DEFPUSHBUTTON | WS_TABSTOP,
       0,
       kPrintId,
       {right - 104, 63, right - 54, 77}},
      {L"BUTTON",
       Wide(kCloseSheets),
       BS_PUSHBUTTON | WS_TABSTOP,
       0,
       IDCANCEL,
       {right - 50, 63, right, 77}},
  };
  CreateParts(dialog, parts);
  SendDlgItemMessageW(dialog, kVariantsId, EM_LIMITTEXT, 2, 0);
  SendDlgItemMessageW(dialog, kVariantStepsId, UDM_SETRANGE32, 1, kMostVariants);
  SendDlgItemMessageW(dialog, kVariantStepsId, UDM_SETPOS32, 0, 1);
  for (int digits = 0; digits <= kMostDigits; ++digits) {
    SendDlgItemMessageW(dialog, kDigitsId, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(std::to_wstring(digits).c_str()));
  }
  const int chosen = form_.Spis[kDecimalDigits].ListIndex();
  SendDlgItemMessageW(dialog, kDigitsId, CB_SETCURSEL,
                      chosen >= 0 && chosen <= kMostDigits ? chosen : kFirstDigits, 0);
  SendMessageW(dialog, DM_SETDEFID, kPrintId, 0);
}

INT_PTR WorksheetDialog::OnMessage(UINT message, WPARAM w) {
  if (message != WM_COMMAND) return FALSE;
  if (LOWORD(w) == kPrintId) {
    Print();
  } else if (LOWORD(w) == IDCANCEL) {
    Close();
  } else {
    return FALSE;
  }
  return TRUE;
}

void WorksheetDialog::Print() {
  const HWND dialog = Handle();
  const auto read = Options();
  if (const auto* message = std::get_if<std::string>(&read)) {
    // Nothing is printed: the count stays as typed, selected, to be put right.
    Tell(*message);
    const HWND variants = GetDlgItem(dialog, kVariantsId);
    SetFocus(variants);
    SendMessageW(variants, EM_SETSEL, 0, -1);
    return;
  }
  const WorksheetOptions options = std::get<WorksheetOptions>(read);
  if (!AnyPrinter()) {
    // The print dialog would say so in its own words, and Wine's then returns as if cancelled.
    Tell(SheetFailure::kNoPrinter);
    return;
  }
  PRINTDLGEXW setup{};
  setup.lStructSize = sizeof(setup);
  setup.hwndOwner = dialog;
  setup.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_NOCURRENTPAGE |
                PD_USEDEVMODECOPIESANDCOLLATE | PD_NOWARNING;
  setup.nStartPage = START_PAGE_GENERAL;
  // The dialog frees or replaces the settings it is given: they are its own until it returns.
  setup.hDevMode = devmode_.release();
  setup.hDevNames = devnames_.release();
  const HRESULT shown = PrintDlgExW(&setup);
  devmode_.reset(setup.hDevMode);
  devnames_.reset(setup.hDevNames);
  const PrinterDc printer(setup.hDC);
  if (shown != S_OK) {
    Tell(CommDlgExtendedError() == PDERR_NODEFAULTPRN ? SheetFailure::kNoPrinter
                                                      : SheetFailure::kNoPrintDialog);
    return;
  }
  if (setup.dwResultAction != PD_RESULT_PRINT) return;  // cancelled: nothing changes
  if (!printer) {
    Tell(SheetFailure::kNotPrinted);
    return;
  }
  bool printed = false;
  {
    // Forty variants' pages take a while to draw and spool: the pointer waits with the teacher.
    const struct Waiting {
      HCURSOR before = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
      ~Waiting() { SetCursor(before); }
    } waiting;
    const SheetDocument sheets =
        WorksheetPages(WorksheetTables(form_, random_, options.variants), options, form_.Style());
    printed = PrintSheets(printer.get(), sheets, Wide(kWorksheetTitle));
  }
  if (!printed) Tell(SheetFailure::kNotPrinted);
}

void WorksheetDialog::Tell(SheetFailure failure) const {
  Tell(SheetFailureText(failure, Utf8(PrinterName())));
}

void WorksheetDialog::Tell(const std::string& message) const {
  MessageBoxW(Handle(), Wide(message).c_str(), Wide(kWorksheetTitle).c_str(),
              MB_OK | MB_ICONWARNING);
}

std::wstring WorksheetDialog::PrinterName() const {
  const auto* names =
      devnames_ ? static_cast<const DEVNAMES*>(GlobalLock(devnames_.get())) : nullptr;
  if (names == nullptr) return {};
  std::wstring name(reinterpret_cast<const wchar_t*>(names) + names->wDeviceOffset);
  GlobalUnlock(devnames_.get());
  return name;
}

}  // namespace drobi::win32
