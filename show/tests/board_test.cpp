// The board as the show builds it: rows filled from the puzzle, start-up paths, colours,
// places, the side panel and closing.

#include "core/players/media_player.h"
#include "core/text/vn_label.h"
#include "core/twips.h"
#include "core/window_names.h"
#include "show/letter_cell.h"
#include "core/picture_box.h"
#include "show/tests/show_fixture.h"

#include <QDir>
#include <QLineEdit>
#include <QTimer>

namespace kc::testing {
namespace {

using Board = ShowTest;

// Positions 1..18 that show a cell in a row.
QList<int> shownPositions(Form1* f, int row) {
  QList<int> shown;
  for (int k = 0; k <= Form1::kPositions; ++k)
    if (f->cell(row, k)->isVisibleTo(f)) shown << k;
  return shown;
}

QString lettersOf(Form1* f, int row, const QList<int>& positions) {
  QString s;
  for (int k : positions) s += f->cell(row, k)->letter();
  return s;
}

bool rowControlsShown(Form1* f, int r) {
  return f->rowLabel(r)->isVisibleTo(f) && f->rightButton(r)->isVisibleTo(f) &&
         f->wrongButton(r)->isVisibleTo(f);
}

TEST_F(Board, RowTextsFillTheirCells) {
  struct Case {
    const char* name;
    QString text;
    QList<int> shown;
    QString letters;
    bool rowShown;
  };
  const QList<Case> cases = {
      {"twenty characters keep the first 18",
       QStringLiteral("ABCDEFGHIJKLMNOPQRST"),
       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18},
       QStringLiteral("ABCDEFGHIJKLMNOPQR"),
       true},
      {"leading spaces shift the row",
       QStringLiteral("   ABC"),
       {4, 5, 6},
       QStringLiteral("ABC"),
       true},
      {"an inner space is a gap",
       QStringLiteral("AB CD"),
       {1, 2, 4, 5},
       QStringLiteral("ABCD"),
       true},
      {"only spaces show no cell", QStringLiteral("    "), {}, QString(), true},
      {"an empty text shows no cell", QString(), {}, QString(), true},
      {"a row not in use is hidden with its controls", QStringLiteral("0"), {}, QString(), false},
      {"Vietnamese codes stay one cell each",
       QStringLiteral("H\u00b5 N\u00e9i"),
       {1, 2, 4, 5, 6},
       QStringLiteral("H\u00b5N\u00e9i"),
       true},
  };
  PuzzleFixture p;
  p.rows = int(cases.size());
  for (const Case& c : cases) {
    p.answers << c.text;
    p.questions << QStringLiteral("q");
  }
  Form1* f = open(p);
  for (int i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    const int row = i + 1;
    EXPECT_EQ(shownPositions(f, row), c.shown);
    EXPECT_EQ(lettersOf(f, row, c.shown), c.letters);
    for (int k : c.shown) EXPECT_EQ(f->cell(row, k)->shownText(), QStringLiteral("*"));
    EXPECT_EQ(rowControlsShown(f, row), c.rowShown);
  }
  // A letter shows in the capitals font once revealed.
  f->revealCell(7, 2);
  EXPECT_EQ(f->cell(7, 2)->shownText(), QStringLiteral("\u00c0"));
}

TEST_F(Board, UnusedRowsAreLeftOut) {
  Form1* f = open(simplePuzzle(8));
  for (int r = 1; r <= 12; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(rowControlsShown(f, r), r <= 8);
    EXPECT_EQ(shownPositions(f, r).isEmpty(), r > 8);
  }
  EXPECT_EQ(f->rowLabel(2)->objectName(), QStringLiteral("C2"));
  EXPECT_EQ(f->rowLabel(8)->objectName(), QStringLiteral("c8"));
  EXPECT_TRUE(f->chude()->isVisibleTo(f));
  EXPECT_EQ(f->chude()->codes(), QStringLiteral("Topic"));
  for (int i = 1; i <= 6; ++i) EXPECT_FALSE(f->welcomeLine(i)->isVisibleTo(f));
}

TEST_F(Board, MissingPuzzleShowsTwelveEmptyRows) {
  Form1* f = openPath(tp.puzzleFolder() + QStringLiteral("/gone.txt"));
  ASSERT_NE(f, nullptr);
  for (int r = 1; r <= 12; ++r) {
    SCOPED_TRACE(r);
    EXPECT_TRUE(rowControlsShown(f, r));
    EXPECT_TRUE(shownPositions(f, r).isEmpty());
  }
  EXPECT_EQ(f->chude()->codes(), QStringLiteral("-"));
  EXPECT_TRUE(f->chude()->isVisibleTo(f));
}

TEST_F(Board, WelcomePageComesFirstAndAnyLineStartsTheGame) {
  for (int line = 1; line <= 6; ++line) {
    SCOPED_TRACE(line);
    PuzzleFixture p = simplePuzzle(3);
    p.welcome = 1;
    Form1* f = open(p);
    const int firstTop = twips::screenSize().height() / 2 - 4000;
    for (int i = 1; i <= 6; ++i) {
      VnLabel* l = f->welcomeLine(i);
      EXPECT_EQ(l->objectName(), QStringLiteral("Label%1").arg(i + 4));
      EXPECT_TRUE(l->isVisibleTo(f));
      EXPECT_EQ(l->codes(), p.welcomeLines[i - 1]);
      EXPECT_EQ(twips::top(l), firstTop + 1200 * (i - 1));
      EXPECT_EQ(twips::left(l), 0);
      EXPECT_EQ(twips::width(l), 15405 - 500);
    }
    EXPECT_EQ(f->welcomeLine(6)->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_FALSE(f->chude()->isVisibleTo(f));
    EXPECT_FALSE(rowControlsShown(f, 1));
    EXPECT_TRUE(shownPositions(f, 1).isEmpty());

    click(f->welcomeLine(line));
    for (int i = 1; i <= 6; ++i) EXPECT_FALSE(f->welcomeLine(i)->isVisibleTo(f));
    EXPECT_TRUE(f->chude()->isVisibleTo(f));
    EXPECT_TRUE(rowControlsShown(f, 3));
    EXPECT_EQ(shownPositions(f, 1).size(), 7);
    f->exitShow();
    settle();
  }
}

TEST_F(Board, WelcomeLinesTurnBoldUnderTheMouse) {
  PuzzleFixture p = simplePuzzle(3);
  p.welcome = 1;
  Form1* f = open(p);
  hover(f->image1());
  for (int i = 1; i <= 6; ++i) EXPECT_FALSE(f->welcomeLine(i)->isBold());
  hover(f->welcomeLine(3));
  EXPECT_TRUE(f->welcomeLine(3)->isBold());
  EXPECT_FALSE(f->welcomeLine(4)->isBold());
}

TEST_F(Board, CellsTakeTheSettingsColours) {
  struct Case {
    QString cellBack, cellText, keyBack, keyText;
  };
  const QList<Case> cases = {{"16777215", "0", "255", "16777215"},
                             {"255", "16777215", "65280", "0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cellBack.toStdString());
    tp.setSetting(1, c.cellBack);
    tp.setSetting(2, c.cellText);
    tp.setSetting(4, c.keyBack);
    tp.setSetting(5, c.keyText);
    PuzzleFixture p;
    p.rows = 4;
    p.answers = {"HANOI", "  HUE", "AB", "XYZ"};
    p.questions = {"a", "b", "c", "d"};
    p.specials = {3, 4, 0, 9};  // row 3: none; row 4: past the end of its answer
    Form1* f = open(p);
    const auto normal = [&](int r, int k) {
      return f->cell(r, k)->backColour() == c.cellBack.toInt() &&
             f->cell(r, k)->textColour() == c.cellText.toInt();
    };
    const auto key = [&](int r, int k) {
      return f->cell(r, k)->backColour() == c.keyBack.toInt() &&
             f->cell(r, k)->textColour() == c.keyText.toInt();
    };
    EXPECT_TRUE(key(1, 3));
    EXPECT_TRUE(normal(1, 1) && normal(1, 2) && normal(1, 4) && normal(1, 18));
    EXPECT_TRUE(key(2, 4));
    EXPECT_TRUE(normal(2, 3));
    for (int k = 1; k <= 18; ++k) EXPECT_TRUE(normal(3, k)) << k;
    EXPECT_TRUE(key(3, 0));  // the never-shown cell
    EXPECT_FALSE(f->cell(3, 0)->isVisibleTo(f));
    EXPECT_TRUE(key(4, 9));
    EXPECT_FALSE(f->cell(4, 9)->isVisibleTo(f));
    EXPECT_EQ(f->chude()->textColour(), c.cellText.toInt());
    EXPECT_EQ(f->rowLabel(1)->textColour(), c.cellText.toInt());
    EXPECT_EQ(f->cauhoi()->textColour(), c.cellText.toInt());
    f->exitShow();
    settle();
  }
}

TEST_F(Board, EveryRowLinesUpWithItsLabelAndButtons) {
  Form1* f = open(simplePuzzle(12));
  const QRect window = twips::rect(f);
  EXPECT_EQ(window.size(), QSize(15405, 11520));
  EXPECT_EQ(window.topLeft(), twips::centredOnScreen(15405, 11520));
  EXPECT_TRUE(f->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(f->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(f->testAttribute(Qt::WA_ShowWithoutActivating));
  const int labelLefts[] = {0,    2940, 2970, 2970, 2970, 2970, 2970,
                            2970, 2970, 2970, 2850, 2820, 2850};
  for (int r = 1; r <= 12; ++r) {
    SCOPED_TRACE(r);
    const int top = 1860 + 700 * (r - 1);
    for (int k = 1; k <= 18; ++k)
      EXPECT_EQ(twips::rect(f->cell(r, k)), QRect(4050 + 550 * (k - 1), top, 550, 630)) << k;
    EXPECT_EQ(twips::rect(f->rowLabel(r)),
              QRect(labelLefts[r], 1920 + 700 * (r - 1), r < 10 ? 270 : 540, 585));
    EXPECT_EQ(twips::rect(f->rightButton(r)), QRect(13860, top + 67, 615, 495));
    EXPECT_EQ(twips::rect(f->wrongButton(r)), QRect(14550, top + 67, 615, 495));
    // Beside its own row: the label and the buttons overlap the row's cells vertically.
    EXPECT_LT(twips::top(f->rowLabel(r)), top + 630);
    EXPECT_GT(twips::top(f->rowLabel(r)) + 585, top);
    EXPECT_FALSE(f->rightButton(r)->picture().isNull());
    EXPECT_FALSE(f->wrongButton(r)->picture().isNull());
  }
  EXPECT_LE(1860 + 700 * 11 + 630, 11520);
  EXPECT_EQ(twips::rect(f->chude()).left(), 0);
  EXPECT_EQ(twips::rect(f->chude()).top(), 510);
  EXPECT_EQ(twips::rect(f->chude()).width(), 15405);
  EXPECT_EQ(twips::rect(f->image1()), QRect(0, 0, 15360, 11520));
  EXPECT_FALSE(f->image1()->picture().isNull());
}

TEST_F(Board, ControlsStackFrontToBack) {
  Form1* f = open(simplePuzzle(3));
  // Later in the child list lies in front.
  const QObjectList& kids = f->children();
  const auto at = [&](const QString& name) {
    for (int i = 0; i < kids.size(); ++i)
      if (kids[i]->objectName() == name) return i;
    return -1;
  };
  const QStringList frontToBack = {"Frame3",       "Frame2",   "o1",     "D1",     "wm1",
                                   "FlashConrner", "Seclabel", "clock",  "chude",  "Label10",
                                   "Label5",       "Label4",   "Label3", "Cauhoi", "c1",
                                   "MmFlash",      "Flhback",  "Image2", "Image1"};
  for (int i = 0; i + 1 < frontToBack.size(); ++i)
    EXPECT_GT(at(frontToBack[i]), at(frontToBack[i + 1]))
        << frontToBack[i].toStdString() << " behind " << frontToBack[i + 1].toStdString();
}

TEST_F(Board, SidePanelPullsOutAndInAndExitCloses) {
  Form1* f = open(simplePuzzle(3));
  EXPECT_EQ(twips::rect(f->frame3()), QRect(15405 - 200, 9360, 2895, 735));
  EXPECT_EQ(f->sidePanelState(), 1);
  click(f->image6());
  EXPECT_EQ(twips::left(f->frame3()), 15405 - 2895);
  EXPECT_EQ(f->sidePanelState(), 0);
  click(f->image6());
  EXPECT_EQ(twips::left(f->frame3()), 15405 - 200);
  EXPECT_EQ(f->sidePanelState(), 1);

  EXPECT_EQ(f->exitButton()->toolTip(), QStringLiteral("Tho\u00e1t"));
  EXPECT_FALSE(f->exitButton()->picture().isNull());
  EXPECT_EQ(twips::rect(f->exitButton()), QRect(1800, 120, 615, 495));
  menu()->hide();
  click(f->exitButton());
  settle();
  EXPECT_FALSE(tp.program->isLoaded(windows::kShow));
  EXPECT_FALSE(tp.program->isLoaded(windows::kPicture));
  EXPECT_TRUE(menu()->isVisible());
}

TEST_F(Board, ReopeningShowsOnlyTheNewPuzzle) {
  PuzzleFixture first = simplePuzzle(12);
  first.topic = QStringLiteral("First");
  Form1* f = open(first, QStringLiteral("a.txt"));
  f->rightVerdict(1);
  f->exitShow();
  settle();
  PuzzleFixture second;
  second.rows = 3;
  second.answers = {"AB", "CD", "EF"};
  second.questions = {"x", "y", "z"};
  second.topic = QStringLiteral("Second");
  f = open(second, QStringLiteral("b.txt"));
  EXPECT_EQ(f->chude()->codes(), QStringLiteral("Second"));
  EXPECT_EQ(f->path(), tp.puzzleFolder() + QStringLiteral("/b.txt"));
  EXPECT_EQ(shownPositions(f, 1), QList<int>({1, 2}));
  EXPECT_TRUE(f->cell(1, 1)->isMasked());
  for (int r = 4; r <= 12; ++r) EXPECT_FALSE(rowControlsShown(f, r)) << r;
}

TEST_F(Board, MusicBesideThePuzzlePlaysWhenTheGameStarts) {
  for (bool music : {true, false}) {
    SCOPED_TRACE(music);
    const QString file = music ? QStringLiteral("m.txt") : QStringLiteral("n.txt");
    const QString folder = tp.puzzleFolder() + (music ? "/with" : "/without");
    QDir().mkpath(folder);
    if (music) writeFile(folder + QStringLiteral("/Music.MP3"), "x");
    writeFile(folder + "/" + file, eightBit(simplePuzzle(3).lines()));
    Form1* f = openPath(folder + "/" + file);
    EXPECT_EQ(f->wm1()->isVisibleTo(f), music);
    EXPECT_EQ(f->wm1()->url().isEmpty(), !music);
    if (music) {
      EXPECT_TRUE(f->wm1()->url().endsWith(QStringLiteral("Music.MP3")));
    }
    f->exitShow();
    settle();
  }
}

TEST_F(Board, StyleTimerFollowsTheSettings) {
  struct Case {
    QString autoStyle, interval;
    bool running;
    int periodMs;
  };
  for (const Case& c :
       {Case{"1", "5", true, 5000}, Case{"0", "5", false, 0}, Case{"1", "600", true, 600000}}) {
    SCOPED_TRACE(c.interval.toStdString());
    tp.setSetting(8, c.autoStyle);
    tp.setSetting(9, c.interval);
    Form1* f = open(simplePuzzle(3));
    EXPECT_EQ(f->timer(5)->isActive(), c.running);
    if (c.running) {
      EXPECT_EQ(f->timer(5)->interval(), c.periodMs);
    }
    QList<int> drawn;
    QObject::connect(f, &Form1::styleNumberDrawn, [&](int n) { drawn << n; });
    for (int i = 0; i < 50; ++i) f->timer5Tick();
    ASSERT_EQ(drawn.size(), 50);
    for (int n : drawn) EXPECT_TRUE(n >= 0 && n <= 10) << n;
    f->exitShow();
    settle();
  }
}

}  // namespace
}  // namespace kc::testing
