#include "puzzle/grid.h"

#include <gtest/gtest.h>

namespace kc::grid {
namespace {

// Shown positions of a row as a string: the letter where a cell is shown, '.' where not.
std::string picture(const Row& row, int n = kPositions) {
  std::string s;
  for (int k = 1; k <= n; ++k) s += row[k].shown ? char(row[k].letter.unicode()) : '.';
  return s;
}

TEST(FillRow, PositionsFollowTheAnswerText) {
  struct Case {
    const char* text;
    int n;
    const char* expected;
  };
  const Case cases[] = {
      {"HANOI", 18, "HANOI............."},
      {"  HANOI", 18, "..HANOI..........."},
      {"   ABC", 18, "...ABC............"},
      {"HA NOI", 18, "HA.NOI............"},
      {"AB CD", 18, "AB.CD............."},
      {"ABCDEFGHIJKLMNOPQRST", 18, "ABCDEFGHIJKLMNOPQR"},
      {"ABCDEFGHIJKLMNOPQRST", 16, "ABCDEFGHIJKLMNOP"},
      {"    ", 18, ".................."},
      {"", 18, ".................."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const Row row = fillRow(QString::fromLatin1(c.text), c.n);
    EXPECT_EQ(picture(row, c.n), c.expected);
    EXPECT_FALSE(row[0].shown);
  }
}

TEST(FillRow, HiddenSpacesKeepTheirCharacter) {
  const Row row = fillRow(u"A B");
  EXPECT_EQ(row[2].letter, QChar(' '));
  EXPECT_FALSE(row[2].shown);
  EXPECT_FALSE(row[4].shown);
  EXPECT_TRUE(row[4].letter.isNull());
}

TEST(KeyCell, PositionTexts) {
  struct Case {
    const char* text;
    int cells;
    std::optional<int> expected;
  };
  const Case cases[] = {{"0", 18, 0},  {"1", 18, 1},  {"18", 18, 18},          {"19", 18, std::nullopt},
                        {"17", 16, std::nullopt},     {"16", 16, 16},          {"", 18, std::nullopt},
                        {"x", 18, std::nullopt},      {"-1", 18, std::nullopt}, {" 5 ", 18, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(keyCell(QString::fromLatin1(c.text), c.cells), c.expected);
  }
}

TEST(Columns, LeftEdgesPerView) {
  EXPECT_EQ(columnLeft(kShowView, 1), 4050);
  EXPECT_EQ(columnLeft(kShowView, 18), 4050 + 17 * 550);
  EXPECT_EQ(columnLeft(kEditorView, 2), 5895);
  EXPECT_EQ(columnLeft(kExportView, 16), 2490 + 15 * 540);
  // The picture's 18th column still ends inside its 12510-twip page.
  EXPECT_LE(columnLeft(kExportView, 18) + kExportView.cellWidth, 12510);
}

}  // namespace
}  // namespace kc::grid
