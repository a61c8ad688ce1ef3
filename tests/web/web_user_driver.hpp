#pragma once

// The page driven as a user does, in headless Chromium with real clicks and keys through
// chromium_bridge.py, for the shared scenarios and the error path; test_hooks.js is its side in
// the page.
//
// The form runs in the page. The test's MainForm, ScriptedRandom and trace are kept in step with
// the page's around every action: draws scripted on the test's side are handed to the page first,
// and afterwards the test's side takes the page's handler trace, the number of draws and seeds, and
// the form's texts. A text the test writes into its form is written into the page's.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/scripted_random.hpp"
#include "tests/support/user_driver.hpp"
#include "ui/lesson/exercises.hpp"
#include "ui/lesson/menu_commands.hpp"
#include "ui/main_form.hpp"
#include "ui/window_layout.hpp"
#include "ui/window_scale.hpp"

extern "C" char* drobi_bridge_call(const char* request);  // bridge_library.js

namespace drobi::web::testing {

using drobi::testing::Key;
using drobi::testing::Rgb;

// A text as a JSON string.
inline std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    char escaped[8] = {c};
    if (c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20) {
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
    }
    out += escaped;
  }
  return out + '"';
}

// The answer to a request of chromium_bridge.py; one it could not carry out throws.
inline std::string Ask(const std::string& op, const std::string& arguments = "") {
  const std::string request = R"({"op": ")" + op + "\"" + arguments + "}";
  const std::unique_ptr<char, decltype(&std::free)> answer(drobi_bridge_call(request.c_str()),
                                                           &std::free);
  const std::string text(answer.get());
  if (text.starts_with('!')) throw std::runtime_error("the browser: " + text.substr(1));
  return text.substr(1);
}

// What a script run in the page returns, as text.
inline std::string Script(const std::string& code) {
  return Ask("js", ", \"code\": " + Quoted(code));
}
// What a function of test_hooks.js returns for `arguments`, written as JavaScript.
inline std::string Hook(const std::string& function, const std::string& arguments = "") {
  return Script("return Module.test." + function + "(" + arguments + ");");
}

inline std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> parts;
  for (std::size_t at = 0, end; (end = text.find('\x1f', at)) != std::string::npos; at = end + 1) {
    parts.push_back(text.substr(at, end - at));
  }
  return parts;
}

class WebUserDriver : public drobi::testing::UserDriver {
 public:
  // Opens the page anew; `query` follows its address ("?broken=...").
  WebUserDriver(MainForm& form, drobi::testing::ScriptedRandom& random,
                std::vector<std::string>& trace, const std::string& query = "")
      : form_(form), random_(random), trace_(trace) {
    Ask("open", ", \"query\": " + Quoted(query));
    Follow();
    for (int field = 0; field < 2; ++field) {
      form_.Text1.at(static_cast<std::size_t>(field))
          .SetChangeObserver([this, field](const std::string& text) {
            if (following_) return;
            Hook("setText", std::to_string(field) + ", " + Quoted(text));
            Follow();
          });
    }
  }
  ~WebUserDriver() override {
    for (TextBox& field : form_.Text1) field.SetChangeObserver({});
  }

