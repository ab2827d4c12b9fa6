#pragma once
// A program with the show windows registered on a temporary program folder, a small stand-in
// for the menu that holds the chosen puzzle's path, and mouse helpers.

#include "core/testing/temp_program.h"
#include "show/form1.h"
#include "show/picshow.h"

#include <QString>

#include <gtest/gtest.h>

namespace kc::testing {

class ShowTest : public ::testing::Test {
 protected:
  ShowTest();
  ~ShowTest() override;

  // Writes the puzzle, hands its path to the menu and opens the show.
  Form1* open(const PuzzleFixture& puzzle, const QString& fileName = QStringLiteral("p.txt"));
  // Opens the show on a path as the menu holds it (the file need not exist).
  Form1* openPath(const QString& path);
  Form1* show() const;
  Picshow* picshow() const;  // nullptr while not loaded
  Window* menu() const;

  // Runs the deferred deletions of unloaded windows.
  static void settle();

  TempProgram tp;
};

// A puzzle with `rows` rows "ROWr..." and questions "Qr".
PuzzleFixture simplePuzzle(int rows);

// Mouse actions as the teacher does them.
void click(QWidget* w);
void rightPress(QWidget* w);
void hover(QWidget* w);

}  // namespace kc::testing
