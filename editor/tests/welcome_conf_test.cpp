// The welcome page settings: defaults, values from the open file, edits reaching the saves.

#include "core/text/vn_label.h"
#include "core/text/vn_line_edit.h"
#include "editor/tests/editor_fixture.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

namespace kc::testing {
namespace {

using Welcome = EditorTest;

const QStringList kDefaultLines = PuzzleFixture{}.welcomeLines;
const QString kDefaultLink = QStringLiteral(u"Liªn kÕt File MicroSoft Office PowerPoint ");

void expectFields(WelcomeConf& w, const QString& link, bool on, const QStringList& lines) {
  EXPECT_EQ(w.label1()->codes(), link);
  EXPECT_EQ(w.check1()->isChecked(), on);
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(w.text(i)->codes(), lines[i - 1]) << "Text" << i;
}

TEST_F(Welcome, DefaultsWithNoOpenFile) {
  editor();
  WelcomeConf& w = welcome();
  expectFields(w, kDefaultLink, false, kDefaultLines);
  EXPECT_EQ(w.welcomeSwitch(), "0");
  EXPECT_EQ(w.dialogFilter(), "PowerPoint files (*.pptx;*.ppt)|*.pptx;*.ppt|All Files (*.*)|*.*");
  EXPECT_EQ(w.check1()->text(), QStringLiteral(u"Sử dụng trang mở đầu"));
  EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(w.size(), QSize(702, 531));
}

TEST_F(Welcome, ValuesOfTheOpenedFile) {
  PuzzleFixture p;
  p.welcome = 1;
  p.presentationLink = "lesson.pptx";
  p.welcomeLines[1] = QStringLiteral(u"Chµo c¸c em");
  p.welcomeLines[3] = "";
  openPuzzle(tp.writePuzzle("w.txt", p));
  WelcomeConf& w = welcome();
  expectFields(w, "lesson.pptx", true, p.welcomeLines);
  EXPECT_EQ(w.welcomeSwitch(), "1");
}

TEST_F(Welcome, MissingOpenFileKeepsTheDefaults) {
  const QString path = tp.writePuzzle("gone.txt", PuzzleFixture{});
  openPuzzle(path);
  QFile::remove(path);
  expectFields(welcome(), kDefaultLink, false, kDefaultLines);
}

TEST_F(Welcome, AnEditReachesLine43ThroughSaveAs) {
  editor().showWelcomeSettings();
  WelcomeConf& w = welcome();
  EXPECT_TRUE(w.isVisible());
  typeText(w.text(2), QStringLiteral(u" cả lớp"));
  w.check1()->setChecked(true);
  w.okButton()->click();
  EXPECT_FALSE(w.isVisible());
  const QStringList lines = readLines(saveAsFile("welcome.txt"));
  EXPECT_EQ(lines[42], kDefaultLines[1] + QStringLiteral(u" c¶ líp"));
  EXPECT_EQ(lines[40], "1");
  EXPECT_EQ(lines[41], "THPT...");
}

TEST_F(Welcome, OpenDiscardsEdits) {
  PuzzleFixture first, second;
  first.welcomeLines[0] = "School one";
  second.welcomeLines[0] = "School two";
  openPuzzle(tp.writePuzzle("one.txt", first));
  welcome().text(1)->setCodes("edited");
  openPuzzle(tp.writePuzzle("two.txt", second));
  settle();
  EXPECT_EQ(welcome().text(1)->codes(), "School two");
}

TEST_F(Welcome, Label1ChoosesThePresentation) {
  WelcomeConf& w = welcome();
  w.show();
  tp.services.queueOpen(tp.folder() + QStringLiteral(u"/slides/Bài 1.pptx"));
  QTest::mouseClick(w.label1(), Qt::LeftButton);
  EXPECT_EQ(w.presentationLink(), QStringLiteral(u"B\u00B5i 1.pptx"));
  EXPECT_EQ(tp.services.openRequests.last().filter, w.dialogFilter());
  // A cancelled dialog keeps the link.
  tp.services.queueOpen(std::nullopt);
  w.choosePresentation();
  EXPECT_EQ(w.presentationLink(), QStringLiteral(u"B\u00B5i 1.pptx"));
  EXPECT_EQ(readLines(saveAsFile("link.txt"))[39], QStringLiteral(u"B\u00B5i 1.pptx"));
}

}  // namespace
}  // namespace kc::testing