  void Load(MainForm&) override { Act("js", ", \"code\": \"Module.test.load()\""); }
  void ClickRow(const std::string& list, int row, bool twice = false) override {
    const std::string at = Hook("row", Quoted(list) + ", " + std::to_string(row));
    if (!at.empty()) Act("click", at + ", \"count\": " + (twice ? "2" : "1"));
  }
  void Click(const std::string& control) override {
    Act("click", Hook("middle", Quoted(control)) + ", \"count\": 1");
  }
  void Focus(const std::string& control) override { Hook("focus", Quoted(control)); }
  void Press(Key key) override {
    static const char* const kKeys[] = {"UP", "DOWN", "PAGE_UP", "PAGE_DOWN", "HOME", "END", "TAB"};
    Act("keys", R"(, "keys": [")" + std::string(kKeys[static_cast<int>(key)]) + "\"]");
  }
  void Type(const std::string& field, const std::string& text) override {
    Act("click", Hook("inside", Quoted(field)) + ", \"count\": 1");
    std::string keys = text.empty() ? R"("CTRL_END", "BACKSPACE")" : R"("CTRL_END")";
    for (std::size_t at = 0, end = 0; end < text.size(); at = end + 1) {
      end = std::min(text.find('\n', at), text.size());
      if (end > at) keys += ", " + Quoted("=" + text.substr(at, end - at));
      if (end < text.size()) keys += R"(, "ENTER")";
    }
    Act("keys", ", \"keys\": [" + keys + "]");
  }

  std::vector<std::string> Rows(const std::string& list) const override {
    return Split(Hook("rows", Quoted(list)));
  }
  int Selected(const std::string& list) const override {
    return std::stoi(Hook("selected", Quoted(list)));
  }
  std::string Text(const std::string& field) const override { return Hook("text", Quoted(field)); }
  std::string Focused() const override { return Hook("focused"); }
  // A click on the menu's button in the bar, then on the command's entry.
  void Choose(CommandId command) override {
    for (std::size_t menu = 0; menu < MenuBar().size(); ++menu) {
      for (const Command& entry : MenuBar()[menu].commands) {
        if (entry.id != command) continue;
        Click("menu" + std::to_string(menu));
        Click("command" + std::to_string(static_cast<int>(command)));
        return;
      }
    }
    throw std::logic_error("no menu offers the command");
  }
  std::vector<std::string> DivisionLines() const override { return Split(Hook("division")); }
  std::string EnterFraction(const std::string& typed) override {
    Choose(CommandId::kEnterFraction);
    Act("keys", ", \"keys\": [" + (typed.empty() ? "" : Quoted("=" + typed) + ", ") + "\"ENTER\"]");
    const std::string message = Hook("fractionMessage");
    if (!message.empty()) Act("keys", R"(, "keys": ["ESCAPE"])");
    return message;
  }
  // The panel opened from the menu bar, the kind and the answer buttons clicked or the letter
  // pressed, the answer typed into the field; the texts read from the panel's document.
  std::vector<std::string> Exercise(TaskKind kind, const std::string& answer) override {
    if (Script("return exercises.hidden;") == "True") Choose(CommandId::kExercises);
    int k = 0;
    while (kTaskKinds[static_cast<std::size_t>(k)] != kind) ++k;
    Click("kind" + std::to_string(k));
    const std::string question = Hook("shown", "'question'");
    if (answer == "К" || answer == "П") {
      Act("keys", ", \"keys\": [" + Quoted("=" + answer) + "]");
    } else {
      Type("answer", answer + "\n");
    }
    std::vector<std::string> shown{question, Hook("shown", "'verdict'"), Hook("shown", "'count'")};
    Click("exercise4");
    return shown;
  }
  Rgb ColourAt(int x, int y) const override {
    // The form is laid out at the scale that fits the browser window: the point scales with it.
    const int width = WindowScale().Pixels(MainWindowLayout().client_width);
    const std::string at =
        Hook("point", std::to_string(x) + ", " + std::to_string(y) + ", " + std::to_string(width));
    Rgb seen{};
    std::sscanf(Ask("pixel", at).c_str(), "%d %d %d", &seen.red, &seen.green, &seen.blue);
    return seen;
  }

 private:
  // A request that acts on the page, with the draws the test scripted since handed to the page
  // first and the test's side following the page's form after it.
  void Act(const std::string& op, const std::string& arguments) {
    if (random_.Draws() != scripted_ || random_.Drawn() != drawn_) {
      scripted_ = random_.Draws();
      std::string draws;
      for (const float draw : scripted_) {
        char text[24];
        std::snprintf(text, sizeof text, "%.9g, ", draw);
        draws += text;
      }
      Hook("script", "[" + draws + "], " + std::to_string(random_.Drawn()));
    }
    Ask(op, arguments);
    Follow();
  }
  void Follow() {
    // What the page leaves to the next frame is done before anything is read or clicked.
    Ask("js", R"(, "async": 1, "code": "Module.test.frame(arguments[0]);")");
    const std::vector<std::string> state = Split(Hook("state"));
    drawn_ = std::stoul(state.at(0));
    while (random_.Drawn() < drawn_) random_.Next();
    while (random_.Randomized() < std::stoi(state.at(1))) random_.Randomize();
    following_ = true;
    form_.Text1[0].SetText(state.at(2));
    form_.Text1[1].SetText(state.at(3));
    following_ = false;
    trace_.insert(trace_.end(), state.begin() + 4, state.end());
  }

  MainForm& form_;
  drobi::testing::ScriptedRandom& random_;
  std::vector<std::string>& trace_;
  std::vector<float> scripted_;  // as the page has them
  std::size_t drawn_ = 0;
  bool following_ = false;
};

}  // namespace drobi::web::testing
