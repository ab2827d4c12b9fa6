// Walks the Data folder the build delivers and checks what the program will rely on: every
// file is where the program looks for it (names matched as the program matches them), text
// files have the lines the program reads and writes, selections name files that exist, and
// every picture, animation and sound decodes.

#include "core/data_folder.h"
#include "core/line_store.h"
#include "core/numbers.h"
#include "core/settings.h"
#include "puzzle/puzzle_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>
#include <lame/lame.h>

#include <cstdlib>
#include <optional>
#include <vector>

namespace kc {
namespace {

QString programFolder() {
  if (const char* dir = std::getenv("KELVORA_PROGRAM_DIR"); dir && *dir) {
    return QString::fromLocal8Bit(dir);
  }
#ifdef KELVORA_BUILT_PROGRAM_DIR
  return QStringLiteral(KELVORA_BUILT_PROGRAM_DIR);
#else
  return {};
#endif
}

QString at(QStringView relative) { return resolvePath(programFolder(), relative); }

QString skinPath(QStringView skin, QStringView file) {
  return at(data::kThemesFolder.toString() + skin.toString() + file.toString());
}

QByteArray readAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

// Files the listing of a folder offers (the settings lists leave the selection files out).
QStringList listed(QStringView folder, QStringView selectionFile) {
  QStringList names = QDir(at(folder)).entryList(QDir::Files, QDir::Name);
  names.removeIf([&](const QString& n) {
    return n.compare(QFileInfo(selectionFile.toString().replace(u'\\', u'/')).fileName(),
                     Qt::CaseInsensitive) == 0;
  });
  return names;
}

class DataFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(programFolder().isEmpty()) << "no program folder: KELVORA_PROGRAM_DIR is not set";
    ASSERT_TRUE(QFileInfo(resolvePath(programFolder(), u"\\Data")).isDir())
        << "no Data folder in " << programFolder().toStdString();
  }
};

// ---- text files ---------------------------------------------------------------------------

struct TextCase {
  QString path;  // relative to the program folder, as the program spells it
  int lines;
  bool atLeast;
};

std::vector<TextCase> textCases() {
  std::vector<TextCase> cases = {
      {data::kSettingsFile.toString(), settings::kLineCount, false},
      {data::kPuzzleTemplate.toString(), puzzle::kLineCount, false},
      {data::kWorkingCopy.toString(), puzzle::kLineCount, false},
      {data::kTempStyle.toString(), 5, false},
      {data::kStyleSelected.toString(), 1, false},
      {data::kWallpaperSelected.toString(), 1, false},
      {data::kBackgroundFlashSelected.toString(), 1, false},
      {data::kMouseFlashSelected.toString(), 1, false},
      {data::kCornerFlashSelected.toString(), 1, false},
      {data::kQuestionBackgroundSelected.toString(), 1, false},
      // Spelled the other ways the program writes them: the same files.
      {QStringLiteral("\\Data\\Flash Corner\\FlashCorner.txt"), 1, false},
      {QStringLiteral("\\data\\BackGround Flash\\backSelected.txt"), 1, false},
      {QStringLiteral("\\data\\MouseMove Flash\\MoveFlashSelected.txt"), 1, false},
      {QStringLiteral("\\data\\Wallpaper\\wallpaper selected.txt"), 1, false},
  };
  for (QStringView skin : data::kSkins) {
    cases.push_back(
        {data::kThemesFolder.toString() + skin.toString() + data::skin::kColours.toString(), 5,
         true});
  }
  for (const QString& style : listed(data::kStylesFolder, data::kStyleSelected)) {
    cases.push_back({data::kStylesFolder.toString() + style, 5, false});
  }
  return cases;
}

TEST_F(DataFolder, TextFilesHaveTheirLinesAsEightBitCrLf) {
  const auto cases = textCases();
  ASSERT_GE(cases.size(), 14u + 10u + 2u) << "fewer than two delivered styles";
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.path.toStdString());
    const QString path = at(c.path);
    ASSERT_TRUE(QFileInfo::exists(path));
    const int count = LineCount(path);
    if (c.atLeast) {
      EXPECT_GE(count, c.lines);
    } else {
      EXPECT_EQ(count, c.lines);
    }
    const QByteArray bytes = readAll(path);
    EXPECT_FALSE(bytes.startsWith("\xFF\xFE")) << "delivered as UTF-16";
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << "a line ends with a bare LF";
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n")) << "a bare CR";
  }
}

