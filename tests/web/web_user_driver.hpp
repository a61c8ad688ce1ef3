#pragma once

// The page driven as a user does, in headless Chromium with real clicks and keys through
// chromium_bridge.py, for the shared scenarios and the error path.
//
// The form runs in the page. The test's MainForm, ScriptedRandom and trace are kept in step with
// the page's around every action: draws scripted on the test's side are handed to the page
// first, and afterwards the test's side takes the page's handler trace, the number of draws and
// seeds, and the form's texts. A text the test writes into its form is written in the page's.

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/scripted_random.hpp"
#include "tests/support/user_driver.hpp"
#include "tests/web/bridge.hpp"
#include "ui/main_form.hpp"
#include "ui/window_layout.hpp"
#include "ui/window_scale.hpp"

namespace drobi::web::testing {

using drobi::testing::Key;
using drobi::testing::Rgb;
using drobi::testing::ScriptedRandom;

class WebUserDriver : public drobi::testing::UserDriver {
 public:
  // Opens the page anew; `query` goes after its address ("?broken=...").
  WebUserDriver(MainForm& form, ScriptedRandom& random, std::vector<std::string>& trace,
                const std::string& query = "")
      : form_(form), random_(random), trace_(trace) {
    Ask(R"({"op": "open", "query": )" + Quoted(query) + "}");
    for (int field = 0; field < 2; ++field) {
      form_.Text1[static_cast<std::size_t>(field)].SetText(
          Fields()[static_cast<std::size_t>(field)]);
      form_.Text1[static_cast<std::size_t>(field)].SetChangeObserver(
          [this, field](const std::string& text) {
            if (following_) return;
            Script("Module.test.setText(" + std::to_string(field) + ", " + Quoted(text) + ")");
            Follow();
          });
    }
  }
  ~WebUserDriver() override {
    for (TextBox& field : form_.Text1) field.SetChangeObserver({});
  }

  void Load(MainForm&) override {
    Lead();
    Script("Module.test.load()");
    Follow();
  }
  void ClickRow(const std::string& list, int row, bool twice = false) override {
    const std::string at = Script(Element(list) + "var row = " + std::to_string(row) + R"(;
      var n = e.options.length, l = e.getBoundingClientRect();
      var top = l.top + e.clientTop, bottom = top + e.clientHeight;
      if (row < n) {
        var r = e.options[row].getBoundingClientRect();
        if (r.top < top) e.scrollTop -= top - r.top;
        else if (r.bottom > bottom) e.scrollTop += r.bottom - bottom;
        r = e.options[row].getBoundingClientRect();
        return (r.left + r.width / 2) + ' ' + (r.top + r.height / 2);
      }
      var below = n > 0 ? e.options[n - 1].getBoundingClientRect().bottom + 3 : top + 2;
      return below >= bottom - 1 ? '' : (l.left + e.clientLeft + 8) + ' ' + below;)");
    if (!at.empty()) Press(at, twice ? 2 : 1);
  }
  void Click(const std::string& control) override {
    Press(Script(Element(control) + R"(var r = e.getBoundingClientRect();
      return (r.left + r.width / 2) + ' ' + (r.top + r.height / 2);)"),
          1);
  }
  void Focus(const std::string& control) override { Script(Element(control) + "e.focus();"); }
  void Press(Key key) override {
    static const char* const kKeys[] = {"UP", "DOWN", "PAGE_UP", "PAGE_DOWN", "HOME", "END", "TAB"};
    Keys({kKeys[static_cast<int>(key)]});
  }
  void Type(const std::string& field, const std::string& text) override {
    Press(Script(Element(field) + R"(var r = e.getBoundingClientRect();
      return (r.left + 24) + ' ' + (r.top + 12);)"),
          1);
    std::vector<std::string> keys{"CTRL_END"};
    if (text.empty()) keys.push_back("BACKSPACE");
    for (std::size_t at = 0, end; at <= text.size() && !text.empty(); at = end + 1) {
      end = std::min(text.find('\n', at), text.size());
      if (end > at) keys.push_back("=" + text.substr(at, end - at));
      if (end < text.size()) keys.push_back("ENTER");
    }
    Keys(keys);
  }

