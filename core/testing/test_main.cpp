// main() of every test binary: an offscreen Qt application unless a display is asked for, and
// runtime files (XDG, GStreamer registry) kept out of the user's home.

#include <QApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
  // gtest_discover_tests runs binaries without the test environment.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const QByteArray runtime = QDir::tempPath().toLocal8Bit() + "/kelvora-test-runtime";
  QDir().mkpath(QString::fromLocal8Bit(runtime));
  setenv("XDG_RUNTIME_DIR", runtime.constData(), 0);
  setenv("QT_MEDIA_BACKEND", "gstreamer", 0);
  setenv("KELVORA_PROGRAM_DIR", KELVORA_PROGRAM_DIR, 0);
  setenv("KELVORA_SOURCE_DIR", KELVORA_SOURCE_DIR, 0);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvora Crossword"));
  return RUN_ALL_TESTS();
}
