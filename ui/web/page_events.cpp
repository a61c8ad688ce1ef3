// The entry points through which dom_library.js hands the browser's events to the page.

#include <emscripten/emscripten.h>

#include <string>

#include "ui/web/main_page.hpp"

using drobi::web::MainPage;

extern "C" {

EMSCRIPTEN_KEEPALIVE void drobi_page_change(int control, int row) {
  if (MainPage* page = MainPage::Current()) page->OnChange(control, row);
}

EMSCRIPTEN_KEEPALIVE void drobi_page_press(int control, int row) {
  if (MainPage* page = MainPage::Current()) page->OnPress(control, row);
}

EMSCRIPTEN_KEEPALIVE void drobi_page_click(int control) {
  if (MainPage* page = MainPage::Current()) page->OnClick(control);
}

EMSCRIPTEN_KEEPALIVE void drobi_page_focus(int control) {
  if (MainPage* page = MainPage::Current()) page->OnFocus(control);
}

EMSCRIPTEN_KEEPALIVE void drobi_page_input(int control, const char* text) {
  if (MainPage* page = MainPage::Current()) page->OnInput(control, text);
}

EMSCRIPTEN_KEEPALIVE void drobi_page_scroll(int control) {
  if (MainPage* page = MainPage::Current()) page->OnScroll(control);
}

EMSCRIPTEN_KEEPALIVE void drobi_page_frame() {
  if (MainPage* page = MainPage::Current()) page->OnFrame();
}

EMSCRIPTEN_KEEPALIVE void drobi_page_resize() {
  if (MainPage* page = MainPage::Current()) page->LayOut();
}

// A CommandId.
EMSCRIPTEN_KEEPALIVE void drobi_page_command(int command) {
  if (MainPage* page = MainPage::Current()) page->OnCommand(static_cast<drobi::CommandId>(command));
}

EMSCRIPTEN_KEEPALIVE void drobi_page_close_division() {
  if (MainPage* page = MainPage::Current()) page->OnCloseDivision();
}

// What was typed into «Въведете дроб», as UTF-8.
EMSCRIPTEN_KEEPALIVE void drobi_page_enter_fraction(const char* typed) {
  if (MainPage* page = MainPage::Current()) page->OnEnterFraction(typed);
}

// An ExerciseAction of the panel «Упражнения», with what its answer field holds, as UTF-8.
EMSCRIPTEN_KEEPALIVE void drobi_page_exercise(int action, const char* typed) {
  if (MainPage* page = MainPage::Current()) {
    page->OnExercise(static_cast<drobi::web::ExerciseAction>(action), typed);
  }
}

// What the fields of «Работен лист» hold, as UTF-8, and whether its check box is ticked.
EMSCRIPTEN_KEEPALIVE void drobi_page_print_sheet(const char* variants, const char* digits,
                                                 int divisions) {
  if (MainPage* page = MainPage::Current()) page->OnPrintSheet(variants, digits, divisions != 0);
}

}  // extern "C"
