#pragma once

// What main needs before the window exists: a display to open it on, and Qt's own texts in
// Bulgarian.

#include <QString>
#include <functional>

class QCoreApplication;
class QTranslator;

namespace drobi {

// The one line printed when no window can be opened.
extern const char* const kNoDisplayHint;

// True when Qt would find no display: neither an X nor a Wayland display nor a platform chosen
// by hand (QT_QPA_PLATFORM). Reads variables through `environment`, which returns nullptr for an
// unset one.
bool DisplayMissing(const std::function<const char*(const char*)>& environment);

// Makes a fatal failure of Qt's platform start-up (a display that is set but cannot be reached)
// print kNoDisplayHint and exit with status 1, instead of Qt's abort. Ends with the object.
class PlatformStartGuard {
 public:
  PlatformStartGuard();
  ~PlatformStartGuard();
  PlatformStartGuard(const PlatformStartGuard&) = delete;
  PlatformStartGuard& operator=(const PlatformStartGuard&) = delete;
};

// Loads Qt's Bulgarian texts (context menus, standard buttons) from Qt's translations folder into
// `translator` and installs it. False when they are not installed; the program then shows Qt's
// English texts.
bool InstallQtTexts(QCoreApplication& app, QTranslator& translator);

}  // namespace drobi
