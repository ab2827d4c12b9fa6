#pragma once
// The ten delivered skins: palette, motif and the pictures of each skin folder.

#include <QColor>
#include <QString>
#include <QStringView>

#include <array>
#include <vector>

namespace kc::tools {

enum class Motif { Wood, Leaves, Bokeh, Fireworks, Molecules, Drum, Blossoms, Chalk, Tiles, Waves };

struct SkinLook {
  QStringView name;
  QColor top, bottom;   // backdrop gradient
  QColor face1, face2;  // button face gradient (equal for flat buttons)
  QColor edge;          // button border
  QColor caption;       // button caption
  QColor ink, ink2;     // motif colours
  Motif motif;
  bool flat = false;  // square, flat buttons
  // The skin colour file: cell back, cell text (and the menu's title colour), unused, key
  // back, key text.
  std::array<QColor, 5> colours;
};

// In the order the settings screen offers them.
const std::vector<SkinLook>& skinLooks();

// Writes every picture and the colour file of one skin into folder (which must exist).
void writeSkin(const QString& folder, const SkinLook& look);

// Colour as the settings files store it: red + 256 green + 65536 blue.
QString storedColour(const QColor& colour);

}  // namespace kc::tools
