// The editor window: start state, cells, row count, Open, special letters, hints, leaving.

#include "core/text/vn_label.h"
#include "core/text/vn_line_edit.h"
#include "editor/cell_label.h"
#include "editor/tests/editor_fixture.h"

#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace kc::testing {
namespace {

constexpr std::int32_t kWhite = 16777215;
constexpr std::int32_t kRed = 255;  // key background of the test settings

using Maker_ = EditorTest;

// Cells of a row as a string: the shown letter, or '.' for a hidden cell (cells 1..18).
QString cellPicture(Maker& m, int row) {
  QString s;
  for (int k = 1; k <= Maker::kCells; ++k)
    s += Maker::shown(m.cell(row, k)) ? m.cell(row, k)->text() : QStringLiteral(".");
  return s;
}

void hover(QWidget* w) {
  QEnterEvent e(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QCoreApplication::sendEvent(w, &e);
}

TEST_F(Maker_, StartsWithThreeEmptyRowsAndTheSkin) {
  Maker& m = editor();
  EXPECT_EQ(m.rowCountBox()->currentText(), "3");
  EXPECT_EQ(m.rowCountBox()->count(), 10);
  for (int r = 1; r <= 12; ++r) {
    const bool inUse = r <= 3;
    SCOPED_TRACE(r);
    EXPECT_EQ(Maker::shown(m.rowCaption(r)), inUse);
    EXPECT_EQ(Maker::shown(m.rowNumber(r)), inUse);
    EXPECT_EQ(Maker::shown(m.answerBox(r)), inUse);
    EXPECT_EQ(Maker::shown(m.questionBox(r)), inUse);
    EXPECT_EQ(cellPicture(m, r), QString(18, '.'));
    EXPECT_EQ(m.special(r), "0");
    EXPECT_EQ(m.cell(r, 1)->backColour(), kWhite);
  }
  EXPECT_EQ(m.rowCaption(12)->codes(), QStringLiteral(u"¤ 12 :"));
  EXPECT_EQ(m.rowNumber(12)->codes(), "12.");
  EXPECT_EQ(m.topicBox()->codes(), QStringLiteral(u"Mêi nhËp chñ ®Ò"));
  EXPECT_EQ(m.keywordBox()->codes(), "");
  EXPECT_EQ(m.openFilePath(), "");
  EXPECT_EQ(m.programFolderField(), tp.folder());
  EXPECT_EQ(m.windowTitle(), "Soan tro choi o chu");
  EXPECT_EQ(m.size(), QSize(1024, 768));
  // Row tops keep the rows apart: each row starts below the previous row's cells.
  for (int r = 2; r <= 12; ++r) EXPECT_GE(m.cell(r, 1)->y(), m.cell(r - 1, 1)->geometry().bottom());
  EXPECT_EQ(m.cell(1, 18)->geometry(), QRect(360 + 17 * 33, 148, 33, 33));
  // The skin's pictures replace the built-in captions.
  EXPECT_EQ(m.skinName(), "Brown");
  for (int n : {1, 3, 4, 5}) {
    SCOPED_TRACE(n);
    EXPECT_FALSE(m.command(n)->icon().isNull());
    EXPECT_TRUE(m.command(n)->text().isEmpty());
  }
  EXPECT_FALSE(m.command(8)->text().isEmpty());
  EXPECT_EQ(m.background()->pixmap().size(), QSize(256, 192));
}

TEST_F(Maker_, CellsFollowTheAnswer) {
  struct Case {
    QString answer;
    QString cells;
  };
  const Case cases[] = {
      {"HA NOI", "HA.NOI............"},  {"ha", "HA................"},
      {"  HANOI", "..HANOI..........."}, {"ABCDEFGHIJKLMNOPQRSTU", "ABCDEFGHIJKLMNOPQR"},
      {"   ", ".................."},     {"", ".................."},
  };
  Maker& m = editor();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.toStdString());
    m.answerBox(2)->setCodes(c.answer);
    EXPECT_EQ(cellPicture(m, 2), c.cells);
  }
  // Deleting an answer hides all its cells again.
  m.answerBox(2)->setCodes("ABC");
  m.answerBox(2)->setCodes("");
  EXPECT_EQ(cellPicture(m, 2), QString(18, '.'));
}

