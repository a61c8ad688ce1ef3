#include "ui/web/main_page.hpp"

#include <algorithm>

#include "ui/error_report.hpp"
#include "ui/form_controls.hpp"
#include "ui/lesson/close_title.hpp"
#include "ui/lesson/fraction_entry.hpp"
#include "ui/lesson/row_texts.hpp"
#include "ui/web/css_colour.hpp"
#include "ui/web/dom.hpp"
#include "ui/web/dom_views.hpp"
#include "ui/window_layout.hpp"

namespace drobi::web {
namespace {

void ShowError(const ErrorReport& report) {
  drobi_dom_show_error(ErrorMessage(report.number, report.text).c_str(), kErrorEnding);
}

}  // namespace

MainPage* MainPage::current_ = nullptr;

MainPage::MainPage(MainForm& form) : form_(form), edge_(ShowError) {
  const WindowLayout& window = MainWindowLayout();
  // Times New Roman where the machine has it, else Liberation Serif, which has its metrics.
  const std::string fonts =
      "\"" + std::string(window.font_family) + "\", \"Liberation Serif\", serif";
  drobi_dom_open(window.caption, window.spoken_caption, CssColour(window.back_colour).c_str(),
                 fonts.c_str());
  const auto layout = MainWindowControls();
  lists_.resize(layout.size());
  texts_.resize(layout.size());
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const ControlLayout& control = layout[i];
    const int id = static_cast<int>(i);
    const char* caption =
        control.kind == ControlKind::kButton ? form_.Command1.Caption().c_str() : control.caption;
    drobi_dom_add(id, static_cast<int>(control.kind), control.name, caption, control.hover,
                  control.spoken_hover, control.accessible_name,
                  CssColour(control.back_colour).c_str(), TakesFocus(control.kind) ? 1 : 0);
    if (control.kind == ControlKind::kList) {
      lists_[i] = std::make_unique<ListElement>(id, control, ListOf(form_, control),
                                                RowTextsFor(form_, control));
    } else if (control.kind == ControlKind::kText) {
      texts_[i] = std::make_unique<TextElement>(id, TextOf(form_, control));
    }
  }
  menu_ = std::make_unique<MenuBarElement>();
  menu_->Enable(zoom_);
  const auto long_number = std::find_if(layout.begin(), layout.end(),
                                        [](const ControlLayout& c) { return c.long_number; });
  division_ =
      std::make_unique<DivisionPanel>(form_, static_cast<int>(long_number - layout.begin()));
  exercises_ = std::make_unique<ExercisesPanel>(form_);
  sheet_ = std::make_unique<SheetDialog>(form_);
  edge_.SetSettled([this] { Settle(); });
  Settle();
  LayOut();
  // The page opens with the focus in the first control of the tab order, as the window does.
  const auto first = std::find_if(layout.begin(), layout.end(),
                                  [](const ControlLayout& c) { return TakesFocus(c.kind); });
  if (first != layout.end()) drobi_dom_focus(static_cast<int>(first - layout.begin()));
  current_ = this;
}

MainPage::~MainPage() {
  if (current_ == this) current_ = nullptr;
}

void MainPage::OnChange(int control, int row) {
  ListElement* list = lists_.at(static_cast<std::size_t>(control)).get();
  if (list == nullptr) return;
  if (!edge_.Run([list, row] { list->OnChange(row); })) list->ShowSelection();
}

void MainPage::OnPress(int control, int row) {
  ListElement* list = lists_.at(static_cast<std::size_t>(control)).get();
  if (list != nullptr) edge_.Run([list, row] { list->OnPress(row); });
}

void MainPage::OnClick(int control) {
  const ControlLayout& layout = MainWindowControls()[static_cast<std::size_t>(control)];
  if (layout.kind == ControlKind::kButton) edge_.Run([this] { form_.Command1.Click(); });
  if (layout.kind == ControlKind::kSpot) edge_.Run([this] { form_.Label1.Click(); });
}

void MainPage::OnFocus(int control) {
  ListElement* list = lists_.at(static_cast<std::size_t>(control)).get();
  if (list != nullptr) list->OnFocus();
}

void MainPage::OnInput(int control, std::string text) {
  TextElement* field = texts_.at(static_cast<std::size_t>(control)).get();
  if (field != nullptr) edge_.Run([field, &text] { field->OnInput(std::move(text)); });
}

