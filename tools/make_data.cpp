// kelvora-make-data FOLDER: writes the complete delivered Data folder into FOLDER.
//
// Everything is made here: pictures painted with QPainter, sounds synthesised and encoded
// with LAME, animations written with giflib, text files as the old platform wrote them
// (8-bit, CR LF). The folder is built beside the target and swapped in when complete, so an
// interrupted run never leaves a half-written Data folder behind.

#include "core/data_folder.h"
#include "puzzle/puzzle_file.h"
#include "tools/animations.h"
#include "tools/gif_writer.h"
#include "tools/mp3_encoder.h"
#include "tools/pictures.h"
#include "tools/skins.h"
#include "tools/sounds.h"
#include "tools/text_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

using namespace kc::tools;
namespace data = kc::data;

// The countdown offers at most 180 s; the ticking must outlast it.
constexpr double kTickingSeconds = 182;

// The delivered spelling of every folder and fixed file. The program reaches them through
// several spellings ("Flash corner", "Flashcorner.txt", ...) and matches names without regard
// to case; the files themselves are delivered under one name each.
namespace layout {
const QString kValue = QStringLiteral("value");
const QString kTemp = QStringLiteral("temp");
const QString kThemes = QStringLiteral("Themes");
const QString kStyles = QStringLiteral("Styles");
const QString kWallpaper = QStringLiteral("wallpaper");
const QString kBackgroundFlash = QStringLiteral("BackGround Flash");
const QString kMouseFlash = QStringLiteral("Mousemove Flash");
const QString kCornerFlash = QStringLiteral("Flash Corner");
const QString kQuestionBackground = QStringLiteral("BackGround Ques");
}  // namespace layout

struct Place {
  QString root;
  QString operator()(const QString& folder, const QString& file = QString()) const {
    return file.isEmpty() ? root + u'/' + folder : root + u'/' + folder + u'/' + file;
  }
};

void makeFolders(const Place& at) {
  using namespace layout;
  for (const QString& folder : {kValue, kTemp, kThemes, kStyles, kWallpaper, kBackgroundFlash,
                                kMouseFlash, kCornerFlash, kQuestionBackground}) {
    if (!QDir().mkpath(at(folder)))
      throw std::runtime_error("cannot create " + folder.toStdString());
  }
}

void writeSound(const QString& path, const std::vector<float>& samples, int kbps) {
  const QByteArray mp3 = encodeMp3(samples, sounds::kSampleRate, kbps);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(mp3) != mp3.size()) {
    throw std::runtime_error("cannot write " + path.toStdString());
  }
}

// The template holds what the editor starts with, so a puzzle saved from a fresh editor and
// the template agree line for line.
QStringList puzzleTemplate() {
  namespace puzzle = kc::puzzle;
  QStringList lines;
  for (int line = 1; line <= puzzle::kLineCount; ++line) lines << QString();
  auto set = [&](int line, QStringView text) { lines[line - 1] = text.toString(); };
  set(puzzle::kRowCount, u"3");
  set(puzzle::kTopic, puzzle::kDefaultTopic);
  for (int row = 1; row <= puzzle::kRows; ++row) set(puzzle::specialLine(row), u"0");
  set(puzzle::kMediaLink, puzzle::kDefaultMediaLink);
  set(puzzle::kPresentationLink, puzzle::kDefaultPresentationLink);
  set(puzzle::kWelcomeSwitch, u"0");
  for (int i = 1; i <= 6; ++i) set(puzzle::welcomeLine(i), puzzle::kDefaultWelcome[i - 1]);
  return lines;
}

struct Style {
  QString fileName;
  QStringList lines;  // skin, wallpaper, background, mouse-move and corner animation
};

void writeAnimations(const QString& folder, const std::vector<animations::Animation>& list,
                     const QString& selectionFile) {
  for (const animations::Animation& a : list) {
    writeGif(folder + u'/' + a.fileName, a.frames, {a.delayMs, true, {}});
  }
  writeEightBitLines(folder + u'/' + selectionFile, {list.front().fileName});
}

