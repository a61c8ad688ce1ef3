#include "ui/list_accessible.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <vector>

#include "ui/list_view.hpp"

namespace drobi {
namespace {

// One row of a list. It stays valid while the list has the row; a list that is emptied and
// refilled reuses it for the new row at its place.
class RowAccessible : public QAccessibleInterface {
 public:
  RowAccessible(ListView* view, int row) : view_(view), row_(row) {}

  bool isValid() const override { return view_ != nullptr && row_ < view_->RowCount(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return view_ != nullptr ? view_->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* parent() const override {
    return view_ != nullptr ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text kind) const override {
    if (!isValid()) return {};
    switch (kind) {
      case QAccessible::Name: {
        const QString own = view_->RowData(row_, Qt::AccessibleTextRole).toString();
        return own.isEmpty() ? view_->RowData(row_).toString() : own;
      }
      case QAccessible::Description:
        return view_->RowData(row_, Qt::AccessibleDescriptionRole).toString();
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect row = view_->RowRect(row_);
    return QRect(view_->viewport()->mapToGlobal(row.topLeft()), row.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) {
      state.invalid = true;
      return state;
    }
    state.selectable = true;
    state.focusable = true;
    state.selected = view_->SelectedRow() == row_;
    state.focused = state.selected && view_->hasFocus();
    if (!view_->RowRect(row_).intersects(view_->viewport()->rect())) {
      state.invisible = true;
      state.offscreen = true;
    }
    return state;
  }

 private:
  QPointer<ListView> view_;
  int row_;
};

class ListAccessible : public QAccessibleWidget {
 public:
  explicit ListAccessible(ListView* view) : QAccessibleWidget(view, QAccessible::List) {}
  ~ListAccessible() override {
    for (const QAccessible::Id id : rows_) QAccessible::deleteAccessibleInterface(id);
  }
  ListAccessible(const ListAccessible&) = delete;
  ListAccessible& operator=(const ListAccessible&) = delete;

  int childCount() const override { return View()->RowCount(); }

  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    // Qt keeps the row interfaces it is given; each row gets one, made when first asked for.
    while (static_cast<int>(rows_.size()) <= index) {
      auto* row = new RowAccessible(View(), static_cast<int>(rows_.size()));  // owned by Qt
      rows_.push_back(QAccessible::registerAccessibleInterface(row));
    }
    return QAccessible::accessibleInterface(rows_[static_cast<std::size_t>(index)]);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
      if (QAccessible::accessibleInterface(rows_[i]) == child) {
        return static_cast<int>(i) < childCount() ? static_cast<int>(i) : -1;
      }
    }
    return -1;
  }

  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = View()->viewport()->mapFromGlobal(QPoint(x, y));
    return View()->viewport()->rect().contains(at) ? child(View()->RowAt(at)) : nullptr;
  }

 private:
  ListView* View() const { return static_cast<ListView*>(widget()); }

  mutable std::vector<QAccessible::Id> rows_;
};

QAccessibleInterface* ListFactory(const QString& class_name, QObject* object) {
  if (class_name == QLatin1String(ListView::staticMetaObject.className()) &&
      object->isWidgetType()) {
    return new ListAccessible(static_cast<ListView*>(object));  // owned by Qt
  }
  return nullptr;
}

}  // namespace

void InstallListAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(ListFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace drobi
