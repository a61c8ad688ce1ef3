#include "ui/qt/list_model.hpp"

#include <QBrush>
#include <QColor>
#include <QScopedValueRollback>
#include <utility>

#include "ui/window_layout.hpp"

namespace drobi {
namespace {

QVariant NonEmpty(const std::string& text) {
  return text.empty() ? QVariant() : QVariant(QString::fromStdString(text));
}

}  // namespace

ListModel::ListModel(ListBox& list, QObject* parent)
    : QAbstractListModel(parent), list_(list), selection_(this), shown_(list.ListCount()) {
  list_.SetObserver(this);
  IndexChanged(list_.ListIndex());
}

ListModel::~ListModel() { list_.SetObserver(nullptr); }

int ListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_; }

QVariant ListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= shown_) return {};
  if (role == Qt::DisplayRole) {
    return QString::fromStdString(list_.Rows()[static_cast<std::size_t>(index.row())]);
  }
  return marks_ ? MarkData(index.row(), role) : QVariant();
}

QVariant ListModel::MarkData(int row, int role) const {
  switch (role) {
    case Qt::ToolTipRole:
      return NonEmpty(marks_->HoverText(row));
    case Qt::AccessibleDescriptionRole:
      return NonEmpty(marks_->SpokenNote(row));
    case Qt::AccessibleTextRole:
      return NonEmpty(marks_->AccessibleText(row));
    case Qt::BackgroundRole: {
      const RowMark mark = marks_->Mark(row);
      if (mark.turn == 0) return {};
      const Rgb tint = StoredRgb(mark.tint);
      return QBrush(QColor(tint.red, tint.green, tint.blue));
    }
    case kPeriodStartRole:
      return marks_->Mark(row).starts_turn;
    case kPeriodTurnRole:
      return marks_->Mark(row).turn;
    default:  // the view asks for many roles on every paint; spare them the division
      return {};
  }
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ListModel::SetRowTexts(std::unique_ptr<const RowTexts> texts) {
  marks_ = std::move(texts);
  if (shown_ > 0) emit dataChanged(index(0), index(shown_ - 1));
}

void ListModel::RowAdded(int row, const std::string&) {
  if (row != shown_) {  // rows the view missed: start over rather than show wrong ones
    Cleared();
    return;
  }
  beginInsertRows(QModelIndex(), row, row);
  shown_ = row + 1;
  endInsertRows();
}

void ListModel::Cleared() {
  beginResetModel();
  shown_ = list_.ListCount();
  endResetModel();
  IndexChanged(list_.ListIndex());
}

void ListModel::IndexChanged(int index) {
  QScopedValueRollback guard(following_, true);
  if (index < 0 || index >= shown_) {
    selection_.clear();
  } else {
    selection_.setCurrentIndex(this->index(index), QItemSelectionModel::ClearAndSelect);
  }
}

}  // namespace drobi
