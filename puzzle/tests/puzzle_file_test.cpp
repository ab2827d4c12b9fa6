#include "puzzle/puzzle_file.h"

#include <gtest/gtest.h>

#include <map>

namespace kc::puzzle {
namespace {

PuzzleValues sample(const QString& rowCount) {
  PuzzleValues v;
  v.rowCount = rowCount;
  for (int r = 0; r < kRows; ++r) {
    v.answers[r] = QStringLiteral("A%1").arg(r + 1);
    v.questions[r] = QStringLiteral("Q%1").arg(r + 1);
    v.specials[r] = QString::number(r % 3);
  }
  v.topic = QStringLiteral("T");
  v.mediaLink = QStringLiteral("-");
  v.presentationLink = kDefaultPresentationLink.toString();
  v.welcomeSwitch = QStringLiteral("1");
  for (int i = 0; i < 6; ++i) v.welcome[i] = kDefaultWelcome[i].toString();
  v.keywordQuestion = QStringLiteral("K?");
  return v;
}

std::map<int, QString> asMap(const std::vector<LineWrite>& writes) {
  std::map<int, QString> m;
  for (const auto& w : writes) m[w.line] = w.text;
  return m;
}

TEST(RowLines, RowsWithinTheCountGetTheirTextsAndTheOthersZero) {
  struct Case {
    const char* rowCount;
    int used;  // rows that keep their texts; -1 = no row line is written
  };
  for (const Case& c : {Case{"3", 3}, Case{"4", 4}, Case{"12", 12}, Case{"15", -1},
                        Case{"2", -1}, Case{"0", -1}, Case{"abc", 12}, Case{"", 12}}) {
    SCOPED_TRACE(c.rowCount);
    const PuzzleValues v = sample(QString::fromLatin1(c.rowCount));
    const auto writes = rowLines(v.rowCount, v.answers, v.questions);
    if (c.used < 0) {
      EXPECT_TRUE(writes.empty());
      continue;
    }
    ASSERT_EQ(writes.size(), 24u);
    const auto m = asMap(writes);
    for (int r = 1; r <= kRows; ++r) {
      EXPECT_EQ(m.at(answerLine(r)), r <= c.used ? v.answers[r - 1] : QStringLiteral("0"));
      EXPECT_EQ(m.at(questionLine(r)), r <= c.used ? v.questions[r - 1] : QStringLiteral("0"));
    }
  }
}

TEST(RowLines, AnswersComeBeforeQuestions) {
  const PuzzleValues v = sample(QStringLiteral("3"));
  const auto writes = rowLines(v.rowCount, v.answers, v.questions);
  for (size_t i = 0; i < writes.size(); ++i)
    EXPECT_EQ(writes[i].line, int(i) + 2) << i;  // lines 2-13, then 14-25
}

TEST(SaveWrites, SaveAsCoversEveryLineOnceInItsOrder) {
  const PuzzleValues v = sample(QStringLiteral("4"));
  const auto writes = saveAsWrites(v);
  ASSERT_EQ(writes.size(), 48u);
  EXPECT_EQ(writes[0], (LineWrite{1, "4"}));
  EXPECT_EQ(writes[1], (LineWrite{26, "T"}));
  EXPECT_EQ(writes[2].line, 27);
  EXPECT_EQ(writes[14].line, 2);
  EXPECT_EQ(writes.back(), (LineWrite{48, "K?"}));
  const auto m = asMap(writes);
  EXPECT_EQ(m.size(), 48u);
  EXPECT_EQ(m.at(39), "-");
  EXPECT_EQ(m.at(41), "1");
  EXPECT_EQ(m.at(43), kDefaultWelcome[1].toString());
  EXPECT_EQ(m.at(6), "0");  // row 5 of a 4-row puzzle
  EXPECT_EQ(m.at(18), "0");
}

TEST(SaveWrites, SaveWritesTheSameValuesWithCountAndTopicLast) {
  const PuzzleValues v = sample(QStringLiteral("7"));
  const auto save = saveWrites(v);
  ASSERT_EQ(save.size(), 48u);
  EXPECT_EQ(save[0].line, 27);
  EXPECT_EQ(save[save.size() - 2], (LineWrite{1, "7"}));
  EXPECT_EQ(save.back(), (LineWrite{26, "T"}));
  EXPECT_EQ(asMap(save), asMap(saveAsWrites(v)));
}

TEST(SaveWrites, RowCountOutOfRangeLeavesRowLinesAlone) {
  const auto writes = saveAsWrites(sample(QStringLiteral("15")));
  const auto m = asMap(writes);
  EXPECT_EQ(m.at(1), "15");
  for (int line = 2; line <= 25; ++line) EXPECT_EQ(m.count(line), 0u) << line;
}

TEST(PictureName, RowsAndKeyword) {
  EXPECT_EQ(pictureName(3), "image3.jpg");
  EXPECT_EQ(pictureName(12), "image12.jpg");
  EXPECT_EQ(pictureName(0), "image.jpg");
}

}  // namespace
}  // namespace kc::puzzle