TEST_F(DataFolder, SettingsHoldValidValues) {
  const Settings s(programFolder());
  for (settings::Line line :
       {settings::kCellBack, settings::kCellText, settings::kKeyBack, settings::kKeyText}) {
    SCOPED_TRACE(line);
    EXPECT_NO_THROW(s.colour(line));
  }
  // The cell colours must differ from their text colours, or the letters would not show.
  EXPECT_NE(s.colour(settings::kCellBack), s.colour(settings::kCellText));
  EXPECT_NE(s.colour(settings::kKeyBack), s.colour(settings::kKeyText));
  EXPECT_TRUE(s.countdownSeconds().has_value());
  EXPECT_EQ(s.line(settings::kPresentation), settings::kFirstPresentationStyle);
  EXPECT_TRUE(s.line(settings::kAutoStyle) == u"0" || s.line(settings::kAutoStyle) == u"1");
  EXPECT_TRUE(parseWhole(s.line(settings::kAutoStyleInterval)).has_value());
  EXPECT_TRUE(s.line(settings::kCountdownStart) == u"0" ||
              s.line(settings::kCountdownStart) == u"1");
  // The current skin is one that is offered and delivered.
  const QString skin = s.line(settings::kSkin);
  EXPECT_NE(std::find(std::begin(data::kSkins), std::end(data::kSkins), skin),
            std::end(data::kSkins))
      << skin.toStdString();
  EXPECT_TRUE(QFileInfo(at(data::kThemesFolder.toString() + skin)).isDir());
}

TEST_F(DataFolder, TemplateHoldsTheEditorsInitialValues) {
  const QString path = at(data::kPuzzleTemplate);
  EXPECT_EQ(GetLine(path, puzzle::kRowCount), u"3");
  for (int row = 1; row <= puzzle::kRows; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(GetLine(path, puzzle::answerLine(row)), u"");
    EXPECT_EQ(GetLine(path, puzzle::questionLine(row)), u"");
    EXPECT_EQ(GetLine(path, puzzle::specialLine(row)), u"0");
  }
  // TCVN3 bytes read back as the same codes: the topic proves the 8-bit encoding.
  EXPECT_EQ(GetLine(path, puzzle::kTopic), puzzle::kDefaultTopic);
  EXPECT_EQ(GetLine(path, puzzle::kMediaLink), puzzle::kDefaultMediaLink);
  EXPECT_EQ(GetLine(path, puzzle::kPresentationLink), puzzle::kDefaultPresentationLink);
  EXPECT_EQ(GetLine(path, puzzle::kWelcomeSwitch), u"0");
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(GetLine(path, puzzle::welcomeLine(i)), puzzle::kDefaultWelcome[i - 1]) << i;
  }
  EXPECT_EQ(GetLine(path, puzzle::kKeywordQuestion), u"");
  EXPECT_EQ(readAll(path), readAll(at(data::kWorkingCopy)));
}

// ---- selections and styles ----------------------------------------------------------------

struct SelectionCase {
  QStringView selectionFile;
  QStringView folder;
  bool defaultAllowed;  // "MÆc ®Þnh" (the skin's own background)
};

constexpr SelectionCase kSelections[] = {
    {data::kWallpaperSelected, data::kWallpaperFolder, true},
    {data::kBackgroundFlashSelected, data::kBackgroundFlashFolder, false},
    {data::kMouseFlashSelected, data::kMouseFlashFolder, false},
    {data::kCornerFlashSelected, data::kCornerFlashFolder, false},
    {data::kQuestionBackgroundSelected, data::kQuestionBackgroundFolder, false},
    {data::kStyleSelected, data::kStylesFolder, false},
};

void expectNamesFile(QStringView folder, const QString& name, bool defaultAllowed) {
  if (defaultAllowed && name == data::kDefaultWallpaper) return;
  EXPECT_FALSE(name.isEmpty());
  EXPECT_TRUE(QFileInfo(at(folder.toString() + name)).isFile())
      << name.toStdString() << " is not in " << folder.toString().toStdString();
}

TEST_F(DataFolder, SelectionsNameDeliveredFiles) {
  for (const SelectionCase& c : kSelections) {
    SCOPED_TRACE(c.selectionFile.toString().toStdString());
    expectNamesFile(c.folder, GetLine(at(c.selectionFile), 1), c.defaultAllowed);
  }
  // The wallpaper may be the skin's own; the delivered selection file holds its TCVN3 bytes.
  EXPECT_EQ(readAll(at(data::kWallpaperSelected)), QByteArray("M\xC6"
                                                              "c \xAE\xDEnh\r\n"));
}

