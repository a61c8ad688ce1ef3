#pragma once

#include <QObject>
#include <QTranslator>

class QCoreApplication;

namespace drobi {

// Qt's own Bulgarian texts (InstallQtTexts), loaded the first time Qt is about to show one rather
// than at start-up, where nothing of Qt's own is on screen: when a context menu is asked for,
// when a menu or dialog (the error box) is made as a child window, or once a screen reader is
// listening. Until then the catalogue is neither read nor kept in memory.
class QtTextsOnDemand : public QObject {
 public:
  explicit QtTextsOnDemand(QCoreApplication& app);

  // Loads and installs the texts now; later calls do nothing.
  void Install();
  bool Installed() const { return installed_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QCoreApplication& app_;
  QTranslator translator_;  // uninstalls itself when destroyed
  bool installed_ = false;
  bool asking_ = false;
};

}  // namespace drobi