  std::vector<std::string> Rows(const std::string& list) const override {
    std::vector<std::string> rows;
    const std::string text = Script(
        Element(list) + "return Array.from(e.options, o => o.textContent + '\\n').join('');");
    for (std::size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1) {
      rows.push_back(text.substr(at, end - at));
    }
    return rows;
  }
  int Selected(const std::string& list) const override {
    return std::stoi(Script(Element(list) + "return e.selectedIndex;"));
  }
  std::string Text(const std::string& field) const override {
    return Script(Element(field) + "return e.value;");
  }
  std::string Focused() const override {
    return Script("var a = document.activeElement; return a && a.dataset.name || '';");
  }
  Rgb ColourAt(int x, int y) const override {
    // The form may be laid out larger than at 100 %: the point scales with it.
    double left = 0, top = 0, width = 0;
    std::sscanf(Script("var r = document.getElementById('form').getBoundingClientRect();"
                       "return r.left + ' ' + r.top + ' ' + r.width;")
                    .c_str(),
                "%lf %lf %lf", &left, &top, &width);
    const double factor = width / WindowScale().Pixels(MainWindowLayout().client_width);
    Rgb seen{};
    std::sscanf(Ask(R"({"op": "pixel", "x": )" + std::to_string(std::lround(left + x * factor)) +
                    R"(, "y": )" + std::to_string(std::lround(top + y * factor)) + "}")
                    .c_str(),
                "%d %d %d", &seen.red, &seen.green, &seen.blue);
    return seen;
  }

 private:
  static std::string Element(const std::string& name) {
    return "var e = document.querySelector('[data-name=\"" + name + "\"]');";
  }
  // The page's form's two texts.
  static std::vector<std::string> Fields() {
    std::vector<std::string> fields;
    const std::string state = Script("return Module.test.state();");
    std::size_t at = 0;
    for (int skip = 0; skip < 2; ++skip) at = state.find('\x1f', at) + 1;
    for (int field = 0; field < 2; ++field) {
      const std::size_t end = state.find('\x1f', at);
      fields.push_back(state.substr(at, end - at));
      at = end + 1;
    }
    return fields;
  }

  // A press and release (or two) of the mouse at "x y" in the page, then the test follows.
  void Press(const std::string& at, int count) {
    double x = 0, y = 0;
    std::sscanf(at.c_str(), "%lf %lf", &x, &y);
    Lead();
    Ask(R"({"op": "click", "x": )" + std::to_string(std::lround(x)) + R"(, "y": )" +
        std::to_string(std::lround(y)) + R"(, "count": )" + std::to_string(count) + "}");
    Follow();
  }
  void Keys(const std::vector<std::string>& keys) {
    std::string list;
    for (const std::string& key : keys) list += (list.empty() ? "" : ", ") + Quoted(key);
    Lead();
    Ask(R"({"op": "keys", "keys": [)" + list + "]}");
    Follow();
  }

  // The draws the test scripted since, handed to the page.
  void Lead() {
    if (random_.Draws() == scripted_ && random_.Drawn() == drawn_) return;
    scripted_ = random_.Draws();
    drawn_ = random_.Drawn();
    std::string draws;
    for (const float draw : scripted_) {
      char text[24];
      std::snprintf(text, sizeof text, "%s%.9g", draws.empty() ? "" : ", ", draw);
      draws += text;
    }
    Script("Module.test.script([" + draws + "], " + std::to_string(drawn_) + ")");
  }
  // The test's side takes what the page's form did.
  void Follow() {
    const std::string state = Script("return Module.test.state();");
    std::vector<std::string> parts;
    for (std::size_t at = 0, end; (end = state.find('\x1f', at)) != std::string::npos;
         at = end + 1) {
      parts.push_back(state.substr(at, end - at));
    }
    drawn_ = std::stoul(parts.at(0));
    while (random_.Drawn() < drawn_) random_.Next();
    for (int seeded = std::stoi(parts.at(1)); random_.Randomized() < seeded;) random_.Randomize();
    following_ = true;
    form_.Text1[0].SetText(parts.at(2));
    form_.Text1[1].SetText(parts.at(3));
    following_ = false;
    trace_.insert(trace_.end(), parts.begin() + 4, parts.end());
  }

  MainForm& form_;
  ScriptedRandom& random_;
  std::vector<std::string>& trace_;
  std::vector<float> scripted_;  // as the page has them
  std::size_t drawn_ = 0;
  bool following_ = false;
};

}  // namespace drobi::web::testing
