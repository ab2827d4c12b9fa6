#include "core/data_folder.h"
#include "core/file_paths.h"
#include "core/line_store.h"
#include "core/settings.h"
#include "core/testing/temp_program.h"

#include <QDir>

#include <gtest/gtest.h>

namespace kc {
namespace {

using testing::TempProgram;

TEST(DataFolder, NamesMatchWithoutRegardToCase) {
  TempProgram t;
  const QString real = t.folder() + QStringLiteral("/Data/Flash Corner/FlashCorner.txt");
  for (QStringView spelling : {u"\\Data\\Flash Corner\\Flashcorner.txt",
                               u"\\data\\Flash Corner\\FlashCorner.txt",
                               u"\\DATA\\flash corner\\flashcorner.TXT", u"/data/flash corner/FlashCorner.txt"}) {
    SCOPED_TRACE(spelling.toString().toStdString());
    EXPECT_EQ(resolvePath(t.folder(), spelling), real);
  }
  EXPECT_EQ(GetLine(t.path(data::kCornerFlashSelected), 1), "corner.gif");
}

TEST(DataFolder, MissingComponentsKeepTheirSpelling) {
  TempProgram t;
  EXPECT_EQ(resolvePath(t.folder(), u"\\data\\Nowhere\\Value.txt"),
            t.folder() + QStringLiteral("/Data/Nowhere/Value.txt"));
  EXPECT_EQ(resolvePath(t.folder(), u"\\data\\value\\Nothing.TXT"),
            t.folder() + QStringLiteral("/Data/value/Nothing.TXT"));
  EXPECT_EQ(resolvePath(t.folder(), u"\\data\\Themes\\"), t.folder() + QStringLiteral("/Data/Themes/"));
  EXPECT_THROW(GetLine(resolvePath(t.folder(), u"\\data\\Nowhere\\Value.txt"), 1), LineStoreError);
}

TEST(Settings, ValuesAreReadAfreshEachTime) {
  TempProgram t;
  Settings s(t.folder());
  EXPECT_EQ(s.colour(settings::kCellBack), 16777215);
  t.setSetting(settings::kCellBack, QStringLiteral("255"));
  EXPECT_EQ(s.colour(settings::kCellBack), 255);
  EXPECT_EQ(colourFromValue(255), QColor(255, 0, 0));
  EXPECT_EQ(valueFromColour(QColor(0, 128, 255)), 128 * 256 + 255 * 65536);
}

TEST(Settings, WritingOneLineLeavesTheOthers) {
  TempProgram t;
  QStringList before;
  for (int i = 1; i <= 10; ++i) before << t.setting(i);
  Settings(t.folder()).put(settings::kSkin, QStringLiteral("Firework"));
  for (int i = 1; i <= 10; ++i)
    EXPECT_EQ(t.setting(i), i == 3 ? QStringLiteral("Firework") : before[i - 1]) << i;
}

TEST(Settings, CountdownValues) {
  struct Case {
    QString line6;
    std::optional<int> seconds;
  };
  const Case cases[] = {{QStringLiteral("30"), 30},
                        {QStringLiteral("180"), 180},
                        {QString(settings::kCountdownOff.toString()), std::nullopt},
                        {QStringLiteral("Khong dung"), std::nullopt},
                        {QStringLiteral("2.5"), std::nullopt},
                        {QStringLiteral("-3"), std::nullopt},
                        {QString(), std::nullopt}};
  TempProgram t;
  for (const Case& c : cases) {
    t.setSetting(settings::kCountdown, c.line6);
    EXPECT_EQ(Settings(t.folder()).countdownSeconds(), c.seconds) << c.line6.toStdString();
  }
  QFile::remove(Settings(t.folder()).path());
  EXPECT_EQ(Settings(t.folder()).countdownSeconds(), std::nullopt);
}

TEST(Settings, SkinFilesAndSelections) {
  TempProgram t;
  Settings s(t.folder());
  EXPECT_EQ(s.skinFile(data::skin::kRight), t.folder() + QStringLiteral("/Data/Themes/Brown/DD.jpg"));
  EXPECT_TRUE(FileExists(s.skinFile(data::skin::kRight)));
  EXPECT_EQ(s.selection(data::kWallpaperSelected), data::kDefaultWallpaper.toString());
  EXPECT_EQ(s.selection(data::kBackgroundFlashSelected), "back.gif");
}

TEST(FilePaths, FolderNameAndExistence) {
  EXPECT_EQ(GetFolderPath(QStringLiteral("/home/t/lop 5/puzzle.txt")), "/home/t/lop 5");
  EXPECT_EQ(GetFolderPath(QStringLiteral("puzzle.txt")), QString());
  EXPECT_EQ(GetFileName(QStringLiteral("/home/t/clip.mp4")), "clip.mp4");
  EXPECT_EQ(GetFileName(QStringLiteral("C:\\video\\clip.mp4")), "clip.mp4");
  EXPECT_EQ(GetFileName(QStringLiteral("clip.mp4")), "clip.mp4");
  TempProgram t;
  EXPECT_TRUE(FileExists(t.path(data::kSettingsFile)));
  EXPECT_FALSE(FileExists(t.folder()));  // a folder is not a file
  EXPECT_FALSE(FileExists(t.folder() + QStringLiteral("/none.jpg")));
  EXPECT_FALSE(FileExists(QString()));
}

TEST(FilePaths, CompanionFilesMatchWithoutRegardToCase) {
  TempProgram t;
  const QString puzzle = t.writePuzzle(QStringLiteral("p.txt"), {});
  TempProgram::writePicture(t.puzzleFolder() + QStringLiteral("/Image3.JPG"), 4, 4, qRgb(1, 2, 3));
  EXPECT_TRUE(FileExists(CompanionPath(puzzle, QStringLiteral("image3.jpg"))));
  EXPECT_FALSE(FileExists(CompanionPath(puzzle, QStringLiteral("image4.jpg"))));
}

}  // namespace
}  // namespace kc
