#pragma once
// Painting helpers shared by the skins and the other delivered pictures, and the pictures
// that belong to no skin: wallpapers, question backgrounds, the clock and the minimised window.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include <QPainterPath>

#include <random>
#include <vector>

namespace kc::tools {

using Random = std::mt19937;

// Uniform in [lo, hi).
double uniform(Random& random, double lo, double hi);

// Saves as JPEG at quality 90; throws std::runtime_error on failure.
void saveJpeg(const QImage& image, const QString& path);

// A painter with antialiasing on.
void smooth(QPainter& p);

// Serif font with every Vietnamese letter at a pixel size.
QFont captionFont(double pixelSize, bool bold = true);

// Draws text centred in rect, shrinking the font until it fits, with a soft shadow when
// shadow is valid.
void drawFittedText(QPainter& p, const QRectF& rect, const QString& text, double pixelSize,
                    const QColor& colour, const QColor& shadow = QColor());

// Five-pointed star.
QPainterPath starPath(QPointF centre, double outer, double inner, double rotation = -90);

// Small pictograms drawn on the buttons.
enum class Glyph { Folder, Plus, Gear, Info, Door, ArrowLeft, Disk, Picture, Tick, Cross };
void drawGlyph(QPainter& p, const QRectF& box, Glyph glyph, const QColor& colour);

// A five-petal blossom (peach blossom petals by default).
void drawBlossom(QPainter& p, QPointF centre, double radius, double rotation, const QColor& petal,
                 const QColor& heart);

namespace pictures {

struct Named {
  QString fileName;
  QImage image;
};

// 1024 x 768 wallpapers (sky, sea, rice fields, notebook page).
std::vector<Named> wallpapers();
// Question panel backgrounds, the panel's full width: light, so that bold text reads on them.
std::vector<Named> questionBackgrounds();
// The countdown clock, transparent around its face.
QImage clock();
// The minimised window's picture, on the colour-key background kColourKey.
inline constexpr QRgb kColourKey = 0xFFCCCCFF;  // RGB(204, 204, 255)
QImage minimisedWindow();

}  // namespace pictures
}  // namespace kc::tools
