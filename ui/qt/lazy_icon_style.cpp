#include "ui/qt/lazy_icon_style.hpp"

#include <QIconEngine>
#include <QPointer>

namespace drobi {
namespace {

// An icon that the style makes the first time it is drawn or measured.
class LaterIcon : public QIconEngine {
 public:
  LaterIcon(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Made().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Made().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Made().actualSize(size, mode, state);
  }
  QIconEngine* clone() const override { return new LaterIcon(*this); }

 private:
  const QIcon& Made() {
    if (made_.isNull() && style_ != nullptr) made_ = style_->standardIcon(which_);
    return made_;
  }

  QPointer<QStyle> style_;  // the base style, which ends with the application's style
  QStyle::StandardPixmap which_;
  QIcon made_;
};

}  // namespace

LazyIconStyle::LazyIconStyle(QStyle* base) : QProxyStyle(base) {}

QIcon LazyIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                  const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton && option == nullptr) {
    return QIcon(new LaterIcon(baseStyle(), icon));
  }
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace drobi
