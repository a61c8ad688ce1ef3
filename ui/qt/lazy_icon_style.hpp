#pragma once

#include <QProxyStyle>

namespace drobi {

// The application's style, with the icon of a menu bar's extension button (the arrow to the
// menus that do not fit the bar's width) loaded only when it is first drawn. A menu bar asks for
// that icon as it is made, and loading it then would look up every image format plugin that Qt
// has, which is a tenth of a window's start-up; the program's menus always fit.
class LazyIconStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // Takes `base` over, as QProxyStyle does.
  explicit LazyIconStyle(QStyle* base);

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace drobi
