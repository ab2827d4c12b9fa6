// The crossword picture: what the page copies from the editor, and the JPEG it writes,
// decoded back and looked at pixel by pixel.

#include "export/taoanh.h"
#include "core/text/vn_label.h"
#include "core/text/vn_line_edit.h"
#include "core/timing.h"
#include "editor/cell_label.h"
#include "editor/tests/editor_fixture.h"
#include "export/export_windows.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace kc::testing {
namespace {

class Picture : public EditorTest {
 protected:
  Picture() { registerExportWindows(*tp.program); }

  Taoanh& page() { return *tp.program->window<Taoanh>(windows::kSnapshot); }

  // A puzzle of `rows` rows; row 1 fills all 18 positions.
  void writePuzzle(int rows) {
    Maker& m = editor();
    m.chooseRowCount(QString::number(rows));
    m.answerBox(1)->setCodes("ABCDEFGHIJKLMNOPQR");
    for (int r = 2; r <= rows; ++r) m.answerBox(r)->setCodes("  WORD");
    m.topicBox()->setCodes("Rivers");
  }

  // Capture through the dialog and the timer; returns the decoded picture.
  QImage takePicture(const QString& name) {
    const QString path = tp.folder() + QLatin1Char('/') + name;
    tp.services.queueSave(path);
    editor().command(5)->click();
    page().captureButton()->click();
    page().tick();
    settle();
    return QImage(path);
  }

  // Pixel rectangle of cell k of row r on the page.
  static QRect cellRect(int r, int k) {
    return QRect((Taoanh::kFirstLeft + (k - 1) * Taoanh::kPitch) / 15, Taoanh::kRowTops[r - 1] / 15,
                 33, 33);
  }
};

// Largest distance of any channel from the colour inside the area.
int maxDistance(const QImage& img, const QRect& area, QColor colour) {
  int worst = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = img.pixelColor(x, y);
      worst = std::max({worst, std::abs(c.red() - colour.red()),
                        std::abs(c.green() - colour.green()), std::abs(c.blue() - colour.blue())});
    }
  return worst;
}

int darkPixels(const QImage& img, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += qGray(img.pixel(x, y)) < 128;
  return n;
}

// The background patch of a cell: its inside corner, clear of the border and the letter.
QRect backPatch(const QRect& cell) { return QRect(cell.left() + 3, cell.top() + 3, 4, 4); }

constexpr int kJpegTolerance = 8;

TEST_F(Picture, CopiesTheEditorAtLoad) {
  writePuzzle(8);
  editor().clickCell(1, 18);
  editor().clickCell(2, 3);
  editor().command(5)->click();
  Taoanh& p = page();
  EXPECT_TRUE(p.isVisible());
  EXPECT_EQ(p.size(), QSize(834, 598));
  for (int r = 1; r <= 12; ++r) EXPECT_EQ(Maker::shown(p.rowNumber(r)), r <= 8) << r;
  EXPECT_EQ(p.rowNumber(10)->codes(), "10.");
  EXPECT_EQ(p.rowNumber(12)->width(), 33);
  for (int k = 1; k <= 18; ++k) {
    EXPECT_TRUE(Maker::shown(p.cell(1, k))) << k;
    EXPECT_EQ(p.cell(1, k)->codes(), QString(QChar('A' + k - 1)));
  }
  EXPECT_FALSE(Maker::shown(p.cell(2, 1)));  // a leading space stays empty
  EXPECT_TRUE(Maker::shown(p.cell(2, 3)));
  EXPECT_FALSE(Maker::shown(p.cell(9, 3)));
  EXPECT_EQ(p.cell(1, 18)->backColour(), Taoanh::kKeyBack);
  EXPECT_EQ(p.cell(2, 3)->backColour(), Taoanh::kKeyBack);
  EXPECT_EQ(p.cell(2, 4)->backColour(), Taoanh::kWhite);
  EXPECT_EQ(p.cell(1, 18)->geometry().right(), 12165 / 15 - 1);
  EXPECT_EQ(p.title()->codes(), "Rivers");
  EXPECT_EQ(p.teacherLine()->codes(), QStringLiteral(u"Gi¸o viªn:"));
  EXPECT_FALSE(p.timer()->isActive());
}

TEST_F(Picture, PositionsOutsideTheRowShadeNothing) {
  PuzzleFixture f;
  f.answers = {"ABC", "ABC", "ABC"};
  f.specials = {0, 19, 2};
  openPuzzle(tp.writePuzzle("odd.txt", f));
  Taoanh& p = page();
  for (int r = 1; r <= 3; ++r)
    for (int k = 1; k <= 18; ++k)
      EXPECT_EQ(p.cell(r, k)->backColour(), r == 3 && k == 2 ? Taoanh::kKeyBack : Taoanh::kWhite)
          << r << "," << k;
}