TEST_F(DataFolder, StylesNameDeliveredFiles) {
  QStringList styles;
  for (const QString& style : listed(data::kStylesFolder, data::kStyleSelected)) {
    styles << data::kStylesFolder.toString() + style;
  }
  ASSERT_GE(styles.size(), 2);
  styles << data::kTempStyle.toString();
  for (const QString& style : styles) {
    SCOPED_TRACE(style.toStdString());
    const QString path = at(style);
    const QString skin = GetLine(path, 1);
    EXPECT_NE(std::find(std::begin(data::kSkins), std::end(data::kSkins), skin),
              std::end(data::kSkins))
        << skin.toStdString();
    expectNamesFile(data::kWallpaperFolder, GetLine(path, 2), true);
    expectNamesFile(data::kBackgroundFlashFolder, GetLine(path, 3), false);
    expectNamesFile(data::kMouseFlashFolder, GetLine(path, 4), false);
    expectNamesFile(data::kCornerFlashFolder, GetLine(path, 5), false);
  }
}

// ---- pictures -----------------------------------------------------------------------------

struct PictureCase {
  QStringView file;
  int width, height;  // the control's size in twips / 15
};

constexpr PictureCase kSkinPictures[] = {
    {data::skin::kMenu, 625, 268},  {data::skin::kOpen, 197, 41},
    {data::skin::kNew, 197, 41},    {data::skin::kSetup, 197, 45},
    {data::skin::kAbout, 197, 45},  {data::skin::kOut, 197, 45},
    {data::skin::kRight, 41, 33},   {data::skin::kWrong, 41, 33},
    {data::skin::kExit, 41, 33},    {data::skin::kBackground, 1024, 768},
    {data::skin::kStrip, 177, 503}, {data::skin::kBack, 195, 45},
    {data::skin::kSave, 219, 45},   {data::skin::kEdit, 221, 45},
    {data::skin::kPrint, 154, 39},
};

QImage readPicture(const QString& path, const QByteArray& format) {
  EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString() << " is missing";
  QImageReader reader(path);
  EXPECT_EQ(reader.format(), format) << path.toStdString();
  QImage image = reader.read();
  EXPECT_FALSE(image.isNull()) << path.toStdString() << ": " << reader.errorString().toStdString();
  return image;
}

TEST_F(DataFolder, EverySkinHasEveryPictureAtItsControlSize) {
  for (QStringView skin : data::kSkins) {
    for (const PictureCase& c : kSkinPictures) {
      SCOPED_TRACE((skin.toString() + c.file.toString()).toStdString());
      const QImage image = readPicture(skinPath(skin, c.file), "jpeg");
      EXPECT_EQ(image.size(), QSize(c.width, c.height));
    }
  }
}

TEST_F(DataFolder, SkinsLookDifferent) {
  // Ten copies of one skin would pass every size check; their backgrounds must differ.
  std::vector<QImage> backgrounds;
  for (QStringView skin : data::kSkins) {
    backgrounds.push_back(QImage(skinPath(skin, data::skin::kBackground))
                              .scaled(16, 12)
                              .convertToFormat(QImage::Format_RGB32));
  }
  for (size_t i = 0; i < backgrounds.size(); ++i) {
    for (size_t j = i + 1; j < backgrounds.size(); ++j) {
      EXPECT_NE(backgrounds[i], backgrounds[j])
          << data::kSkins[i].toString().toStdString() << " and "
          << data::kSkins[j].toString().toStdString();
    }
  }
}

struct PictureFolderCase {
  QStringView folder;
  QStringView selectionFile;
  int atLeast;
  QSize size;  // empty: any size
};

constexpr PictureFolderCase kPictureFolders[] = {
    {data::kWallpaperFolder, data::kWallpaperSelected, 3, QSize(1024, 768)},
    {data::kQuestionBackgroundFolder, data::kQuestionBackgroundSelected, 2, QSize()},
};

TEST_F(DataFolder, WallpapersAndQuestionBackgroundsDecode) {
  for (const PictureFolderCase& c : kPictureFolders) {
    SCOPED_TRACE(c.folder.toString().toStdString());
    const QStringList files = listed(c.folder, c.selectionFile);
    EXPECT_GE(files.size(), c.atLeast);
    for (const QString& file : files) {
      SCOPED_TRACE(file.toStdString());
      const QImage image = readPicture(at(c.folder.toString() + file), "jpeg");
      if (!c.size.isEmpty()) {
        EXPECT_EQ(image.size(), c.size);
      }
    }
  }
}

