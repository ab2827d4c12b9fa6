#include "puzzle/grid.h"

#include "core/numbers.h"

#include <algorithm>

namespace kc::grid {

Row fillRow(QStringView text, int n) {
  Row row{};
  const int m = int(std::min<qsizetype>(text.size(), std::clamp(n, 0, kPositions)));
  for (int k = 1; k <= m; ++k) {
    row[k].letter = text[k - 1];
    row[k].shown = text[k - 1] != QChar(' ');
  }
  return row;
}

std::optional<int> keyCell(const QString& positionText, int cells) {
  const auto p = parseWhole(positionText);
  if (!p || *p < 0 || *p > cells) return std::nullopt;
  return *p;
}

}  // namespace kc::grid
