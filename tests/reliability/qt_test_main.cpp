#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
  // No screen is needed: Qt's offscreen platform unless one was chosen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