TEST_F(Picture, WritesTheWindowAsAJpeg) {
  writePuzzle(4);
  editor().clickCell(1, 18);
  editor().clickCell(3, 5);
  const QImage img = takePicture("crossword.jpg");
  ASSERT_FALSE(img.isNull());
  EXPECT_EQ(img.size(), QSize(834, 598));
  EXPECT_EQ(tp.services.messageTexts(), QStringList{"Da Luu anh"});
  ASSERT_EQ(tp.services.saveRequests.size(), 1);
  EXPECT_EQ(tp.services.saveRequests[0].filter, "Image File (*.jpg)|*.jpg|");
  EXPECT_FALSE(tp.program->isLoaded(windows::kSnapshot));

  const QColor key(224, 224, 224), white(255, 255, 255);
  struct Cell {
    int r, k;
    QColor back;
  };
  const Cell cells[] = {{1, 18, key},   {3, 5, key},   {1, 1, white},
                        {1, 17, white}, {2, 3, white}, {4, 6, white}};
  for (const Cell& c : cells) {
    SCOPED_TRACE(::testing::Message() << "cell " << c.r << "," << c.k);
    EXPECT_LE(maxDistance(img, backPatch(cellRect(c.r, c.k)), c.back), kJpegTolerance);
    // Its letter is drawn in black.
    EXPECT_GT(darkPixels(img, cellRect(c.r, c.k).adjusted(4, 4, -4, -4)), 10);
  }
  // Row 5 and below, their numbers and the empty leading cells are plain page.
  EXPECT_LE(maxDistance(img, QRect(120, 242, 834 - 120, 598 - 242), white), kJpegTolerance);
  EXPECT_LE(maxDistance(img, cellRect(2, 1).united(cellRect(2, 2)), white), kJpegTolerance);
  // The capture button is not in the picture.
  EXPECT_LE(maxDistance(img, QRect(0, 0, 117, 47), white), kJpegTolerance);
  // The row numbers and the title are.
  EXPECT_GT(darkPixels(img, QRect(120, 78, 25, 33)), 10);
  EXPECT_GT(darkPixels(img, QRect(160, 20, 565, 31)), 10);
}

TEST_F(Picture, TeacherLineIsInThePicture) {
  writePuzzle(3);
  const QRect line(488, 0, 345, 21);
  editor().command(5)->click();
  page().teacherLine()->setCodes("");
  const QImage empty = takePicture("empty.jpg");
  editor().command(5)->click();
  QTest::keyClicks(page().teacherLine(), "Nguyen Van Binh");
  EXPECT_EQ(page().teacherLine()->codes(), QStringLiteral(u"Gi¸o viªn:Nguyen Van Binh"));
  const QImage named = takePicture("named.jpg");
  ASSERT_FALSE(empty.isNull());
  ASSERT_FALSE(named.isNull());
  EXPECT_EQ(darkPixels(empty, line), 0);
  EXPECT_GT(darkPixels(named, line), 50);
  // Nothing else differs between the two pictures.
  EXPECT_EQ(empty.copy(0, 60, 834, 538), named.copy(0, 60, 834, 538));
}

TEST_F(Picture, CaptureHidesTheButtonUntilThePictureIsTaken) {
  writePuzzle(3);
  const QString path = tp.folder() + "/later.jpg";
  tp.services.queueSave(path);
  editor().command(5)->click();
  Taoanh& p = page();
  p.captureButton()->click();
  EXPECT_FALSE(Maker::shown(p.captureButton()));
  EXPECT_TRUE(p.timer()->isActive());
  EXPECT_EQ(p.timer()->interval(), timing::kSnapshotDelayMs);
  EXPECT_EQ(timing::kSnapshotDelayMs, 1000);
  EXPECT_EQ(p.targetPath(), path);
  EXPECT_FALSE(QFile::exists(path));  // nothing is written before the delay
  p.tick();
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_FALSE(p.timer()->isActive());
  EXPECT_EQ(p.picture().size(), QSize(834, 598));
}

TEST_F(Picture, TheTimerTakesThePictureByItself) {
  writePuzzle(3);
  const QString path = tp.folder() + "/timed.jpg";
  tp.services.queueSave(path);
  editor().command(5)->click();
  page().captureButton()->click();
  QTRY_VERIFY_WITH_TIMEOUT(!tp.program->isLoaded(windows::kSnapshot), 5000);
  EXPECT_EQ(QImage(path).size(), QSize(834, 598));
  EXPECT_EQ(tp.services.messageTexts(), QStringList{"Da Luu anh"});
}

TEST_F(Picture, CancelledDialogWritesNothingAndSaysNothing) {
  writePuzzle(3);
  tp.services.queueSave(std::nullopt);
  editor().command(5)->click();
  Taoanh& p = page();
  p.captureButton()->click();
  EXPECT_TRUE(Maker::shown(p.captureButton()));
  EXPECT_FALSE(p.timer()->isActive());
  EXPECT_TRUE(tp.services.messages.isEmpty());
  EXPECT_TRUE(tp.program->isLoaded(windows::kSnapshot));
  EXPECT_TRUE(QDir(tp.folder()).entryList({"*.jpg"}, QDir::Files).isEmpty());
}

TEST_F(Picture, FailedWriteShowsTheEncoderMessageOnly) {
  writePuzzle(3);
  const QImage img = takePicture("no such folder/picture.jpg");
  EXPECT_TRUE(img.isNull());
  EXPECT_EQ(tp.services.messageTexts(), QStringList{"Failed to save to JPG"});
  EXPECT_FALSE(tp.program->isLoaded(windows::kSnapshot));
}

TEST_F(Picture, AClickOnThePageReturnsToTheEditor) {
  writePuzzle(3);
  editor().command(5)->click();
  page().show();
  QTest::mouseClick(page().childAt(400, 580), Qt::LeftButton, {}, QPoint(5, 5));
  settle();
  EXPECT_FALSE(tp.program->isLoaded(windows::kSnapshot));
  EXPECT_TRUE(editor().isVisible());
  EXPECT_EQ(editor().answerBox(1)->codes(), "ABCDEFGHIJKLMNOPQR");
}

}  // namespace
}  // namespace kc::testing