struct AnimationFolderCase {
  QStringView folder;
  QStringView selectionFile;
  QSize maxSize;
};

constexpr AnimationFolderCase kAnimationFolders[] = {
    {data::kBackgroundFlashFolder, data::kBackgroundFlashSelected, QSize(640, 480)},
    {data::kMouseFlashFolder, data::kMouseFlashSelected, QSize(640, 480)},
    {data::kCornerFlashFolder, data::kCornerFlashSelected, QSize(467, 334)},
};

TEST_F(DataFolder, AnimationsLoopWithTransparencyAndStayLight) {
  for (const AnimationFolderCase& c : kAnimationFolders) {
    SCOPED_TRACE(c.folder.toString().toStdString());
    const QStringList files = listed(c.folder, c.selectionFile);
    EXPECT_GE(files.size(), 2);
    for (const QString& file : files) {
      SCOPED_TRACE(file.toStdString());
      QImageReader reader(at(c.folder.toString() + file));
      ASSERT_EQ(reader.format(), "gif");
      EXPECT_TRUE(reader.supportsAnimation());
      EXPECT_EQ(reader.loopCount(), -1) << "does not loop forever";
      int frames = 0;
      bool seeThrough = true, drawn = true;
      QImage frame;
      while (reader.read(&frame)) {
        ++frames;
        EXPECT_LE(frame.width(), c.maxSize.width());
        EXPECT_LE(frame.height(), c.maxSize.height());
        EXPECT_GE(reader.nextImageDelay(), 80);
        // Every frame shows the window through it and has something drawn.
        bool transparent = false, opaque = false;
        const QImage argb = frame.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height() && !(transparent && opaque); ++y) {
          const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
          for (int x = 0; x < argb.width(); ++x) {
            (qAlpha(line[x]) == 0 ? transparent : opaque) = true;
          }
        }
        seeThrough = seeThrough && transparent;
        drawn = drawn && opaque;
      }
      EXPECT_GT(frames, 1);
      EXPECT_LE(frames, 16) << "too many frames to hold for a lesson";
      EXPECT_TRUE(seeThrough);
      EXPECT_TRUE(drawn);
    }
  }
}

TEST_F(DataFolder, ClockAndMinimisedPicturesDecode) {
  const QImage clock = readPicture(at(data::kClockPicture), "gif");
  EXPECT_NEAR(clock.width(), 134, 10);
  EXPECT_NEAR(clock.height(), 128, 10);
  EXPECT_EQ(qAlpha(clock.convertToFormat(QImage::Format_ARGB32).pixel(0, 0)), 0)
      << "the clock's corner should show the board behind it";

  // Read through the relative path the minimised window uses, from the program folder.
  const QString before = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(programFolder()));
  const QImage minimised =
      readPicture(resolvePath(QStringLiteral("."), data::kMinimisedPicture), "gif");
  QDir::setCurrent(before);
  EXPECT_NEAR(minimised.width(), 47, 4);
  EXPECT_NEAR(minimised.height(), 48, 4);
  const QImage rgb = minimised.convertToFormat(QImage::Format_RGB32);
  const QRgb key = qRgb(204, 204, 255);
  for (QPoint corner : {QPoint(0, 0), QPoint(rgb.width() - 1, 0), QPoint(0, rgb.height() - 1),
                        QPoint(rgb.width() - 1, rgb.height() - 1)}) {
    EXPECT_EQ(rgb.pixel(corner), key) << corner.x() << "," << corner.y();
  }
  int keyed = 0;
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) keyed += rgb.pixel(x, y) == key;
  }
  EXPECT_LT(keyed, rgb.width() * rgb.height() / 2) << "the picture is mostly empty";
}

// ---- sounds -------------------------------------------------------------------------------

struct Mp3Facts {
  int frames = 0;
  int sampleRate = 0;
  double frameSeconds = 0;     // from the frame headers
  double decodedSeconds = 0;   // from the decoder's output
  bool chainComplete = false;  // the frames cover the file from start to end
  bool decodeError = false;
  int peak = 0;  // largest decoded sample, to tell a sound from silence
};

