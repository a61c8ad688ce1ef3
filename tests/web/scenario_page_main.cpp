// The page as the shared scenarios meet it: the product's page on a form whose draws the test
// scripts, with the hooks through which the test's driver runs Form_Load, scripts the draws,
// writes a text field from the program's side and reads the form's state (test_hooks.js).

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/broken_states.hpp"
#include "tests/support/scripted_random.hpp"
#include "ui/main_form.hpp"
#include "ui/web/main_page.hpp"
#include "ui/web/number_style.hpp"

namespace {

drobi::testing::ScriptedRandom draws_source;
std::vector<std::string> trace;

drobi::MainForm& Form() {
  static drobi::MainForm form(draws_source, drobi::web::BrowserNumberStyle());
  return form;
}

drobi::web::MainPage& Page() {
  static drobi::web::MainPage page(Form());
  return page;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void drobi_test_load() {
  Page().Guarded([] { Form().Form_Load(); });
}

// The draws, written out with blanks between them; those from `from` on are drawn next.
EMSCRIPTEN_KEEPALIVE void drobi_test_script(const char* draws, int from) {
  std::vector<float> script;
  for (char* end = nullptr;; draws = end) {
    const float draw = std::strtof(draws, &end);
    if (end == draws) break;
    script.push_back(draw);
  }
  draws_source.Script(script);
  for (int i = 0; i < from; ++i) draws_source.Next();
}

EMSCRIPTEN_KEEPALIVE void drobi_test_set_text(const char* text, int field) {
  Page().Guarded([field, text] { Form().Text1.at(static_cast<std::size_t>(field)).SetText(text); });
}

// Draws drawn, times seeded, the two text fields' texts and the handlers run since the last call,
// each ended by "\x1f"; the buffer lives until the next call.
EMSCRIPTEN_KEEPALIVE const char* drobi_test_state() {
  static std::string state;
  state = std::to_string(draws_source.Drawn()) + '\x1f' +
          std::to_string(draws_source.Randomized()) + '\x1f';
  for (const drobi::TextBox& field : Form().Text1) state += field.Text() + '\x1f';
  for (const std::string& name : trace) state += name + '\x1f';
  trace.clear();
  return state.c_str();
}

}  // extern "C"

// With ?broken=<state> in its address, the page starts in that state of the broken-state table.
int main() {
  Form().SetTrace([](std::string_view name) { trace.emplace_back(name); });
  Page();
  const std::string broken =
      emscripten_run_script_string("new URLSearchParams(location.search).get('broken') || ''");
  if (const drobi::testing::BrokenState* state = drobi::testing::FindBrokenState(broken)) {
    draws_source.Script(drobi::testing::StartDraws());
    if (state->loaded) drobi_test_load();
    Page().Guarded([state] { state->spoil(Form()); });
  }
  return 0;
}
