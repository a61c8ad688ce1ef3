#pragma once

// The program's window without a window system: its controls and event handlers.
//
// How a click travels: a user's click on row 7 of Spis(1) selects that row and raises
// Spis_Click(1). The handler calls SelectRow(7), whose selection writes to Spis(0), Spis(1) and
// Spis(2) each raise that list's Spis_Click when they change the list, so the handlers nest
// before the first one goes on to ShowLongNumber(). The lists are the only state; nothing is kept
// in members from one event to the next.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/number_style.hpp"
#include "core/random_source.hpp"
#include "ui/lists.hpp"
#include "ui/model/clickable.hpp"
#include "ui/model/list_box.hpp"
#include "ui/model/text_box.hpp"

namespace drobi {

class MainForm {
 public:
  explicit MainForm(RandomSource& random, NumberStyle style = {});
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;
  MainForm(MainForm&&) = delete;
  MainForm& operator=(MainForm&&) = delete;
  ~MainForm() = default;

  SpisArray Spis;
  ListBox Dylgo;
  std::array<TextBox, 2> Text1;
  CommandButton Command1{"Чисти"};
  Label Label1;

  void Form_Load();
  void Spis_Click(int Index);
  void Command1_Click();
  void Label1_Click();

  const NumberStyle& Style() const { return style_; }

  // Receives the name of every handler and procedure as it starts ("Spis_Click(3)",
  // "GenerateFractions", ...), so that the order in which they nest can be followed.
  void SetTrace(std::function<void(std::string_view)> trace) { trace_ = std::move(trace); }

 private:
  // A new table first when `generate` is set, then its quotients.
  void ShowTable(bool generate);
  void SelectRow(const int& k);
  void Trace(std::string_view name) const;

  RandomSource& random_;
  NumberStyle style_;
  std::function<void(std::string_view)> trace_;
};

// The description shown in Text1(0) at start: 22 lines, each ended by a line break.
std::string_view DescriptionText();

}  // namespace drobi