void generate(const QString& root) {
  using namespace layout;
  const Place at{root};
  makeFolders(at);
  const auto& looks = skinLooks();
  const SkinLook& first = looks.front();

  // value/
  writeEightBitLines(
      at(kValue, QStringLiteral("value.txt")),
      {storedColour(first.colours[0]), storedColour(first.colours[1]), first.name.toString(),
       storedColour(first.colours[3]), storedColour(first.colours[4]), QStringLiteral("30"),
       QStringLiteral("Style1"), QStringLiteral("0"), QStringLiteral("60"), QStringLiteral("1")});
  writeGif(at(kValue, QStringLiteral("Clock.gif")), {pictures::clock()}, {100, true, {}});
  // The minimised window keys out its background colour, which must therefore be exact.
  writeGif(at(kValue, QStringLiteral("c.gif")), {pictures::minimisedWindow()},
           {100, false, {pictures::kColourKey}});
  writeSound(at(kValue, QStringLiteral("tiktok.mp3")), sounds::ticking(kTickingSeconds), 32);
  writeSound(at(kValue, QStringLiteral("ding.mp3")), sounds::bell(), 48);

  // temp/
  const QStringList templ = puzzleTemplate();
  writeEightBitLines(at(kTemp, QStringLiteral("db.db")), templ);
  writeEightBitLines(at(kTemp, QStringLiteral("temp.txt")), templ);
  writeSound(at(kTemp, QStringLiteral("Chose.mp3")), sounds::chosen(), 48);
  writeSound(at(kTemp, QStringLiteral("right.mp3")), sounds::chime(), 48);
  writeSound(at(kTemp, QStringLiteral("wrong.mp3")), sounds::buzzer(), 48);

  // Themes/
  for (const SkinLook& look : looks) {
    const QString folder = at(kThemes, look.name.toString());
    if (!QDir().mkpath(folder)) throw std::runtime_error("cannot create a skin folder");
    writeSkin(folder, look);
  }

  // wallpaper/ and BackGround Ques/
  const auto wallpapers = pictures::wallpapers();
  for (const auto& w : wallpapers) saveJpeg(w.image, at(kWallpaper, w.fileName));
  writeEightBitLines(at(kWallpaper, QStringLiteral("wallpaper selected.txt")),
                     {data::kDefaultWallpaper.toString()});
  const auto panels = pictures::questionBackgrounds();
  for (const auto& q : panels) saveJpeg(q.image, at(kQuestionBackground, q.fileName));
  writeEightBitLines(at(kQuestionBackground, QStringLiteral("backgroundQ.txt")),
                     {panels.front().fileName});

  // The three animation folders.
  const auto backgrounds = animations::backgrounds();
  const auto overlays = animations::overlays();
  const auto corners = animations::corners();
  writeAnimations(at(kBackgroundFlash), backgrounds, QStringLiteral("BackSelected.txt"));
  writeAnimations(at(kMouseFlash), overlays, QStringLiteral("MoveFlashSelected.txt"));
  writeAnimations(at(kCornerFlash), corners, QStringLiteral("FlashCorner.txt"));

  // Styles/ and the scratch style.
  const QString defaultWallpaper = data::kDefaultWallpaper.toString();
  const std::vector<Style> styles = {
      {QStringLiteral("Co dien.txt"),
       {looks[0].name.toString(), defaultWallpaper, backgrounds[0].fileName, overlays[1].fileName,
        corners[1].fileName}},
      {QStringLiteral("Mua xuan.txt"),
       {looks[6].name.toString(), wallpapers[0].fileName, backgrounds[1].fileName,
        overlays[0].fileName, corners[0].fileName}},
      {QStringLiteral("Le hoi.txt"),
       {looks[3].name.toString(), defaultWallpaper, backgrounds[0].fileName, overlays[1].fileName,
        corners[0].fileName}},
      {QStringLiteral("Lop hoc.txt"),
       {looks[7].name.toString(), wallpapers[3].fileName, backgrounds[1].fileName,
        overlays[0].fileName, corners[1].fileName}},
  };
  for (const Style& style : styles) writeEightBitLines(at(kStyles, style.fileName), style.lines);
  writeEightBitLines(at(kStyles, QStringLiteral("Style selected.txt")), {styles.front().fileName});
  writeEightBitLines(at(kTemp, QStringLiteral("TempStyle.txt")), styles.front().lines);
}

// A folder may be replaced only when it is empty or is a Data folder we made: a wrong
// argument must never remove somebody's files.
bool replaceable(const QString& path) {
  const QDir dir(path);
  if (!dir.exists()) return true;
  if (dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) return true;
  return QFileInfo::exists(path + QStringLiteral("/value/value.txt")) &&
         QFileInfo::exists(path + QStringLiteral("/Themes"));
}

}  // namespace

int main(int argc, char** argv) {
  // Painting needs a GUI application but no screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: kelvora-make-data DATA_FOLDER\n");
    return 2;
  }
  const QString target = QDir::cleanPath(QDir(args[1]).absolutePath());
  if (!replaceable(target)) {
    std::fprintf(stderr, "kelvora-make-data: %s exists and is not a Data folder; not touched\n",
                 qPrintable(target));
    return 1;
  }
  QElapsedTimer timer;
  timer.start();
  const QString fresh = target + QStringLiteral(".new");
  const QString old = target + QStringLiteral(".old");
  try {
    QDir(fresh).removeRecursively();
    QDir(old).removeRecursively();
    generate(fresh);
    if (QFileInfo::exists(target) && !QDir().rename(target, old)) {
      throw std::runtime_error("cannot move the old Data folder aside");
    }
    if (!QDir().rename(fresh, target))
      throw std::runtime_error("cannot put the Data folder in place");
    QDir(old).removeRecursively();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kelvora-make-data: %s\n", e.what());
    QDir(fresh).removeRecursively();
    return 1;
  }
  std::printf("kelvora-make-data: wrote %s in %lld ms\n", qPrintable(target),
              static_cast<long long>(timer.elapsed()));
  return 0;
}
