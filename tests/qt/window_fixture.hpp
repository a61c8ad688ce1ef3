#pragma once

// A window on a form whose fraction tables are scripted, so every row the window shows is known.

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTest>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/support/qt_lists.hpp"
#include "tests/support/scripted_random.hpp"
#include "ui/main_form.hpp"
#include "ui/qt/list_view.hpp"
#include "ui/qt/main_window.hpp"

namespace drobi::gui_testing {

using drobi::testing::DrawsFor;
using drobi::testing::Fraction;
using drobi::testing::StartDraws;

template <typename Widget = QWidget>
Widget* Find(QWidget& window, const char* name) {
  auto* widget = window.findChild<Widget*>(QString::fromUtf8(name));
  EXPECT_NE(widget, nullptr) << "no widget " << name;
  return widget;
}

using testing::RowAt;
using testing::RowCount;
using testing::RowData;
using testing::RowHeight;
using testing::RowRect;
using testing::ScrollToRow;
using testing::SelectedRow;
using testing::TopRow;

inline std::vector<std::string> ShownRows(const QListView* view) {
  return testing::ShownRows(*view);
}
inline int ShownSelection(const QListView* view) { return SelectedRow(*view); }

// A window shown on the offscreen screen, over a form with a scripted random source. Errors
// that reach the window's edge fail the test instead of opening a message box.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    random_ = std::make_unique<testing::ScriptedRandom>(StartDraws());
    form_ = std::make_unique<MainForm>(*random_);
    window_ = std::make_unique<MainWindow>(*form_);
    window_->SetErrorReporter([](const ErrorReport& report) {
      ADD_FAILURE() << "error " << report.number << ": " << report.text;
    });
    window_->SetErrorEnding([](int) {});
    form_->SetTrace([this](std::string_view name) { trace_.emplace_back(name); });
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  void Load() {
    form_->Form_Load();
    trace_.clear();
  }

  ListView* List(const char* name) { return Find<ListView>(*window_, name); }
  QPlainTextEdit* Text(const char* name) { return Find<QPlainTextEdit>(*window_, name); }

  void ClickRow(const char* list, int row) {
    ListView* view = List(list);
    ASSERT_NE(view, nullptr);
    ScrollToRow(*view, row);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, RowRect(*view, row).center());
  }

  std::vector<std::string> trace_;
  std::unique_ptr<testing::ScriptedRandom> random_;
  std::unique_ptr<MainForm> form_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace drobi::gui_testing
