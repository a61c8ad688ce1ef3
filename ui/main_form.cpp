#include "ui/main_form.hpp"

#include "core/number_text.hpp"
#include "ui/decimal_column.hpp"
#include "ui/fraction_table.hpp"
#include "ui/long_number.hpp"

namespace drobi {
namespace {

void Fill(ListBox& list, std::initializer_list<const char*> rows) {
  for (const char* row : rows) list.AddItem(row);
}

}  // namespace

MainForm::MainForm(RandomSource& random, NumberStyle style)
    : random_(random), style_(std::move(style)) {
  Fill(Spis[kInterval], {"10", "20", "50", "100", "200", "500", "1000"});
  Fill(Spis[kDecimalDigits], {"0", "1", "2", "3", "4", "5", "6", "7"});
  Fill(Spis[kLongDigits], {"10", "20", "30", "40", "50", "60", "70", "80", "90"});
  Text1[0].SetText(std::string(DescriptionText()));
  for (int i = 0; i < static_cast<int>(Spis.size()); ++i) {
    Spis[i].SetClickHandler([this, i] { Spis_Click(i); });
  }
  Command1.SetClickHandler([this] { Command1_Click(); });
  Label1.SetClickHandler([this] { Label1_Click(); });
}

void MainForm::Form_Load() {
  Trace("Form_Load");
  random_.Randomize();
  Spis[kInterval].SetListIndex(1);       // "20"
  Spis[kDecimalDigits].SetListIndex(4);  // "4"
  ShowTable(true);
  for (int i = kNumerators; i <= kQuotients; ++i) Spis[i].SetListIndex(0);
  Spis[kLongDigits].SetListIndex(3);  // "40"
}

void MainForm::Spis_Click(int Index) {
  Trace("Spis_Click(" + PlainText(Index) + ")");
  switch (Index) {
    case kNumerators:
    case kDenominators:
    case kQuotients: {
      const int k = Spis[Index].ListIndex();
      SelectRow(k);
      break;
    }
    case kInterval:
      ShowTable(true);
      SelectRow(0);
      return;
    case kDecimalDigits:
      ShowTable(Spis[kNumerators].ListCount() == 0);
      SelectRow(0);
      return;
    case kLongDigits:
      break;
    default:
      return;
  }
  Trace("ShowLongNumber");
  ShowLongNumber(Spis, Dylgo);
}

void MainForm::Command1_Click() {
  Trace("Command1_Click");
  Trace("ClearLists");
  ClearLists(Spis, Dylgo);
}

void MainForm::Label1_Click() {
  Trace("Label1_Click");
  Text1[0].SetText(Text1[1].Text());
}

void MainForm::ShowTable(bool generate) {
  if (generate) {
    Trace("GenerateFractions");
    GenerateFractions(Spis, Dylgo, random_);
  }
  Trace("ShowDecimals");
  ShowDecimals(Spis, style_);
}

void MainForm::SelectRow(const int& k) {
  Trace("SelectRow(" + PlainText(k) + ")");
  if (Spis[kNumerators].ListCount() == 0) return;
  for (int i = kNumerators; i <= kQuotients; ++i) Spis[i].SetListIndex(k);
}

void MainForm::Trace(std::string_view name) const {
  if (trace_) trace_(name);
}

}  // namespace drobi
