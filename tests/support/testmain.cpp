#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// Headless by default: test discovery and CI run without a display.
int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