TEST_F(Maker_, TypedUnicodeBecomesCodesAndCapitalCells) {
  Maker& m = editor();
  typeText(m.answerBox(1), QStringLiteral(u"hà"));
  EXPECT_EQ(m.answerBox(1)->codes(), QStringLiteral(u"h\u00B5"));
  EXPECT_EQ(cellPicture(m, 1), QStringLiteral(u"HÀ") + QString(16, '.'));
}

TEST_F(Maker_, ChoosingTheRowCountShowsRowsAndDropsTrailingSpaces) {
  Maker& m = editor();
  m.answerBox(1)->setCodes("AB  ");
  m.chooseRowCount("5");
  for (int r = 1; r <= 12; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(Maker::shown(m.rowCaption(r)), r <= 5);
    EXPECT_EQ(Maker::shown(m.rowNumber(r)), r <= 5);
    EXPECT_EQ(Maker::shown(m.answerBox(r)), r <= 5);
    EXPECT_EQ(Maker::shown(m.questionBox(r)), r <= 5);
  }
  EXPECT_EQ(m.answerBox(1)->codes(), "AB");
  EXPECT_EQ(cellPicture(m, 1), "AB" + QString(16, '.'));
  // Empty cells shown by the row switch are hidden again by the redraw.
  EXPECT_EQ(cellPicture(m, 5), QString(18, '.'));
}

TEST_F(Maker_, LoweringTheRowCountHidesTheCellsOfRowsBeyondIt) {
  Maker& m = editor();
  m.chooseRowCount("5");
  for (int r = 1; r <= 5; ++r) m.answerBox(r)->setCodes(QStringLiteral("ROW%1").arg(r));
  m.chooseRowCount("3");
  EXPECT_EQ(cellPicture(m, 3), "ROW3" + QString(14, '.'));
  EXPECT_EQ(cellPicture(m, 4), QString(18, '.'));
  EXPECT_EQ(cellPicture(m, 5), QString(18, '.'));
  // The answers are kept: raising the count again shows them.
  m.chooseRowCount("5");
  EXPECT_EQ(cellPicture(m, 5), "ROW5" + QString(14, '.'));
}

