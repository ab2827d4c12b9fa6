#include "core/testing/temp_program.h"

#include "core/line_store.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace kc::testing {

QByteArray eightBit(const QStringList& lines) {
  QByteArray out;
  for (const QString& l : lines) {
    out += l.toLatin1();
    out += "\r\n";
  }
  return out;
}

QByteArray utf16(const QStringList& lines) {
  QByteArray out("\xFF\xFE", 2);
  for (const QString& l : lines) {
    for (QChar c : l + QStringLiteral("\r\n")) {
      out.append(char(c.unicode() & 0xFF));
      out.append(char(c.unicode() >> 8));
    }
  }
  return out;
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  f.write(bytes);
}

QByteArray readFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

QStringList readLines(const QString& path) {
  QStringList lines;
  const int n = LineCount(path);
  for (int i = 1; i <= n; ++i) lines << GetLine(path, i);
  return lines;
}

QStringList PuzzleFixture::lines() const {
  QStringList l;
  l << QString::number(rows);
  for (int r = 0; r < 12; ++r) l << (r < rows ? answers.value(r) : QStringLiteral("0"));
  for (int r = 0; r < 12; ++r) l << (r < rows ? questions.value(r) : QStringLiteral("0"));
  l << topic;
  for (int r = 0; r < 12; ++r) l << QString::number(specials.value(r, 0));
  l << mediaLink << presentationLink << QString::number(welcome);
  for (int i = 0; i < 6; ++i) l << welcomeLines.value(i);
  l << keywordQuestion;
  return l;
}

TempProgram::TempProgram() {
  folder_ = dir_.path();
  const QStringList settings = {QStringLiteral("16777215"), QStringLiteral("0"),
                                QStringLiteral("Brown"),    QStringLiteral("255"),
                                QStringLiteral("16777215"), QStringLiteral("30"),
                                QStringLiteral("Style1"),   QStringLiteral("0"),
                                QStringLiteral("60"),       QStringLiteral("1")};
  writeFile(folder_ + "/Data/value/value.txt", eightBit(settings));
  writePicture(folder_ + "/Data/value/Clock.gif", 134, 128, qRgb(200, 200, 40));
  writePicture(folder_ + "/Data/value/c.gif", 47, 48, qRgb(204, 204, 255));
  for (const char* sound : {"/Data/value/tiktok.mp3", "/Data/value/ding.mp3",
                            "/Data/temp/Chose.mp3", "/Data/temp/right.mp3", "/Data/temp/wrong.mp3"})
    writeFile(folder_ + sound, QByteArray("not really a sound"));
  PuzzleFixture blank;
  blank.rows = 3;
  writeFile(folder_ + "/Data/temp/db.db", eightBit(blank.lines()));
  writeFile(folder_ + "/Data/temp/temp.txt", eightBit(blank.lines()));
  writeFile(folder_ + "/Data/temp/TempStyle.txt",
            eightBit({"Brown", QStringLiteral("MÆc ®Þnh"), "back.gif", "move.gif", "corner.gif"}));
  const QString skin = folder_ + "/Data/Themes/Brown/";
  writeFile(skin + "value.txt", eightBit({"16777215", "255", "0", "65535", "0"}));
  struct Pic { const char* name; int w, h; QRgb c; };
  for (const Pic& p : {Pic{"menu.jpg", 625, 268, qRgb(120, 80, 40)},
                       Pic{"open.jpg", 197, 41, qRgb(200, 0, 0)},
                       Pic{"new.jpg", 197, 41, qRgb(0, 200, 0)},
                       Pic{"setup.jpg", 197, 45, qRgb(0, 0, 200)},
                       Pic{"about.jpg", 197, 45, qRgb(200, 200, 0)},
                       Pic{"out.jpg", 197, 45, qRgb(0, 200, 200)},
                       Pic{"DD.jpg", 41, 33, qRgb(0, 160, 0)},
                       Pic{"SS.jpg", 41, 33, qRgb(160, 0, 0)},
                       Pic{"exit.jpg", 41, 33, qRgb(90, 90, 90)},
                       Pic{"background.jpg", 256, 192, qRgb(40, 60, 120)},
                       Pic{"move.jpg", 177, 503, qRgb(230, 200, 120)},
                       Pic{"back.jpg", 195, 45, qRgb(100, 50, 0)},
                       Pic{"save.jpg", 219, 45, qRgb(100, 60, 0)},
                       Pic{"edit.jpg", 221, 45, qRgb(100, 70, 0)},
                       Pic{"print.jpg", 154, 39, qRgb(100, 80, 0)}})
    writePicture(skin + p.name, p.w, p.h, p.c);
  writeFile(folder_ + "/Data/Styles/Style selected.txt", eightBit({"Lop hoc.txt"}));
  writeFile(folder_ + "/Data/Styles/Lop hoc.txt",
            eightBit({"Brown", QStringLiteral("MÆc ®Þnh"), "back.gif", "move.gif", "corner.gif"}));
  writeFile(folder_ + "/Data/wallpaper/wallpaper selected.txt", eightBit({QStringLiteral("MÆc ®Þnh")}));
  writePicture(folder_ + "/Data/wallpaper/wall.jpg", 64, 48, qRgb(10, 120, 10));
  writeFile(folder_ + "/Data/BackGround Flash/BackSelected.txt", eightBit({"back.gif"}));
  writeFile(folder_ + "/Data/Mousemove Flash/MoveFlashSelected.txt", eightBit({"move.gif"}));
  writeFile(folder_ + "/Data/Flash Corner/FlashCorner.txt", eightBit({"corner.gif"}));
  writeFile(folder_ + "/Data/BackGround Ques/backgroundQ.txt", eightBit({"q.jpg"}));
  writePicture(folder_ + "/Data/BackGround Ques/q.jpg", 389, 389, qRgb(250, 240, 200));

  players = std::make_unique<SilentPlayers>();
  program = std::make_unique<Program>(folder_, services, *players);
}

TempProgram::~TempProgram() = default;

QString TempProgram::path(QStringView relative) const { return resolvePath(folder_, relative); }

void TempProgram::setSetting(int line, const QString& value) {
  PutLine(path(u"\\data\\value\\value.txt"), line, value);
}

QString TempProgram::setting(int line) const {
  return GetLine(path(u"\\data\\value\\value.txt"), line);
}

QString TempProgram::puzzleFolder() const { return folder_ + QStringLiteral("/puzzles"); }

QString TempProgram::writePuzzle(const QString& fileName, const PuzzleFixture& puzzle, bool wide) {
  return writePuzzleLines(fileName, puzzle.lines(), wide);
}

QString TempProgram::writePuzzleLines(const QString& fileName, const QStringList& lines,
                                      bool wide) {
  const QString p = puzzleFolder() + QLatin1Char('/') + fileName;
  writeFile(p, wide ? utf16(lines) : eightBit(lines));
  return p;
}

void TempProgram::writePicture(const QString& path, int width, int height, QRgb colour) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QImage img(width, height, QImage::Format_RGB32);
  img.fill(colour);
  const QString lower = path.toLower();
  const char* format = lower.endsWith(".jpg") ? "JPG" : "PNG";
  ASSERT_TRUE(img.save(path, format, 95)) << path.toStdString();
}

}  // namespace kc::testing
