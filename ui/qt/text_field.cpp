#include "ui/qt/text_field.hpp"

#include <QScopedValueRollback>

namespace drobi {

TextField::TextField(TextBox& text, ErrorEdge& edge, QWidget* parent)
    : QPlainTextEdit(parent), text_(text), edge_(edge) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  // Tab moves on to the next control, as in every field of the window.
  setTabChangesFocus(true);
  ShowText(text_.Text());
  text_.SetChangeObserver([this](const std::string& changed) { ShowText(changed); });
  connect(this, &QPlainTextEdit::textChanged, this, &TextField::TakeUserEdit);
}

TextField::~TextField() { text_.SetChangeObserver(nullptr); }

void TextField::ShowText(const std::string& text) {
  if (taking_) return;
  QScopedValueRollback guard(showing_, true);
  setPlainText(QString::fromStdString(text));
}

void TextField::TakeUserEdit() {
  if (showing_) return;
  QScopedValueRollback guard(taking_, true);
  edge_.Run([this] { text_.SetText(toPlainText().toStdString()); });
}

}  // namespace drobi
