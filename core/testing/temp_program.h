#pragma once
// A program folder in a temporary directory, with a small but complete Data tree, and a
// program object on it with scripted dialogs and silent players. Tests change the settings
// and write puzzle fixtures through it.

#include "core/players/players.h"
#include "core/program.h"
#include "core/testing/scripted_services.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace kc::testing {

// Text file bytes the way the old platform delivered them: 8-bit, CR LF after every line.
QByteArray eightBit(const QStringList& lines);
// Text file bytes the way the line store writes them: FF FE, UTF-16LE, CR LF after every line.
QByteArray utf16(const QStringList& lines);
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);
// Every line of a file as the line store reads it.
QStringList readLines(const QString& path);

// A puzzle file's 48 lines.
struct PuzzleFixture {
  int rows = 3;
  QStringList answers;    // row 1 first; rows past `rows` get "0"
  QStringList questions;  // likewise
  QString topic = QStringLiteral("Topic");
  QList<int> specials;  // special-letter positions, row 1 first; missing rows get 0
  QString mediaLink = QStringLiteral("-");
  QString presentationLink = QStringLiteral("Liªn kÕt File MicroSoft Office PowerPoint ");
  int welcome = 0;
  QStringList welcomeLines = {QStringLiteral("THPT..."),
                              QStringLiteral("Chµo mõng thÇy c« gi¸o ®Õn víi tiÕt d¹y thao "
                                             "gi¶ng trªn m¸y chiÕu"),
                              QStringLiteral("M«n häc"),
                              QStringLiteral("Bµi häc"),
                              QStringLiteral("Më ®Çu b»ng trß ch¬i « ch÷ chñ ®Ò"),
                              QStringLiteral("GV-HS-Tæ-Nhãm")};
  QString keywordQuestion = QStringLiteral("Keyword?");

  QStringList lines() const;
};

class TempProgram {
 public:
  TempProgram();
  ~TempProgram();

  const QString& folder() const { return folder_; }
  // A path under the program folder, written the old way ("\data\value\value.txt").
  QString path(QStringView relative) const;

  // Settings file lines 1..10.
  void setSetting(int line, const QString& value);
  QString setting(int line) const;

  // Writes a puzzle into a sub-folder "puzzles" of the temporary folder; returns its path.
  QString writePuzzle(const QString& fileName, const PuzzleFixture& puzzle, bool wide = false);
  QString writePuzzleLines(const QString& fileName, const QStringList& lines, bool wide = false);
  QString puzzleFolder() const;

  // A picture file of the given size (any extension: the content decides the format).
  static void writePicture(const QString& path, int width, int height, QRgb colour);

  ScriptedServices services;
  std::unique_ptr<Players> players;
  std::unique_ptr<Program> program;

 private:
  QTemporaryDir dir_;
  QString folder_;
};

}  // namespace kc::testing
