#include "ui/qt/error_edge.hpp"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

namespace drobi {

ErrorEdge::ErrorEdge(Reporter reporter, Ending ending)
    : reporter_(std::move(reporter)), ending_(std::move(ending)) {}

void ErrorEdge::Fail(std::exception_ptr error) noexcept {
  failed_ = true;
  // Reporting shows a dialog and may itself fail; the program ends in any case.
  try {
    if (reporter_) reporter_(DescribeError(error));
  } catch (...) {
  }
  try {
    if (ending_) ending_(kExitStatus);
  } catch (...) {
  }
}

void EndEventLoop(int exit_status) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return;
  if (QThread::currentThread()->loopLevel() > 0) {
    QCoreApplication::exit(exit_status);
  } else {
    QMetaObject::invokeMethod(
        app, [exit_status] { QCoreApplication::exit(exit_status); }, Qt::QueuedConnection);
  }
}

}  // namespace drobi