TEST_F(Maker_, TypedRowCountOutsideTheListOnlyChangesWhatIsSaved) {
  Maker& m = editor();
  m.show();
  m.rowCountBox()->lineEdit()->selectAll();
  QTest::keyClicks(m.rowCountBox()->lineEdit(), "15");
  QTest::keyClick(m.rowCountBox()->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(m.rowCountBox()->currentText(), "15");
  EXPECT_EQ(m.rowCountBox()->count(), 10);
  EXPECT_FALSE(Maker::shown(m.answerBox(4)));
  m.rowCountBox()->setCurrentText("7");
  EXPECT_FALSE(Maker::shown(m.answerBox(4)));
  // A count from a file outside the list: captions up to twelve, no cells, boxes unchanged.
  m.rowCountBox()->setCurrentText("15");
  m.answerBox(1)->setCodes("AB");
  m.taoO();
  for (int r = 1; r <= 12; ++r) EXPECT_TRUE(Maker::shown(m.rowCaption(r))) << r;
  EXPECT_EQ(cellPicture(m, 1), QString(18, '.'));
  EXPECT_TRUE(Maker::shown(m.answerBox(3)));
  EXPECT_FALSE(Maker::shown(m.answerBox(4)));
  m.rowCountBox()->setCurrentText("abc");
  m.taoO();
  for (int r = 1; r <= 12; ++r) EXPECT_FALSE(Maker::shown(m.rowCaption(r))) << r;
}

TEST_F(Maker_, OpensAFiveRowPuzzle) {
  PuzzleFixture p;
  p.rows = 5;
  p.answers = {"HANOI", "  HUE", "DA NANG", "VINH", "CANTHO"};
  p.questions = {"Q1", "Q2", "Q3", "Q4", "Q5"};
  p.topic = QStringLiteral(u"Thµnh phè");
  p.specials = {1, 3, 4, 0, 6};
  p.keywordQuestion = "Keyword?";
  openPuzzle(tp.writePuzzle("five.txt", p));
  Maker& m = editor();
  EXPECT_EQ(m.rowCountBox()->currentText(), "5");
  for (int r = 1; r <= 12; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(Maker::shown(m.answerBox(r)), r <= 5);
    EXPECT_EQ(Maker::shown(m.rowCaption(r)), r <= 5);
    if (r > 5) {
      EXPECT_EQ(m.answerBox(r)->codes(), " ");
      EXPECT_EQ(m.questionBox(r)->codes(), "0");
      EXPECT_EQ(cellPicture(m, r), QString(18, '.'));
    }
  }
  EXPECT_EQ(m.answerBox(2)->codes(), "  HUE");
  EXPECT_EQ(cellPicture(m, 3), "DA.NANG" + QString(11, '.'));
  EXPECT_EQ(m.questionBox(5)->codes(), "Q5");
  EXPECT_EQ(m.topicBox()->codes(), QStringLiteral(u"Thµnh phè"));
  EXPECT_EQ(m.keywordBox()->codes(), "Keyword?");
  // Line 29 "4": cell 4 of row 3 in the key colours, the position kept.
  EXPECT_EQ(m.special(3), "4");
  EXPECT_EQ(m.cell(3, 4)->backColour(), kRed);
  EXPECT_EQ(m.cell(3, 4)->textColour(), kWhite);
  EXPECT_EQ(m.cell(3, 3)->backColour(), kWhite);
  EXPECT_EQ(m.cell(3, 3)->textColour(), 0);
  EXPECT_EQ(m.cell(4, 1)->backColour(), kWhite);  // position 0 colours nothing visible
  EXPECT_EQ(m.openFilePath(), tp.puzzleFolder() + "/five.txt");
  // Using the row-count list turns the single spaces of the unused rows into empty answers.
  m.chooseRowCount("5");
  EXPECT_EQ(m.answerBox(6)->codes(), "");
  EXPECT_EQ(m.answerBox(2)->codes(), "  HUE");
  const auto& request = tp.services.openRequests.last();
  EXPECT_EQ(request.filter, "Text File (*.txt)|*.txt|");
  EXPECT_EQ(request.title, "Phan Mem Tao O Chu - Dalvorin HighSchool");
  EXPECT_EQ(request.fileName, "Phan Mem Tao O Chu - Dalvorin HighSchool");
}

TEST_F(Maker_, OpeningTheSameFileAgainRedrawsEveryRow) {
  PuzzleFixture p;
  p.answers = {"AB", "CD", "EF"};
  const QString path = tp.writePuzzle("same.txt", p);
  openPuzzle(path);
  editor().chooseRowCount("12");  // every cell of every row shown, then redrawn
  openPuzzle(path);
  EXPECT_EQ(cellPicture(editor(), 1), "AB" + QString(16, '.'));
  EXPECT_EQ(cellPicture(editor(), 4), QString(18, '.'));
}

TEST_F(Maker_, CancelledOpenChangesNothing) {
  PuzzleFixture p;
  p.answers = {"AB", "CD", "EF"};
  p.specials = {2};
  const QString path = tp.writePuzzle("a.txt", p);
  openPuzzle(path);
  editor().answerBox(1)->setCodes("XY");
  tp.services.queueOpen(std::nullopt);
  editor().open();
  EXPECT_EQ(editor().openFilePath(), path);
  EXPECT_EQ(editor().answerBox(1)->codes(), "XY");
  EXPECT_EQ(editor().cell(1, 2)->backColour(), kRed);
}

TEST_F(Maker_, ShortFileLoadsEmptyFields) {
  openPuzzle(tp.writePuzzleLines("short.txt", {"4", "AB", "CD"}));
  Maker& m = editor();
  EXPECT_EQ(m.rowCountBox()->currentText(), "4");
  EXPECT_EQ(m.answerBox(2)->codes(), "CD");
  EXPECT_EQ(m.answerBox(3)->codes(), "");
  EXPECT_EQ(m.topicBox()->codes(), "");
  EXPECT_EQ(m.keywordBox()->codes(), "");
  EXPECT_EQ(m.special(1), "");
}

// A sequence of clicks (row, cell) and the marks it leaves.
TEST_F(Maker_, SpecialLetterClicks) {
  struct Click {
    int row, k;
  };
  struct Case {
    const char* name;
    std::vector<Click> clicks;
    std::vector<std::pair<int, int>> marks;  // (row, cell) in key colours; other rows "0"
  };
  const Case cases[] = {
      {"mark", {{2, 5}}, {{2, 5}}},
      {"unmark", {{2, 5}, {2, 5}}, {}},
      {"move", {{2, 5}, {2, 7}}, {{2, 7}}},
      {"independent rows", {{1, 3}, {3, 6}}, {{1, 3}, {3, 6}}},
      {"mark again after unmark", {{2, 5}, {2, 5}, {2, 1}}, {{2, 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempProgram fresh;
    registerEditorWindows(*fresh.program);
    registerMediaWindows(*fresh.program);
    Maker& m = *fresh.program->window<Maker>(windows::kEditor);
    for (int r = 1; r <= 3; ++r) m.answerBox(r)->setCodes("ABCDEFGH");
    for (const Click& k : c.clicks) m.clickCell(k.row, k.k);
    for (int r = 1; r <= 3; ++r) {
      int marked = 0;
      for (const auto& [row, k] : c.marks)
        if (row == r) marked = k;
      EXPECT_EQ(m.special(r), QString::number(marked)) << "row " << r;
      for (int k = 1; k <= 18; ++k) {
        EXPECT_EQ(m.cell(r, k)->backColour(), k == marked ? kRed : kWhite) << r << "," << k;
        EXPECT_EQ(m.cell(r, k)->textColour(), k == marked ? kWhite : 0) << r << "," << k;
      }
    }
  }
}

TEST_F(Maker_, RealClickOnACellMarksIt) {
  Maker& m = editor();
  m.answerBox(2)->setCodes("ABCDEFG");
  m.show();
  QTest::mouseClick(m.cell(2, 5), Qt::LeftButton);
  EXPECT_EQ(m.special(2), "5");
  hover(m.cell(2, 5));
  EXPECT_EQ(m.hintLine()->codes(), Maker::kCellHint);
}

TEST_F(Maker_, ChangedKeyColourShowsAtTheNextClick) {
  Maker& m = editor();
  m.answerBox(1)->setCodes("ABCDEF");
  m.clickCell(1, 2);
  tp.setSetting(4, "65280");
  EXPECT_EQ(m.cell(1, 2)->backColour(), kRed);
  m.clickCell(1, 4);
  EXPECT_EQ(m.cell(1, 4)->backColour(), 65280);
  EXPECT_EQ(m.cell(1, 2)->backColour(), kWhite);
}

TEST_F(Maker_, ColourOrPositionThatIsNotANumber) {
  // A hand-edited position: the click treats it as no mark.
  PuzzleFixture p;
  p.answers = {"ABC", "ABCDEF", "ABC"};
  QStringList lines = p.lines();
  lines[27] = "x";  // line 28: row 2
  openPuzzle(tp.writePuzzleLines("odd.txt", lines));
  Maker& m = editor();
  EXPECT_EQ(m.special(2), "x");
  m.clickCell(2, 3);
  EXPECT_EQ(m.special(2), "3");
  EXPECT_EQ(m.cell(2, 3)->backColour(), kRed);
  // A key colour line that is not a number: the cell keeps its previous colour.
  tp.setSetting(4, "red");
  m.clickCell(2, 5);
  EXPECT_EQ(m.special(2), "5");
  EXPECT_EQ(m.cell(2, 5)->backColour(), kWhite);
  EXPECT_EQ(m.cell(2, 5)->textColour(), kWhite);
  EXPECT_EQ(m.cell(2, 3)->backColour(), kWhite);
}

TEST_F(Maker_, HintLine) {
  Maker& m = editor();
  m.questionBox(3)->setCodes("Where?");
  struct Case {
    QWidget* w;
    QString hint;
  };
  const Case cases[] = {
      {m.command(1), QStringLiteral(u"Tho¸t khái giao diÖn so¹n th¶o vµ trë l¹i menu.")},
      {m.command(3),
       QStringLiteral(u"L\u00ADu b¶n th¶o ®ang so¹n thµnh mét file míi cã tªn kh¸c.")},
      {m.command(4), QStringLiteral(u"Chän mét file chøa s½n « ch÷ ®Ó tiÕn hµnh chØnh söa.")},
      {m.command(5), QStringLiteral(u"T¹o ¶nh ®Ó tiÖn in ra giÊy hoÆc chia sÎ.")},
      {m.command(6), QStringLiteral(u"T¹o liªn kÕt víi video clip")},
      {m.command(7), QStringLiteral(u"ThiÕt lËp n©ng cao cho bµi gi¶ng.")},
      {m.command(8),
       QStringLiteral(u"Nót Save: L\u00ADu v¨n b¶n ®ang so¹n vµo file ®ang bËt, File sÏ "
                      u"cã néi dung cña v¨n b¶n ®ang so¹n.")},
      {m.topicBox(), QStringLiteral(u"NhËp chñ ®Ò cña « ch÷ ®ang so¹n th¶o.")},
      {m.questionBox(3), QStringLiteral(u"C©u 3 : Where?")},
  };
  for (const Case& c : cases) {
    hover(c.w);
    EXPECT_EQ(m.hintLine()->codes(), c.hint) << c.w->objectName().toStdString();
  }
  // Both Save hints begin their "Lưu" with the bytes 4C AD 75.
  EXPECT_EQ(Maker::hintFor(3).left(3).toLatin1(), QByteArray("\x4C\xAD\x75"));
  EXPECT_EQ(Maker::hintFor(8).mid(10, 3).toLatin1(), QByteArray("\x4C\xAD\x75"));
  // The hint line echoes the question being typed.
  m.questionBox(12)->setCodes("Q");
  EXPECT_EQ(m.hintLine()->codes(), QStringLiteral(u"C©u 12 : Q"));
  // It is as wide as its text.
  EXPECT_EQ(m.hintLine()->width(), m.hintLine()->sizeHint().width());
}

TEST_F(Maker_, FirstClickIntoTheTopicClearsTheInvitation) {
  Maker& m = editor();
  m.show();
  QTest::mouseClick(m.topicBox(), Qt::LeftButton);
  EXPECT_EQ(m.topicBox()->codes(), "");
  QTest::keyClicks(m.topicBox(), "Rivers");
  QTest::mouseClick(m.topicBox(), Qt::LeftButton);
  EXPECT_EQ(m.topicBox()->codes(), "Rivers");
}

TEST_F(Maker_, LeavingUnloadsTheEditorAndTheWelcomeSettings) {
  editor().answerBox(1)->setCodes("AB");
  welcome();
  editor().leave();
  settle();
  EXPECT_FALSE(tp.program->isLoaded(windows::kEditor));
  EXPECT_FALSE(tp.program->isLoaded(windows::kWelcomeConf));
  // Entering again starts from nothing.
  EXPECT_EQ(editor().answerBox(1)->codes(), "");
  EXPECT_EQ(editor().topicBox()->codes(), QStringLiteral(u"Mêi nhËp chñ ®Ò"));
  EXPECT_EQ(editor().openFilePath(), "");
}

TEST_F(Maker_, ClosingByTheTitleBarKeepsTheWelcomeSettings) {
  editor().show();
  welcome();
  editor().close();
  settle();
  EXPECT_FALSE(tp.program->isLoaded(windows::kEditor));
  EXPECT_TRUE(tp.program->isLoaded(windows::kWelcomeConf));
}

TEST_F(Maker_, CommandsShowTheSecondaryWindows) {
  editor().command(7)->click();
  EXPECT_TRUE(welcome().isVisible());
  editor().command(6)->click();
  EXPECT_TRUE(media().isVisible());
  EXPECT_TRUE(tp.program->isLoaded(windows::kEditor));
}

}  // namespace
}  // namespace kc::testing
