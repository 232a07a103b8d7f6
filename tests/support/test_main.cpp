// The main of every test program: GoogleTest's, after which the Qt application
// that widget tests made is released while main still runs. Releasing it takes
// Qt's font database down, and fontconfig's configuration with it. Left alive
// to the end of the process, its font patterns look lost to LeakSanitizer:
// fontconfig reaches a pattern's elements by an offset, not by a pointer.
// (Deleting the application in an exit handler instead would run after some
// of Qt's own globals are gone.)
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const int result = RUN_ALL_TESTS();
  delete QCoreApplication::instance();
  return result;
}
