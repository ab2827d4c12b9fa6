// Picture controls: stretched pictures are scaled once, and a picture loaded for later is
// checked at once but decoded only when it is drawn.

#include "core/testing/temp_program.h"
#include "core/twips.h"
#include "core/picture_box.h"
#include "show/tests/show_fixture.h"

#include <QFile>
#include <QTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kc::testing {
namespace {

TEST(PictureBoxTest, LoadWhenShownReadsTheSizeNowAndDecodesOnFirstUse) {
  QTemporaryDir dir;
  const QString path = dir.path() + QStringLiteral("/q.jpg");
  TempProgram::writePicture(path, 30, 20, qRgb(250, 0, 0));
  PictureBox box;
  box.loadWhenShown(path);
  EXPECT_TRUE(box.isDecodePending());
  EXPECT_EQ(box.pictureTwips(), QSize(450, 300));
  EXPECT_EQ(box.file(), path);
  EXPECT_EQ(box.picture().size(), QSize(30, 20));
  EXPECT_FALSE(box.isDecodePending());
  EXPECT_GT(box.picture().toImage().pixelColor(5, 5).red(), 200);
}

TEST(PictureBoxTest, AnUnreadableFileIsRefusedAtOnceAndKeepsTheOldPicture) {
  QTemporaryDir dir;
  const QString good = dir.path() + QStringLiteral("/good.png");
  TempProgram::writePicture(good, 8, 8, qRgb(0, 0, 255));
  const QString bad = dir.path() + QStringLiteral("/bad.jpg");
  writeFile(bad, QByteArray("not a picture"));
  PictureBox box;
  box.load(good);
  for (const QString& path : {bad, dir.path() + QStringLiteral("/missing.jpg")}) {
    EXPECT_THROW(box.loadWhenShown(path), PictureError) << path.toStdString();
    EXPECT_EQ(box.picture().size(), QSize(8, 8));
    EXPECT_EQ(box.file(), good);
  }
}

TEST(PictureBoxTest, APictureSpoiltBeforeItIsDrawnLeavesTheBoxEmpty) {
  QTemporaryDir dir;
  const QString path = dir.path() + QStringLiteral("/q.png");
  TempProgram::writePicture(path, 8, 8, qRgb(0, 0, 255));
  PictureBox box;
  box.loadWhenShown(path);
  QFile::remove(path);
  EXPECT_TRUE(box.picture().isNull());
  box.resize(8, 8);
  box.grab();  // drawing an empty box is fine
}

using QuestionPanel = ShowTest;

TEST_F(QuestionPanel, ItsBackgroundIsSizedAtOpenAndDecodedWhenFirstShown) {
  Form1* show = open(simplePuzzle(3));
  ASSERT_NE(show, nullptr);
  EXPECT_TRUE(show->image5()->isDecodePending()) << "the panel starts hidden";
  EXPECT_EQ(twips::rect(show->image5()).size(), QSize(389 * 15, 389 * 15));
  tp.setSetting(7, QStringLiteral("Style2"));
  show->chooseRow(1);
  for (int i = 0; i < 20 && show->timer(2)->isActive(); ++i) show->timer2Tick();
  show->frame2()->grab();
  EXPECT_FALSE(show->image5()->isDecodePending());
  EXPECT_FALSE(show->image5()->picture().isNull());
}

}  // namespace
}  // namespace kc::testing
