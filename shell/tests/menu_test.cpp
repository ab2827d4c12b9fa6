#include "core/line_store.h"
#include "core/text/fonts.h"
#include "core/text/vn_label.h"
#include "shell/drag_mover.h"
#include "core/picture_box.h"
#include "shell/tests/shell_fixture.h"

#include <QCloseEvent>
#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>

#include <optional>
#include <vector>

namespace kc::testing {
namespace {

using MenuTest = ShellTest;

TEST_F(MenuTest, FadeInRaisesAlphaBy15PerTickAndShowsExitOnlyOnThe18thTick) {
  Menu* m = menu();
  EXPECT_TRUE(m->isFadingIn());
  EXPECT_FALSE(m->isFadingOut());
  EXPECT_EQ(m->appliedAlpha(), 0);
  for (int tick = 1; tick <= 17; ++tick) {
    SCOPED_TRACE(tick);
    m->fadeInTick();
    EXPECT_EQ(m->opacityValue(), 15 * tick);
    EXPECT_EQ(m->appliedAlpha(), 15 * tick);
    EXPECT_NEAR(m->windowOpacity(), 15 * tick / 255.0, 1.0 / 255);
    EXPECT_FALSE(m->button(5)->isVisibleTo(m));
    EXPECT_TRUE(m->isFadingIn());
  }
  m->fadeInTick();
  EXPECT_TRUE(m->button(5)->isVisibleTo(m));
  EXPECT_FALSE(m->isFadingIn());
  EXPECT_EQ(m->opacityValue(), 255);
  EXPECT_EQ(m->appliedAlpha(), 255);
  // Hiding and showing again keeps the exit button and the opacity.
  m->hide();
  m->show();
  EXPECT_TRUE(m->button(5)->isVisibleTo(m));
  EXPECT_EQ(m->opacityValue(), 255);
}

TEST_F(MenuTest, ExitFadesOutFrom240To0AndEndsTheProgramOnThe18thTick) {
  completeFadeIn();
  Menu* m = menu();
  QSignalSpy ended(&program(), &Program::ended);
  m->button(5)->click();
  EXPECT_TRUE(m->isFadingOut());
  for (int tick = 1; tick <= 17; ++tick) {
    SCOPED_TRACE(tick);
    m->fadeOutTick();
    EXPECT_EQ(m->appliedAlpha(), 255 - 15 * tick);
    EXPECT_NEAR(m->windowOpacity(), (255 - 15 * tick) / 255.0, 1.0 / 255);
    EXPECT_EQ(ended.count(), 0);
  }
  m->fadeOutTick();
  EXPECT_EQ(ended.count(), 1);
  EXPECT_TRUE(program().hasEnded());
  EXPECT_FALSE(program().isLoaded(windows::kMenu));
}

// A close request at any moment is refused and fades the program out from where it is.
TEST_F(MenuTest, CloseRequestIsRefusedAndStartsTheFadeOut) {
  for (int fadeInTicks : {0, 5, 18}) {
    SCOPED_TRACE(fadeInTicks);
    TempProgram local;
    registerShellWindows(*local.program);
    Menu* m = local.program->window<Menu>(windows::kMenu);
    QSignalSpy ended(local.program.get(), &Program::ended);
    m->show();
    for (int i = 0; i < fadeInTicks; ++i) m->fadeInTick();

    EXPECT_FALSE(m->close());
    EXPECT_TRUE(m->isVisible());
    EXPECT_TRUE(m->isFadingOut());
    EXPECT_FALSE(m->isFadingIn());

    int expected = m->opacityValue();
    while (expected >= 15) {
      m->fadeOutTick();
      expected -= 15;
      EXPECT_EQ(m->appliedAlpha(), expected);
      EXPECT_EQ(ended.count(), 0);
    }
    m->fadeOutTick();
    EXPECT_EQ(ended.count(), 1);
  }
}

// One teacher's session with the open dialog: each answer is one click on Open; a show that
// was opened is closed again before the next click, as the teacher would.
struct OpenCase {
  const char* name;
  std::vector<std::optional<QString>> answers;  // "A"/"B" stand for two real puzzles
  std::vector<bool> opens;                      // whether each click opened the show
  std::vector<const char*> dialogStartsAt;      // each dialog's file name: sentinel, A or B
};

TEST_F(MenuTest, OpenRunsTheShowOnlyForARealChoice) {
  const QString sentinel = menu::kSentinelFileName.toString();
  const std::optional<QString> cancel;
  const std::vector<OpenCase> cases = {
      {"cancel on first use", {cancel}, {false}, {"sentinel"}},
      {"choice then cancel", {"A", cancel}, {true, false}, {"sentinel", "A"}},
      {"sentinel chosen", {sentinel}, {false}, {"sentinel"}},
      {"two choices", {"A", "B"}, {true, true}, {"sentinel", "A"}},
      {"choice, sentinel, cancel",
       {"A", sentinel, cancel},
       {true, false, false},
       {"sentinel", "A", "A"}},
  };
  for (const OpenCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempProgram local;
    registerShellWindows(*local.program);
    const QString file = QStringLiteral("Form1");
    local.program->registerWindow(windows::kShow,
                                  [file](Program& p) { return new StandInWindow(p, file); });
    const QString a = local.writePuzzle("a.txt", PuzzleFixture{});
    const QString b = local.writePuzzle("b.txt", PuzzleFixture{});
    auto actual = [&](const QString& s) { return s == "A" ? a : s == "B" ? b : s; };
    Menu* m = local.program->window<Menu>(windows::kMenu);
    m->show();
    QString lastChosen;
    for (size_t i = 0; i < c.answers.size(); ++i) {
      SCOPED_TRACE(i);
      const std::optional<QString> answer =
          c.answers[i] ? std::optional<QString>(actual(*c.answers[i])) : std::nullopt;
      local.services.queueOpen(answer);
      m->button(1)->click();

      auto* show = dynamic_cast<StandInWindow*>(local.program->loaded(windows::kShow));
      ASSERT_EQ(show != nullptr, c.opens[i]);
      if (show) {
        lastChosen = *answer;
        EXPECT_TRUE(show->isVisible());
        EXPECT_FALSE(m->isVisible());
        EXPECT_EQ(show->pathAtLoad, *answer);
        // The show leaves: it is unloaded and shows the menu again.
        local.program->unload(windows::kShow);
        m->show();
      } else {
        EXPECT_TRUE(m->isVisible());
      }
      EXPECT_EQ(m->property("path").toString(), lastChosen);
    }
    ASSERT_EQ(local.services.openRequests.size(), qsizetype(c.dialogStartsAt.size()));
    for (size_t i = 0; i < c.dialogStartsAt.size(); ++i) {
      const QString startsAt = QString::fromLatin1(c.dialogStartsAt[i]);
      EXPECT_EQ(local.services.openRequests[i].fileName,
                startsAt == "sentinel" ? sentinel : actual(startsAt));
      EXPECT_EQ(local.services.openRequests[i].filter, "Text File (*.txt)|*.txt|");
    }
  }
}

TEST_F(MenuTest, CommandsWhoseWindowIsNotBuiltDoNothing) {
  Menu* m = menu();
  m->show();
  for (int n : {1, 2, 3}) {
    SCOPED_TRACE(n);
    m->button(n)->click();
    EXPECT_TRUE(m->isVisible());
  }
  EXPECT_TRUE(tp.services.openRequests.isEmpty());
}

TEST_F(MenuTest, NewSettingsAndAboutShowTheirWindowAndHideTheMenu) {
  registerStandIn(windows::kEditor);
  registerStandIn(windows::kSetup);
  Menu* m = menu();
  const std::pair<int, QStringView> commands[] = {
      {2, windows::kEditor}, {3, windows::kSetup}, {4, windows::kAbout}};
  for (const auto& [n, name] : commands) {
    SCOPED_TRACE(name.toString().toStdString());
    m->show();
    m->button(n)->click();
    Window* w = program().loaded(name);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_FALSE(m->isVisible());
    program().unload(name);
  }
}

TEST_F(MenuTest, ExitUnloadsTheShowAboutBoxAndSettingsScreen) {
  registerStandIn(windows::kShow);
  registerStandIn(windows::kSetup);
  registerStandIn(windows::kEditor);
  Menu* m = menu();
  completeFadeIn();
  for (QStringView name : {windows::kShow, windows::kAbout, windows::kSetup}) program().show(name);
  m->button(5)->click();
  for (QStringView name : {windows::kShow, windows::kAbout, windows::kSetup})
    EXPECT_FALSE(program().isLoaded(name)) << name.toString().toStdString();
  EXPECT_TRUE(m->isFadingOut());
  EXPECT_TRUE(program().isLoaded(windows::kMenu));
}

TEST_F(MenuTest, TitleIsTheVietnameseProgramNameInTcvn3) {
  Menu* m = menu();
  const QString codes = m->titleLabel()->codes();
  const QByteArray expected("\x43\x68\xAD\xAC\x6E\x67", 6);
  ASSERT_GE(codes.size(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(codes[i].unicode(), uchar(expected[i])) << i;
  EXPECT_EQ(m->titleLabel()->text(), QStringLiteral("Chương trình tạo ô chữ"));
  EXPECT_EQ(m->productLabel()->text(), QStringLiteral("Kelvora Crossword 6"));
  EXPECT_TRUE(m->productLabel()->isBold());
}

QRgb centrePixel(const QPixmap& px) {
  const QImage img = px.toImage();
  return img.pixel(img.width() / 2, img.height() / 2);
}

void expectNear(QRgb actual, QRgb expected) {
  EXPECT_NEAR(qRed(actual), qRed(expected), 12);
  EXPECT_NEAR(qGreen(actual), qGreen(expected), 12);
  EXPECT_NEAR(qBlue(actual), qBlue(expected), 12);
}

TEST_F(MenuTest, TakesPicturesAndTitleColoursFromTheSkinNamedInTheSettings) {
  const QString skin = tp.folder() + "/Data/Themes/Green/";
  const char* pictures[] = {"open.jpg", "new.jpg", "setup.jpg", "about.jpg", "out.jpg", "menu.jpg"};
  for (int i = 0; i < 6; ++i)
    TempProgram::writePicture(skin + pictures[i], 197, 41, qRgb(20 * i, 180, 40 * i));
  writeFile(skin + "value.txt", eightBit({"0", "1193046", "999", "0", "0"}));
  tp.setSetting(3, "Green");

  Menu* m = menu();
  EXPECT_TRUE(tp.services.messages.isEmpty())
      << tp.services.messageTexts().join('\n').toStdString();
  EXPECT_EQ(m->property("giaodien").toString(), "Green");
  EXPECT_EQ(m->property("Label2").toString(), tp.folder());
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE(n);
    expectNear(centrePixel(m->button(n)->picture()), qRgb(20 * (n - 1), 180, 40 * (n - 1)));
  }
  expectNear(centrePixel(m->background()->pixmap()), qRgb(100, 180, 200));
  for (VnLabel* l : {m->titleLabel(), m->productLabel()}) {
    EXPECT_EQ(l->textColour(), 1193046);
    EXPECT_EQ(l->palette().color(QPalette::WindowText), QColor(0x56, 0x34, 0x12));
  }

  // The settings screen repaints the hidden menu with another skin.
  const QStringList problems = m->applySkin("Brown");
  EXPECT_TRUE(problems.isEmpty());
  expectNear(centrePixel(m->button(1)->picture()), qRgb(200, 0, 0));
  EXPECT_EQ(m->titleLabel()->textColour(), 255);
}

// Missing or broken look files: the menu still starts, with what it could load, and one
// message lists every file it could not use.
struct MissingCase {
  const char* name;
  QStringList remove;         // files under the program folder
  QStringList corrupt;        // files overwritten with bytes that are no picture
  QString skinSetting;        // line 3, when not "Brown"
  QStringList named;          // texts the message must contain (none: no message)
  QList<int> withoutPicture;  // buttons left without a picture
  bool coloursApplied;
};

TEST_F(MenuTest, MissingLookFilesAreReportedOnceAndTheMenuStillStarts) {
  const QString brown = "Data/Themes/Brown/";
  const std::vector<MissingCase> cases = {
      {"complete", {}, {}, {}, {}, {}, true},
      {"button picture", {brown + "open.jpg"}, {}, {}, {"open.jpg (không có tệp)"}, {1}, true},
      {"unreadable picture", {}, {brown + "out.jpg"}, {}, {"out.jpg (không đọc được)"}, {5}, true},
      {"colour file", {brown + "value.txt"}, {}, {}, {"Brown/value.txt"}, {}, false},
      {"several",
       {brown + "new.jpg", brown + "menu.jpg", brown + "value.txt"},
       {},
       {},
       {"new.jpg", "menu.jpg", "value.txt"},
       {2},
       false},
      {"settings file",
       {"Data/value/value.txt"},
       {},
       {},
       {"value/value.txt"},
       {1, 2, 3, 4, 5},
       false},
      {"skin folder missing",
       {},
       {},
       "Nowhere",
       {"Nowhere/open.jpg", "Nowhere/new.jpg", "Nowhere/setup.jpg", "Nowhere/about.jpg",
        "Nowhere/out.jpg", "Nowhere/menu.jpg", "Nowhere/value.txt"},
       {1, 2, 3, 4, 5},
       false},
  };
  for (const MissingCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempProgram local;
    registerShellWindows(*local.program);
    for (const QString& f : c.remove)
      ASSERT_TRUE(QFile::remove(local.folder() + "/" + f)) << f.toStdString();
    for (const QString& f : c.corrupt) writeFile(local.folder() + "/" + f, "no picture here");
    if (!c.skinSetting.isEmpty()) local.setSetting(3, c.skinSetting);

    Menu* m = local.program->window<Menu>(windows::kMenu);
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->isFadingIn());
    if (c.named.isEmpty()) {
      EXPECT_TRUE(local.services.messages.isEmpty());
    } else {
      ASSERT_EQ(local.services.messages.size(), 1);
      const QString text = local.services.messages[0].text;
      EXPECT_EQ(text.count('\n'), c.named.size()) << text.toStdString();
      for (const QString& n : c.named)
        EXPECT_TRUE(QDir::fromNativeSeparators(text).contains(n))
            << n.toStdString() << " not in: " << text.toStdString();
    }
    for (int n = 1; n <= 5; ++n)
      EXPECT_EQ(m->button(n)->hasPicture(), !c.withoutPicture.contains(n)) << n;
    EXPECT_FALSE(m->background()->pixmap().isNull());
    EXPECT_EQ(m->titleLabel()->textColour() == 255, c.coloursApplied);
    EXPECT_EQ(m->productLabel()->textColour() == 255, c.coloursApplied);
  }
}

TEST_F(MenuTest, ColourLineThatIsNoNumberIsReported) {
  writeFile(tp.folder() + "/Data/Themes/Brown/value.txt", eightBit({"0"}));
  Menu* m = menu();
  ASSERT_EQ(tp.services.messages.size(), 1);
  EXPECT_TRUE(tp.services.messages[0].text.contains(QStringLiteral("dòng 2")));
  EXPECT_EQ(m->titleLabel()->textColour(), 0);
}

void sendMouse(QWidget* target, QEvent::Type type, QPoint local, QPoint global,
               Qt::MouseButton button, Qt::MouseButtons buttons) {
  QMouseEvent e(type, QPointF(local), QPointF(local), QPointF(global), button, buttons,
                Qt::NoModifier);
  QCoreApplication::sendEvent(target, &e);
}

TEST_F(MenuTest, DraggingTheBackgroundMovesTheWindowButAButtonDoesNot) {
  Menu* m = menu();
  completeFadeIn();
  m->show();
  m->move(100, 100);
  const QPoint delta(30, 25);
  struct Handle {
    QWidget* widget;
    bool moves;
  };
  for (const Handle& h : {Handle{m->button(1), false}, Handle{m->background(), true}}) {
    SCOPED_TRACE(h.widget->objectName().toStdString());
    const QPoint start = m->pos();
    const QPoint local(40, 20);
    const QPoint global = h.widget->mapToGlobal(local);
    sendMouse(h.widget, QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton);
    sendMouse(h.widget, QEvent::MouseMove, local + delta, global + delta, Qt::NoButton,
              Qt::LeftButton);
    sendMouse(h.widget, QEvent::MouseButtonRelease, local + delta, global + delta, Qt::LeftButton,
              Qt::NoButton);
    EXPECT_EQ(m->pos(), h.moves ? start + delta : start);
  }
  // Offscreen there is no window-system move, so the window followed the mouse by hand.
  EXPECT_EQ(m->dragMover()->mode(), DragMover::Mode::Manual);

  // A move without the button down is no drag.
  const QPoint start = m->pos();
  const QPoint g = m->background()->mapToGlobal(QPoint(10, 10));
  sendMouse(m->background(), QEvent::MouseMove, QPoint(60, 60), g + QPoint(50, 50), Qt::NoButton,
            Qt::NoButton);
  EXPECT_EQ(m->pos(), start);
}

}  // namespace
}  // namespace kc::testing
