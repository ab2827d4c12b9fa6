#include "puzzle/puzzle_file.h"

#include "core/numbers.h"

namespace kc::puzzle {

QString pictureName(int row) {
  return row == 0 ? QStringLiteral("image.jpg")
                  : QStringLiteral("image") + QString::number(row) + QStringLiteral(".jpg");
}

std::vector<LineWrite> rowLines(const QString& rowCountText,
                                const std::array<QString, kRows>& answers,
                                const std::array<QString, kRows>& questions) {
  std::vector<LineWrite> out;
  const auto c = parseWhole(rowCountText);
  int used = kRows;  // a text that is not a number writes every row as it stands
  if (c) {
    if (*c < 3 || *c > kRows) return out;  // a number out of range writes no row line
    used = *c;
  }
  for (int r = 1; r <= kRows; ++r)
    out.push_back({answerLine(r), r <= used ? answers[r - 1] : kUnused.toString()});
  for (int r = 1; r <= kRows; ++r)
    out.push_back({questionLine(r), r <= used ? questions[r - 1] : kUnused.toString()});
  return out;
}

namespace {

void appendSpecials(std::vector<LineWrite>& out, const PuzzleValues& v) {
  for (int r = 1; r <= kRows; ++r) out.push_back({specialLine(r), v.specials[r - 1]});
}

void appendRows(std::vector<LineWrite>& out, const PuzzleValues& v) {
  for (auto& w : rowLines(v.rowCount, v.answers, v.questions)) out.push_back(std::move(w));
}

void appendTail(std::vector<LineWrite>& out, const PuzzleValues& v, bool withKeyword) {
  out.push_back({kMediaLink, v.mediaLink});
  out.push_back({kPresentationLink, v.presentationLink});
  out.push_back({kWelcomeSwitch, v.welcomeSwitch});
  for (int i = 1; i <= 6; ++i) out.push_back({welcomeLine(i), v.welcome[i - 1]});
  if (withKeyword) out.push_back({kKeywordQuestion, v.keywordQuestion});
}

}  // namespace

std::vector<LineWrite> saveAsWrites(const PuzzleValues& v) {
  std::vector<LineWrite> out;
  out.push_back({kRowCount, v.rowCount});
  out.push_back({kTopic, v.topic});
  appendSpecials(out, v);
  appendRows(out, v);
  appendTail(out, v, true);
  return out;
}

std::vector<LineWrite> saveWrites(const PuzzleValues& v) {
  std::vector<LineWrite> out;
  appendSpecials(out, v);
  appendRows(out, v);
  appendTail(out, v, true);
  out.push_back({kRowCount, v.rowCount});
  out.push_back({kTopic, v.topic});
  return out;
}

}  // namespace kc::puzzle
