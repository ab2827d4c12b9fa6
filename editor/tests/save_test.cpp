// Save As and Save: the bytes they write, cancelling, and what the teacher is told when a
// puzzle cannot be saved.

#include "core/line_store.h"
#include "core/text/tcvn3.h"
#include "core/text/vn_label.h"
#include "core/text/vn_line_edit.h"
#include "editor/puzzle_saver.h"
#include "editor/tests/editor_fixture.h"

#include <QComboBox>
#include <QDir>
#include <QFile>

#include <functional>

namespace kc::testing {
namespace {

using Save = EditorTest;

QStringList welcomeDefaults() {
  return {QStringLiteral(u"Liªn kÕt File MicroSoft Office PowerPoint "),
          "0",
          "THPT...",
          QStringLiteral(u"Chµo mõng thÇy c« gi¸o ®Õn víi tiÕt d¹y thao gi¶ng trªn m¸y chiÕu"),
          QStringLiteral(u"M«n häc"),
          QStringLiteral(u"Bµi häc"),
          QStringLiteral(u"Më ®Çu b»ng trß ch¬i « ch÷ chñ ®Ò"),
          QStringLiteral(u"GV-HS-Tæ-Nhãm")};
}

// Fills the editor with a 4-row puzzle as a teacher would.
void writeFourRows(Maker& m) {
  m.chooseRowCount("4");
  const QStringList answers = {"HANOI", "  HUE", QStringLiteral(u"\u00B5o"), "VINH"};
  for (int r = 1; r <= 4; ++r) {
    m.answerBox(r)->setCodes(answers[r - 1]);
    m.questionBox(r)->setCodes(QStringLiteral("Question %1").arg(r));
  }
  m.topicBox()->setCodes(QStringLiteral(u"Thµnh phè"));
  m.keywordBox()->setCodes("Which word?");
  m.clickCell(1, 2);
  m.clickCell(2, 4);
  m.clickCell(4, 1);
}

TEST_F(Save, SaveAsOfAFourRowPuzzleByteByByte) {
  writeFourRows(editor());
  const QString target = saveAsFile("four.txt");

  QStringList expected = {"4", "HANOI", "  HUE", QStringLiteral(u"\u00B5o"), "VINH"};
  for (int i = 0; i < 8; ++i) expected << "0";
  for (int r = 1; r <= 4; ++r) expected << QStringLiteral("Question %1").arg(r);
  for (int i = 0; i < 8; ++i) expected << "0";
  expected << QStringLiteral(u"Thµnh phè");
  expected << "2"
           << "4"
           << "0"
           << "1";
  for (int i = 0; i < 8; ++i) expected << "0";
  expected << "-" << welcomeDefaults() << "Which word?";
  ASSERT_EQ(expected.size(), 48);

  const QByteArray bytes = readFile(target);
  EXPECT_EQ(bytes, utf16(expected));
  EXPECT_TRUE(bytes.startsWith("\xFF\xFE"));
  EXPECT_TRUE(bytes.endsWith(QByteArray("\r\0\n\0", 4)));
  EXPECT_EQ(bytes.count(QByteArray("\r\0\n\0", 4)), 48);
  // The working copy holds the same puzzle.
  EXPECT_EQ(readFile(tp.path(u"\\Data\\temp\\temp.txt")), bytes);
  EXPECT_EQ(editor().saveAsTarget(), target);
  EXPECT_EQ(editor().openFilePath(), "");  // Save As does not change the open file

  ASSERT_EQ(tp.services.saveRequests.size(), 1);
  const FileDialogRequest& r = tp.services.saveRequests[0];
  EXPECT_EQ(r.filter, "Text File (*.txt)|*.txt|");
  EXPECT_EQ(r.title, "Phan Mem Tao O Chu - Dalvorin HighSchool");
  EXPECT_EQ(r.fileName, "Phan Mem Tao O Chu - Dalvorin HighSchool");
  EXPECT_EQ(r.defaultSuffix, "txt");
  EXPECT_TRUE(tp.services.messages.isEmpty());
  // The teacher sees where the puzzle went.
  EXPECT_EQ(editor().hintLine()->codes(), tcvn3::encode(savedHint(target)));
}

TEST_F(Save, CancelledSaveAsLeavesOnlyTheWorkingCopy) {
  writeFourRows(editor());
  tp.services.queueSave(std::nullopt);
  editor().saveAs();
  EXPECT_EQ(GetLine(tp.path(u"\\Data\\temp\\temp.txt"), 2), "HANOI");
  EXPECT_TRUE(QDir(tp.puzzleFolder()).entryList(QDir::Files).isEmpty());
  // Cancelling again after an earlier Save As that chose a file creates no other file.
  const QString first = saveAsFile("first.txt");
  const QByteArray firstBytes = readFile(first);
  editor().answerBox(1)->setCodes("CHANGED");
  tp.services.queueSave(std::nullopt);
  editor().saveAs();
  EXPECT_EQ(QDir(tp.puzzleFolder()).entryList(QDir::Files), QStringList{"first.txt"});
  EXPECT_EQ(readFile(first), firstBytes);
  EXPECT_TRUE(tp.services.messages.isEmpty());
}

TEST_F(Save, SaveAfterOpenRewritesTheFileInPlace) {
  PuzzleFixture p;
  p.rows = 3;
  p.answers = {"AB", "CD", "EF"};
  p.questions = {"q1", "q2", "q3"};
  p.specials = {1, 2, 0};
  p.mediaLink = "clip.mp4";
  const QString path = tp.writePuzzle("open.txt", p);
  openPuzzle(path);
  Maker& m = editor();
  m.answerBox(2)->setCodes("XYZ");
  m.questionBox(3)->setCodes(QStringLiteral(u"C©u míi"));
  m.clickCell(3, 2);
  m.save();
  EXPECT_TRUE(tp.services.messages.isEmpty());
  EXPECT_TRUE(readFile(path).startsWith("\xFF\xFE"));

  PuzzleFixture after = p;
  after.answers[1] = "XYZ";
  after.questions[2] = QStringLiteral(u"C©u míi");
  after.specials = {1, 2, 2};
  EXPECT_EQ(readLines(path), after.lines());  // the media link of the file is kept too

  // Opening it again shows the same fields.
  m.answerBox(2)->setCodes("other");
  openPuzzle(path);
  EXPECT_EQ(m.answerBox(2)->codes(), "XYZ");
  EXPECT_EQ(m.questionBox(3)->codes(), QStringLiteral(u"C©u míi"));
  EXPECT_EQ(m.special(3), "2");
  EXPECT_EQ(media().linkName(), "clip.mp4");
}

TEST_F(Save, OpenAndSaveKeepTheBytesOfTheFile) {
  PuzzleFixture p;
  p.answers = {QStringLiteral(u"\u00B5\u00AD"), "  B", "C"};
  p.questions = {QStringLiteral(u"C©u hái \u00AD"), "q2", "q3"};
  p.topic = QStringLiteral(u"Chñ ®Ò");
  p.welcome = 1;
  p.mediaLink = "m.wav";
  const QString path = tp.writePuzzle("keep.txt", p);
  openPuzzle(path);
  editor().save();
  EXPECT_EQ(readFile(path), utf16(p.lines()));
}

TEST_F(Save, RowCountTexts) {
  struct Case {
    QString rowCount;
    bool rowLinesKept;   // lines 2-25 left as the file held them
    bool allTwelveRows;  // every answer and question written as it stands
  };
  const Case cases[] = {
      {"15", true, false}, {"1", true, false}, {"abc", false, true}, {"12", false, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rowCount.toStdString());
    PuzzleFixture p;
    p.rows = 3;
    p.answers = {"A1", "A2", "A3"};
    p.questions = {"Q1", "Q2", "Q3"};
    const QString path = tp.writePuzzle("count.txt", p);
    openPuzzle(path);
    Maker& m = editor();
    for (int r = 1; r <= 12; ++r) {
      m.answerBox(r)->setCodes(QStringLiteral("N%1").arg(r));
      m.questionBox(r)->setCodes(QStringLiteral("P%1").arg(r));
    }
    m.rowCountBox()->setCurrentText(c.rowCount);
    m.save();
    const QStringList lines = readLines(path);
    ASSERT_EQ(lines.size(), 48);
    EXPECT_EQ(lines[0], c.rowCount);
    for (int r = 1; r <= 12; ++r) {
      const QString answer = lines[r], question = lines[r + 12];
      if (c.rowLinesKept) {
        EXPECT_EQ(answer, p.lines()[r]) << r;
        EXPECT_EQ(question, p.lines()[r + 12]) << r;
      } else if (c.allTwelveRows) {
        EXPECT_EQ(answer, QStringLiteral("N%1").arg(r));
        EXPECT_EQ(question, QStringLiteral("P%1").arg(r));
      }
    }
  }
}

TEST_F(Save, RowsBeyondALoweredCountSaveAsUnused) {
  Maker& m = editor();
  m.chooseRowCount("5");
  for (int r = 1; r <= 5; ++r) m.answerBox(r)->setCodes(QStringLiteral("R%1").arg(r));
  m.clickCell(5, 1);
  m.chooseRowCount("3");
  const QStringList lines = readLines(saveAsFile("lowered.txt"));
  EXPECT_EQ(lines[0], "3");
  EXPECT_EQ(lines[3], "R3");
  EXPECT_EQ(lines[4], "0");
  EXPECT_EQ(lines[5], "0");
  EXPECT_EQ(lines[30], "1");  // row 5's position is saved with the others
}

TEST_F(Save, MediaLinkOnLine39) {
  // Never opened: "-".
  EXPECT_EQ(readLines(saveAsFile("none.txt"))[38], "-");
  // A tried file: its bare name.
  tp.services.queueOpen(tp.folder() + "/clips/intro video.mp4");
  media().tryFile();
  EXPECT_EQ(readLines(saveAsFile("tried.txt"))[38], "intro video.mp4");
  // Closing the media check forgets it.
  media().closeWindow();
  settle();
  EXPECT_EQ(readLines(saveAsFile("closed.txt"))[38], "-");
}

TEST_F(Save, FailuresAreReported) {
  struct Case {
    const char* name;
    std::function<void()> arrange;
    std::function<void(Maker&)> act;
    QString namedFile;  // the message names this file ("" = no file to name)
    QString mentions;   // and says this
    bool dialogShown;
  };
  const QString tmpl = tp.path(u"\\Data\\temp\\db.db");
  const QString working = tp.path(u"\\Data\\temp\\temp.txt");
  const QString shortFile = tp.puzzleFolder() + "/short.txt";
  const QString folderTarget = tp.puzzleFolder() + "/a folder";
  const Case cases[] = {
      {"save with no open file", [] {}, [](Maker& m) { m.save(); }, "", "Save As", false},
      {"no template and no working copy",
       [&] {
         QFile::remove(tmpl);
         QFile::remove(working);
       },
       [](Maker& m) { m.saveAs(); }, tmpl, "", false},
      {"target cannot be written",
       [&] {
         QDir().mkpath(folderTarget);
         tp.services.queueSave(folderTarget);
       },
       [](Maker& m) { m.saveAs(); }, folderTarget, "", true},
      {"open file with fewer than 48 lines",
       [&] {
         tp.writePuzzleLines("short.txt", {"3", "A", "B", "C"});
         openPuzzle(shortFile);
       },
       [](Maker& m) { m.save(); }, shortFile, "48", false},
      {"template with fewer than 48 lines",
       [&] {
         writeFile(tmpl, eightBit({"3", "A"}));
       },
       [](Maker& m) { m.saveAs(); }, tmpl, "48", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tp.services.messages.clear();
    tp.services.saveRequests.clear();
    c.arrange();
    const QByteArray shortBefore = readFile(shortFile);
    c.act(editor());
    ASSERT_EQ(tp.services.messages.size(), 1);
    const QString text = tp.services.messages[0].text;
    EXPECT_EQ(tp.services.messages[0].icon, MessageIcon::Warning);
    if (!c.namedFile.isEmpty()) EXPECT_TRUE(text.contains(c.namedFile)) << text.toStdString();
    EXPECT_TRUE(text.contains(c.mentions)) << text.toStdString();
    EXPECT_EQ(tp.services.saveRequests.size(), c.dialogShown ? 1 : 0);
    EXPECT_EQ(readFile(shortFile), shortBefore);  // nothing half-written
    EXPECT_FALSE(editor().hintLine()->codes().contains(tcvn3::encode(savedHint(""))));
    // Restore the Data folder for the next case.
    writeFile(tmpl, eightBit(PuzzleFixture{}.lines()));
  }
}

TEST_F(Save, OlderWorkingCopyServesWhenTheTemplateIsMissing) {
  QFile::remove(tp.path(u"\\Data\\temp\\db.db"));
  editor().answerBox(1)->setCodes("KEPT");
  const QString target = saveAsFile("from working copy.txt");
  EXPECT_TRUE(tp.services.messages.isEmpty());
  EXPECT_EQ(readLines(target).size(), 48);
  EXPECT_EQ(readLines(target)[1], "KEPT");
}

TEST_F(Save, SaveAsReplacesAnExistingFileWhole) {
  const QString target = tp.writePuzzleLines("old.txt", QStringList(60, "old"));
  editor().answerBox(1)->setCodes("NEW");
  tp.services.queueSave(target);
  editor().saveAs();
  EXPECT_EQ(readLines(target).size(), 48);
  EXPECT_EQ(readLines(target)[1], "NEW");
  EXPECT_EQ(QDir(tp.puzzleFolder()).entryList(QDir::Files), QStringList{"old.txt"});
}

}  // namespace
}  // namespace kc::testing