void MainPage::OnScroll(int control) {
  ListElement* list = lists_.at(static_cast<std::size_t>(control)).get();
  if (list != nullptr) edge_.Run([list] { list->ShowLooks(); });
}

void MainPage::OnCommand(CommandId command) {
  // After an error the page takes no more input, though a key still reaches the document.
  if (edge_.Failed() || !CommandEnabled(command, zoom_)) return;
  switch (command) {
    case CommandId::kDivisionView:
      if (edge_.Run([this] { division_->Open(); })) LayOut();
      return;
    case CommandId::kEnterFraction:
      drobi_dom_show_fraction_entry(kEnterFractionTitle, kEnterFractionField, kFractionHint,
                                    kAcceptFraction, kCancelFraction);
      return;
    case CommandId::kExercises:
      if (edge_.Run([this] { exercises_->Open(); })) LayOut();
      return;
    case CommandId::kWorksheet:
      edge_.Run([this] { sheet_->Open(); });
      return;
    case CommandId::kZoomIn:
    case CommandId::kZoomOut:
      zoom_ = WindowScale(kDefaultDpi, zoom_).NextStep(command == CommandId::kZoomIn ? 1 : -1);
      break;
    case CommandId::kActualSize:
      zoom_ = kZoomSteps[0];
      break;
    case CommandId::kAbout: {
      std::string lines;
      for (const char* line : AboutLines()) lines += std::string(line) + '\n';
      drobi_dom_show_about(kAboutTitle, lines.c_str(), kCloseTitle);
      return;
    }
  }
  menu_->Enable(zoom_);
  LayOut();
}

void MainPage::OnCloseDivision() {
  division_->Close();
  LayOut();
}

void MainPage::OnEnterFraction(std::string_view typed) {
  if (edge_.Failed()) return;
  // ReadFraction caps the text's length itself, so whatever was pasted is read safely.
  const auto read = ReadFraction(typed);
  if (const auto* message = std::get_if<std::string>(&read)) {
    drobi_dom_fraction_message(message->c_str());
    return;
  }
  drobi_dom_fraction_message("");
  const EnteredFraction fraction = std::get<EnteredFraction>(read);
  edge_.Run([this, fraction] { EnterFraction(form_, fraction); });
}

void MainPage::OnExercise(ExerciseAction action, std::string_view typed) {
  if (edge_.Failed() || !exercises_->IsOpen()) return;
  if (action == ExerciseAction::kClose) {
    exercises_->Close();
    LayOut();
    return;
  }
  if (action != ExerciseAction::kDivision) {
    edge_.Run([this, action, typed] { exercises_->Act(action, typed); });
    return;
  }
  // The row selected as a click selects it, then the division of what the long number shows.
  if (edge_.Run([this] {
        if (exercises_->ShowDivision()) division_->Open();
      })) {
    LayOut();
  }
}

void MainPage::OnPrintSheet(std::string_view variants, std::string_view digits, bool divisions) {
  edge_.Run([this, variants, digits, divisions] { sheet_->Print(variants, digits, divisions); });
}

void MainPage::LayOut() {
  const bool division = division_->IsOpen(), exercises = exercises_->IsOpen();
  const PagePlaces places = PlacePage(drobi_dom_view_width(), drobi_dom_view_height(),
                                      drobi_dom_bar_height(), zoom_, division || exercises);
  scale_ = places.scale;
  drobi_dom_place_form(places.form.left, places.form.top, places.form.width, places.form.height);
  const auto [first, second] =
      division && exercises ? SharePanels(places.panel) : std::pair{places.panel, places.panel};
  if (exercises) exercises_->Place(first, scale_);
  if (division) division_->Place(second, scale_);
  const auto layout = MainWindowControls();
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const ControlLayout& control = layout[i];
    drobi_dom_place(static_cast<int>(i), scale_.Pixels(control.left), scale_.Pixels(control.top),
                    scale_.Pixels(control.width), scale_.Pixels(control.height),
                    scale_.FontPixels(control.font_points));
  }
}

void MainPage::OnFrame() {
  edge_.Run([this] {
    for (const auto& list : lists_) {
      if (list) list->OnFrame();
    }
  });
}

void MainPage::Settle() {
  bool wrote = false;
  for (const auto& list : lists_) {
    if (list) wrote = list->Settle() || wrote;
  }
  division_->Settle();
  if (wrote) drobi_dom_request_frame();
}

}  // namespace drobi::web
