#include "ui/accessible_names.hpp"

namespace drobi {
namespace {

struct AccessibleName {
  const char* control;
  const char* name;  // UTF-8
};

// Spis(5) and Dylgo share the caption "дълго число"; the description fields have no caption and
// are named by what they hold.
constexpr AccessibleName kNames[] = {
    {"Spis(0)", "Делимо"},    {"Spis(1)", "Делител"},    {"Spis(2)", "Частно"},
    {"Spis(3)", "Интервал"},  {"Spis(4)", "Брой цифри"}, {"Spis(5)", "дълго число: брой цифри"},
    {"Dylgo", "дълго число"}, {"Text1(0)", "Описание"},  {"Text1(1)", "Бележки"},
};

}  // namespace

void NameControlsForAccessibility(QWidget& window) {
  for (const AccessibleName& entry : kNames) {
    auto* control =
        window.findChild<QWidget*>(QString::fromUtf8(entry.control), Qt::FindDirectChildrenOnly);
    if (control == nullptr) continue;
    control->setAccessibleName(QString::fromUtf8(entry.name));
    if (!control->toolTip().isEmpty()) control->setAccessibleDescription(control->toolTip());
  }
}

}  // namespace drobi
