#include "core/line_store.h"
#include "core/testing/temp_program.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kc {
namespace {

using testing::readFile;
using testing::writeFile;

class LineStoreTest : public ::testing::Test {
 protected:
  QString file(const QByteArray& bytes, const QString& name = QStringLiteral("f.txt")) {
    const QString p = dir_.path() + QLatin1Char('/') + name;
    writeFile(p, bytes);
    return p;
  }
  QString missing() const { return dir_.path() + QStringLiteral("/missing.txt"); }
  QTemporaryDir dir_;
};

QByteArray wide(const QString& text) {
  QByteArray out;
  for (QChar c : text) {
    out.append(char(c.unicode() & 0xFF));
    out.append(char(c.unicode() >> 8));
  }
  return out;
}

QByteArray bom() { return QByteArray("\xFF\xFE", 2); }

TEST_F(LineStoreTest, ReadsLinesInBothEncodings) {
  struct Case {
    const char* name;
    QByteArray bytes;
    QStringList lines;
  };
  const Case cases[] = {
      {"two lines", "A\r\nB\r\n", {"A", "B"}},
      {"empty second line", "A\r\n\r\n", {"A", ""}},
      {"no final terminator", "A\r\nB", {"A", "B"}},
      {"bare LF ends a line", "A\nB\n", {"A", "B"}},
      {"bare CR is text", "A\rB\r\nC", {"A\rB", "C"}},
      {"empty file", "", {}},
      {"only the mark", bom(), {}},
      {"UTF-16", bom() + wide("A\r\nC\u00A9u 1 : \r\n"), {"A", QStringLiteral("C\u00A9u 1 : ")}},
      {"UTF-16 odd byte ignored", bom() + wide("A\r\nB") + QByteArray("\x43", 1), {"A", "B"}},
      {"8-bit codes above 127", QByteArray("Kh\xABng d\xEFng\r\n"), {QStringLiteral("Kh\u00ABng d\u00EFng")}},
      {"UTF-16 above 255", bom() + wide(QStringLiteral("\u1EA0\r\n")), {QStringLiteral("\u1EA0")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString p = file(c.bytes);
    EXPECT_EQ(LineCount(p), c.lines.size());
    for (int i = 0; i < c.lines.size(); ++i) EXPECT_EQ(GetLine(p, i + 1), c.lines[i]) << i + 1;
    EXPECT_EQ(GetLine(p, int(c.lines.size()) + 1), QString());
    EXPECT_EQ(GetLine(p, 0), QString());
    EXPECT_EQ(GetLine(p, -5), QString());
    EXPECT_EQ(readFile(p), c.bytes) << "reading changed the file";
  }
}

TEST_F(LineStoreTest, MissingFileIsNotFoundAndNeverCreated) {
  for (auto call : {+[](const QString& p) { GetLine(p, 1); },
                    +[](const QString& p) { PutLine(p, 1, QStringLiteral("x")); }}) {
    try {
      call(missing());
      FAIL() << "no error";
    } catch (const LineStoreError& e) {
      EXPECT_EQ(e.kind(), LineStoreErrorKind::NotFound);
    }
    EXPECT_FALSE(QFile::exists(missing()));
  }
}

TEST_F(LineStoreTest, PutLineRewritesTheWholeFileAsUtf16) {
  struct Case {
    const char* name;
    QByteArray before;
    int n;
    QString text;
    QStringList after;
  };
  const Case cases[] = {
      {"8-bit file, middle line", "A\r\nB\r\nC", 2, "x", {"A", "x", "C"}},
      {"first line", "A\r\nB\r\n", 1, "y", {"y", "B"}},
      {"past the end drops the text", "A\r\nB\r\n", 3, "z", {"A", "B"}},
      {"zero drops the text", "A\r\nB\r\n", 0, "z", {"A", "B"}},
      {"empty text keeps the line", "A\r\nB\r\n", 1, "", {"", "B"}},
      {"UTF-16 file", bom() + wide("A\r\nB\r\n"), 2, QStringLiteral("C\u00A9u 1 : "),
       {"A", QStringLiteral("C\u00A9u 1 : ")}},
      {"empty file", "", 1, "x", {}},
      {"CR LF in text is flattened", "A\r\nB\r\n", 1, "one\r\ntwo\nthree\rfour",
       {"one two three four", "B"}},
      {"bare LF file", "A\nB\n", 2, "q", {"A", "q"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString p = file(c.before);
    PutLine(p, c.n, c.text);
    QByteArray expected = bom();
    for (const QString& l : c.after) expected += wide(l + QStringLiteral("\r\n"));
    EXPECT_EQ(readFile(p), expected);
    EXPECT_EQ(LineCount(p), c.after.size());
  }
}

TEST_F(LineStoreTest, TcvnCodesSurviveAWriteAndARead) {
  const QString p = file("x\r\n");
  const QString text = QStringLiteral("C\u00A9u 1 : Ch\u00AD\u00ACng");
  PutLine(p, 1, text);
  EXPECT_EQ(GetLine(p, 1), text);
  EXPECT_EQ(GetLine(p, 1)[1].unicode(), 0xA9);
}

TEST_F(LineStoreTest, LineCounterOverflow) {
  QByteArray big;
  for (int i = 0; i < 32767; ++i) big += "l\r\n";
  const QString p = file(big);
  EXPECT_EQ(GetLine(p, 1), "l");
  EXPECT_EQ(GetLine(p, 32766), "l");
  for (int n : {32767, 40000}) {
    try {
      GetLine(p, n);
      FAIL() << n;
    } catch (const LineStoreError& e) {
      EXPECT_EQ(e.kind(), LineStoreErrorKind::Overflow);
    }
  }
  try {
    PutLine(p, 1, QStringLiteral("x"));
    FAIL();
  } catch (const LineStoreError& e) {
    EXPECT_EQ(e.kind(), LineStoreErrorKind::Overflow);
  }
  EXPECT_EQ(readFile(p), big) << "an overflowing write must leave the file as it was";

  // One line fewer is still usable.
  big.chop(3);
  const QString q = file(big, QStringLiteral("g.txt"));
  PutLine(q, 32766, QStringLiteral("last"));
  EXPECT_EQ(GetLine(q, 32766), "last");
}

TEST_F(LineStoreTest, ReadOnlyFileFailsToWriteAndKeepsItsContent) {
  const QString p = file("A\r\nB\r\n");
  ASSERT_EQ(::chmod(QFile::encodeName(p).constData(), 0444), 0);
  try {
    PutLine(p, 1, QStringLiteral("x"));
    FAIL();
  } catch (const LineStoreError& e) {
    EXPECT_EQ(e.kind(), LineStoreErrorKind::WriteFailed);
  }
  EXPECT_EQ(readFile(p), QByteArray("A\r\nB\r\n"));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 1)
      << "no temporary file left behind";
}

TEST_F(LineStoreTest, RewriteKeepsPermissionsAndLinks) {
  const QString p = file("A\r\n");
  ASSERT_EQ(::chmod(QFile::encodeName(p).constData(), 0640), 0);
  const QString link = dir_.path() + QStringLiteral("/link.txt");
  ASSERT_TRUE(QFile::link(p, link));
  PutLine(link, 1, QStringLiteral("B"));
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  EXPECT_EQ(GetLine(p, 1), "B");
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(p).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(LineStoreTest, AFolderIsNotReadable) {
  try {
    GetLine(dir_.path(), 1);
    FAIL();
  } catch (const LineStoreError& e) {
    EXPECT_EQ(e.kind(), LineStoreErrorKind::ReadFailed);
  }
}

TEST_F(LineStoreTest, ErrorsNameTheFile) {
  try {
    GetLine(missing(), 1);
  } catch (const LineStoreError& e) {
    EXPECT_EQ(e.path(), missing());
    EXPECT_NE(std::string(e.what()).find("missing.txt"), std::string::npos);
  }
}

}  // namespace
}  // namespace kc
