#pragma once
// How a row's answer becomes letter cells, shared by the editor, the show and the picture.
// Position k of a row shows character k of the answer; a space is an empty, hidden cell;
// rows line up only through their leading spaces.

#include <QChar>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace kc::grid {

inline constexpr int kPositions = 18;  // cells 1..18; the arrays also hold a never-shown 0

struct View {
  int firstLeft;  // left edge of column 1, twips
  int pitch;      // from one column's left edge to the next
  int cellWidth;
  int cells;      // positions the view provides
};

inline constexpr View kEditorView{5400, 495, 495, 18};
inline constexpr View kShowView{4050, 550, 550, 18};
inline constexpr View kExportView{2490, 540, 495, 16};

constexpr int columnLeft(const View& v, int k) { return v.firstLeft + (k - 1) * v.pitch; }

struct Cell {
  bool shown = false;
  QChar letter;
  bool operator==(const Cell&) const = default;
};
using Row = std::array<Cell, kPositions + 1>;

// Fill of one row: positions 1..min(len, n) show their character, except spaces; all others
// (and position 0) are hidden. A cell keeps its character even when hidden.
Row fillRow(QStringView text, int n = kPositions);

// The key cell selected by a special-letter position text: 0..18 (0 is the never-shown cell,
// so nothing visible changes); nullopt when the text is not a whole number in 0..cells.
std::optional<int> keyCell(const QString& positionText, int cells = kPositions);

}  // namespace kc::grid
