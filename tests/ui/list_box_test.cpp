#include "ui/model/list_box.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "core/runtime_error.hpp"
#include "ui/model/text_box.hpp"

namespace drobi {
namespace {

ListBox WithRows(int count) {
  ListBox list;
  for (int i = 0; i < count; ++i) list.AddItem("row " + std::to_string(i));
  return list;
}

struct Recorder : ListBoxObserver {
  std::vector<std::string> events;
  void RowAdded(int row, const std::string& text) override {
    events.push_back("add " + std::to_string(row) + " " + text);
  }
  void Cleared() override { events.push_back("clear"); }
  void IndexChanged(int index) override { events.push_back("index " + std::to_string(index)); }
};

TEST(ListBox, StartsEmptyWithNothingSelected) {
  ListBox list;
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(list.List(-1), "");
}

TEST(ListBox, RowsKeepTheirOrderAndOutOfRangeReadsEmpty) {
  ListBox list = WithRows(3);
  EXPECT_EQ(list.ListCount(), 3);
  EXPECT_EQ(list.List(0), "row 0");
  EXPECT_EQ(list.List(2), "row 2");
  EXPECT_EQ(list.List(3), "");
  EXPECT_EQ(list.List(-1), "");
  EXPECT_THROW(list.List(-2), RuntimeError);
}

TEST(ListBox, IndexWritesRaiseTheClickOnlyOnChange) {
  struct Step {
    int write;
    int clicks_after;
  };
  ListBox list = WithRows(5);
  int clicks = 0;
  list.SetClickHandler([&] { ++clicks; });
  for (const Step& step : {Step{2, 1}, Step{2, 1}, Step{4, 2}, Step{-1, 3}, Step{-1, 3},
                           Step{0, 4}, Step{0, 4}}) {
    list.SetListIndex(step.write);
    EXPECT_EQ(list.ListIndex(), step.write);
    EXPECT_EQ(clicks, step.clicks_after) << "after writing " << step.write;
  }
}

TEST(ListBox, TheHandlerSeesTheNewIndex) {
  ListBox list = WithRows(5);
  int seen = -2;
  list.SetClickHandler([&] { seen = list.ListIndex(); });
  list.SetListIndex(3);
  EXPECT_EQ(seen, 3);
}

TEST(ListBox, AddItemAndClearRaiseNothing) {
  ListBox list = WithRows(2);
  int clicks = 0;
  list.SetClickHandler([&] { ++clicks; });
  list.AddItem("x");
  EXPECT_EQ(list.ListIndex(), -1) << "adding a row selects nothing";
  list.SetListIndex(1);
  list.AddItem("y");
  EXPECT_EQ(list.ListIndex(), 1) << "adding a row keeps the selection";
  list.Clear();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.ListIndex(), -1);
  EXPECT_EQ(clicks, 1);
}

TEST(ListBox, WritingAnIndexThatIsNotARowRaisesAnError) {
  for (int index : {-2, 3, 100}) {
    ListBox list = WithRows(3);
    int clicks = 0;
    list.SetClickHandler([&] { ++clicks; });
    try {
      list.SetListIndex(index);
      FAIL() << index;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.Number(), error::kInvalidPropertyValue);
    }
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(clicks, 0);
  }
}

TEST(ListBox, UserClickAlwaysRaisesOnExistingRowsOnly) {
  struct Step {
    int row;
    int index_after;
    int clicks_after;
  };
  ListBox list = WithRows(4);
  int clicks = 0;
  list.SetClickHandler([&] { ++clicks; });
  for (const Step& step : {Step{1, 1, 1}, Step{1, 1, 2}, Step{3, 3, 3}, Step{4, 3, 3},
                           Step{-1, 3, 3}, Step{0, 0, 4}}) {
    list.UserClick(step.row);
    EXPECT_EQ(list.ListIndex(), step.index_after) << "click on " << step.row;
    EXPECT_EQ(clicks, step.clicks_after) << "click on " << step.row;
  }
  ListBox empty;
  empty.SetClickHandler([&] { ++clicks; });
  empty.UserClick(0);
  EXPECT_EQ(clicks, 4);
}

// Handlers that select rows in each other nest like calls, and come to rest because writing
// the current index raises nothing.
TEST(ListBox, NestedWritesRunToCompletionInOrder) {
  std::array<ListBox, 3> lists{WithRows(4), WithRows(4), WithRows(4)};
  std::vector<std::string> order;
  for (int i = 0; i < 3; ++i) {
    lists[static_cast<std::size_t>(i)].SetClickHandler([&, i] {
      order.push_back("enter " + std::to_string(i));
      const int k = lists[static_cast<std::size_t>(i)].ListIndex();
      for (auto& list : lists) list.SetListIndex(k);
      order.push_back("leave " + std::to_string(i));
    });
  }
  lists[0].SetListIndex(2);
  EXPECT_EQ(order, (std::vector<std::string>{"enter 0", "enter 1", "enter 2", "leave 2",
                                             "leave 1", "leave 0"}));
  for (const auto& list : lists) EXPECT_EQ(list.ListIndex(), 2);
}

TEST(ListBox, ObserverFollowsEveryChangeWithoutRaisingClicks) {
  ListBox list;
  Recorder recorder;
  int clicks = 0;
  list.SetObserver(&recorder);
  list.SetClickHandler([&] { ++clicks; });
  list.AddItem("a");
  list.AddItem("b");
  list.SetListIndex(1);
  list.SetListIndex(1);
  list.UserClick(0);
  list.UserClick(0);
  list.Clear();
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"add 0 a", "add 1 b", "index 1",
                                                       "index 0", "clear"}));
  EXPECT_EQ(clicks, 3);
}

TEST(TextBox, ReportsOnlyRealChanges) {
  TextBox box;
  std::vector<std::string> seen;
  box.SetChangeObserver([&](const std::string& text) { seen.push_back(text); });
  box.SetText("Има ли въпроси?");
  box.SetText("Има ли въпроси?");
  box.SetText("");
  EXPECT_EQ(box.Text(), "");
  EXPECT_EQ(seen, (std::vector<std::string>{"Има ли въпроси?", ""}));
}

}  // namespace
}  // namespace drobi
