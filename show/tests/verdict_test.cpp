// Verdicts and single letters: what the class sees in a row after right, wrong and hints.

#include "core/players/media_player.h"
#include "core/text/vn_label.h"
#include "core/twips.h"
#include "show/letter_cell.h"
#include "core/picture_box.h"
#include "show/tests/show_fixture.h"

#include <QSignalSpy>
#include <QTimer>

namespace kc::testing {
namespace {

class Verdicts : public ShowTest {
 protected:
  void SetUp() override {
    PuzzleFixture p;
    p.rows = 4;
    p.answers = {"HANOI", "HUE", "VINH", "   CAT"};
    p.questions = {"a", "b", "c", "d"};
    p.specials = {2, 1, 3, 5};
    f = open(p);
  }
  enum class Look { Normal, Black };
  // Checks cells 1..18 of a row: masked or not, and their colours (the key cell in the key
  // colours when the row looks normal).
  void expectRow(int row, int key, bool masked, Look look) {
    for (int k = 1; k <= 18; ++k) {
      SCOPED_TRACE(k);
      const LetterCell* c = f->cell(row, k);
      EXPECT_EQ(c->isMasked(), masked);
      if (look == Look::Black) {
        EXPECT_EQ(c->backColour(), 0);
        EXPECT_EQ(c->textColour(), 0);
      } else if (k == key) {
        EXPECT_EQ(c->backColour(), 255);
        EXPECT_EQ(c->textColour(), 16777215);
      } else {
        EXPECT_EQ(c->backColour(), 16777215);
        EXPECT_EQ(c->textColour(), 0);
      }
    }
  }
  Form1* f = nullptr;
};

TEST_F(Verdicts, SequencesEndInTheirLook) {
  enum Act { Right, Wrong };
  struct Case {
    const char* name;
    QList<Act> acts;
    bool masked;
    Look look;
    bool wrongButtonShown;
    QStringView lastSound;
  };
  const QList<Case> cases = {
      {"right reveals in normal and key colours",
       {Right},
       false,
       Look::Normal,
       false,
       u"right.mp3"},
      {"wrong blacks the row out, still masked", {Wrong}, true, Look::Black, true, u"wrong.mp3"},
      {"wrong then right ends revealed", {Wrong, Right}, false, Look::Normal, false, u"right.mp3"},
      {"right then wrong blacks out the letters",
       {Right, Wrong},
       false,
       Look::Black,
       false,
       u"wrong.mp3"},
      {"right twice", {Right, Right}, false, Look::Normal, false, u"right.mp3"},
  };
  // Each case on row 1 of a freshly opened show.
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (Act a : c.acts) click(a == Right ? f->rightButton(1) : f->wrongButton(1));
    expectRow(1, 2, c.masked, c.look);
    EXPECT_EQ(f->wrongButton(1)->isVisibleTo(f), c.wrongButtonShown);
    EXPECT_TRUE(f->rightButton(1)->isVisibleTo(f));
    EXPECT_TRUE(f->media()->url().endsWith(c.lastSound.toString()));
    // Other rows are untouched.
    expectRow(2, 1, true, Look::Normal);
    f->exitShow();
    settle();
    SetUp();
  }
}

TEST_F(Verdicts, RightOnAShiftedRowShowsItsLetters) {
  click(f->rowLabel(4));
  click(f->rightButton(4));
  for (int k = 1; k <= 3; ++k) EXPECT_FALSE(f->cell(4, k)->isVisibleTo(f)) << k;
  EXPECT_EQ(f->cell(4, 4)->shownText(), QStringLiteral("C"));
  EXPECT_EQ(f->cell(4, 5)->shownText(), QStringLiteral("A"));
  EXPECT_EQ(f->cell(4, 6)->shownText(), QStringLiteral("T"));
  EXPECT_EQ(f->cell(4, 5)->backColour(), 255);
  EXPECT_FALSE(f->wrongButton(4)->isVisibleTo(f));
  EXPECT_EQ(f->media()->url(), tp.path(u"\\data\\temp\\right.mp3"));
  EXPECT_FALSE(f->clock()->isVisibleTo(f));
  EXPECT_FALSE(f->timer(3)->isActive());
}

TEST_F(Verdicts, VerdictsReadTheSettingsAtTheMoment) {
  tp.setSetting(1, QStringLiteral("65535"));
  tp.setSetting(4, QStringLiteral("16711680"));
  click(f->rightButton(3));
  EXPECT_EQ(f->cell(3, 1)->backColour(), 65535);
  EXPECT_EQ(f->cell(3, 3)->backColour(), 16711680);
}

TEST_F(Verdicts, AClickRevealsOneLetterOnly) {
  QSignalSpy sounds(f->media(), &MediaPlayer::urlSet);
  click(f->cell(3, 2));
  EXPECT_FALSE(f->cell(3, 2)->isMasked());
  EXPECT_EQ(f->cell(3, 2)->shownText(), QStringLiteral("I"));
  for (int k : {1, 3, 4}) EXPECT_TRUE(f->cell(3, k)->isMasked()) << k;
  EXPECT_EQ(sounds.count(), 0);
  EXPECT_EQ(f->cell(3, 2)->backColour(), 16777215);
  // A revealed letter stays revealed through a wrong verdict, black on black.
  click(f->wrongButton(3));
  EXPECT_FALSE(f->cell(3, 2)->isMasked());
  EXPECT_EQ(f->cell(3, 2)->backColour(), 0);
}

TEST_F(Verdicts, AWrongRowLightsUpAgainAndLabel4GivesItsColoursBack) {
  click(f->wrongButton(2));
  hover(f->rowLabel(2));
  for (int k = 1; k <= 18; ++k) EXPECT_EQ(f->cell(2, k)->backColour(), 33023) << k;
  hover(f->label4());
  expectRow(2, 1, true, Look::Normal);
}

}  // namespace
}  // namespace kc::testing
