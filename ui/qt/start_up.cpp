#include "ui/qt/start_up.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

namespace drobi {

const char* const kNoDisplayHint =
    "drobi: no display to open the window on; start it in a desktop session, under Xvfb "
    "(xvfb-run drobi), or without a screen with QT_QPA_PLATFORM=offscreen";

namespace {

// Qt's message handler is a plain function, so the one it replaces has to live here.
QtMessageHandler previous_handler = nullptr;

void PlatformStartMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "%s\n", kNoDisplayHint);
    std::fflush(stderr);
    // Nothing has started yet that would need tidying; Qt would abort here.
    std::_Exit(1);
  }
  if (previous_handler != nullptr) previous_handler(type, context, message);
}

}  // namespace

bool DisplayMissing(const std::function<const char*(const char*)>& environment) {
  const auto unset = [&environment](const char* name) {
    const char* value = environment(name);
    return value == nullptr || *value == '\0';
  };
  return unset("QT_QPA_PLATFORM") && unset("DISPLAY") && unset("WAYLAND_DISPLAY");
}

PlatformStartGuard::PlatformStartGuard() {
  previous_handler = qInstallMessageHandler(PlatformStartMessage);
}

PlatformStartGuard::~PlatformStartGuard() {
  qInstallMessageHandler(previous_handler);
  previous_handler = nullptr;
}

bool InstallQtTexts(QCoreApplication& app, QTranslator& translator) {
  if (!translator.load(QLocale(QLocale::Bulgarian, QLocale::Bulgaria), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    return false;
  }
  return app.installTranslator(&translator);
}

}  // namespace drobi