// Walks MPEG audio layer III frame headers, then decodes the whole file with LAME's decoder.
Mp3Facts inspectMp3(const QByteArray& bytes) {
  Mp3Facts facts;
  static const int kRatesV1[] = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
  static const int kRatesV2[] = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
  static const int kSampleRates[] = {44100, 48000, 32000};
  const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
  qsizetype pos = 0;
  long long samples = 0;
  while (pos + 4 <= bytes.size()) {
    if (b[pos] != 0xFF || (b[pos + 1] & 0xE0) != 0xE0) break;
    const int version = (b[pos + 1] >> 3) & 3;  // 0 = 2.5, 2 = 2, 3 = 1
    const int layer = (b[pos + 1] >> 1) & 3;    // 1 = layer III
    const int rateIndex = b[pos + 2] >> 4;
    const int srIndex = (b[pos + 2] >> 2) & 3;
    const int padding = (b[pos + 2] >> 1) & 1;
    if (version == 1 || layer != 1 || rateIndex == 0 || rateIndex == 15 || srIndex == 3) break;
    const int kbps = version == 3 ? kRatesV1[rateIndex - 1] : kRatesV2[rateIndex - 1];
    const int rate = kSampleRates[srIndex] / (version == 3 ? 1 : version == 2 ? 2 : 4);
    const int perFrame = version == 3 ? 1152 : 576;
    const int length = (version == 3 ? 144 : 72) * kbps * 1000 / rate + padding;
    if (facts.sampleRate != 0 && rate != facts.sampleRate) break;
    facts.sampleRate = rate;
    ++facts.frames;
    samples += perFrame;
    pos += length;
  }
  facts.chainComplete = facts.frames > 0 && pos == bytes.size();
  if (facts.sampleRate > 0) facts.frameSeconds = double(samples) / facts.sampleRate;

  hip_t hip = hip_decode_init();
  std::vector<short> left(1152 * 4), right(1152 * 4);
  long long decoded = 0;
  QByteArray copy = bytes;
  auto* data = reinterpret_cast<unsigned char*>(copy.data());
  constexpr qsizetype kChunk = 4096;
  for (qsizetype offset = 0; offset < copy.size() && !facts.decodeError; offset += kChunk) {
    const size_t n = size_t(std::min(kChunk, copy.size() - offset));
    // The decoder gives at most one frame a call, and may first answer "need more" while it
    // takes in a header, so it is asked again with no new bytes until it twice has nothing.
    int got = hip_decode1(hip, data + offset, n, left.data(), right.data());
    for (int idle = 0; got >= 0 && idle < 2;) {
      idle = got == 0 ? idle + 1 : 0;
      decoded += got;
      for (int i = 0; i < got; ++i) facts.peak = std::max(facts.peak, std::abs(int(left[i])));
      got = hip_decode1(hip, data + offset, 0, left.data(), right.data());
    }
    if (got < 0) facts.decodeError = true;
  }
  hip_decode_exit(hip);
  if (facts.sampleRate > 0) facts.decodedSeconds = double(decoded) / facts.sampleRate;
  return facts;
}

struct SoundCase {
  QStringView path;
  double minSeconds, maxSeconds;
};

constexpr SoundCase kSounds[] = {
    // The countdown offers up to 180 s; the ticking must not fall silent before it ends.
    {data::kTickingSound, 180, 240}, {data::kBellSound, 0.3, 6},  {data::kChosenSound, 0.1, 3},
    {data::kRightSound, 0.3, 5},     {data::kWrongSound, 0.3, 5},
};

TEST_F(DataFolder, SoundsDecodeToTheirLengths) {
  for (const SoundCase& c : kSounds) {
    SCOPED_TRACE(c.path.toString().toStdString());
    const QByteArray bytes = readAll(at(c.path));
    ASSERT_FALSE(bytes.isEmpty());
    const Mp3Facts facts = inspectMp3(bytes);
    EXPECT_TRUE(facts.chainComplete) << facts.frames << " frames, then no frame header";
    EXPECT_FALSE(facts.decodeError);
    EXPECT_GE(facts.frameSeconds, c.minSeconds);
    EXPECT_LE(facts.frameSeconds, c.maxSeconds);
    // The decoder drops its start-up frames; what it plays must still be long enough.
    EXPECT_GE(facts.decodedSeconds, c.minSeconds);
    EXPECT_GT(facts.peak, 3000) << "silence";
  }
}

}  // namespace
}  // namespace kc
