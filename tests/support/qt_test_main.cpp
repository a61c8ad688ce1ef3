#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // ctest's test discovery runs this binary at build time without the tests' environment, and
  // the tests need no screen: Qt's offscreen platform unless one was chosen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
