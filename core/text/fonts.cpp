#include "core/text/fonts.h"

#include "core/text/tcvn3.h"
#include "core/twips.h"

#include <QStringList>

namespace kc {

QFont makeFont(const FontSpec& style) {
  QFont f;
  if (style.face == FontFace::System) {
    f.setFamilies(QStringList() << QStringLiteral("Liberation Sans") << QStringLiteral("Arial")
                                << QStringLiteral("DejaVu Sans"));
  } else {
    f.setFamilies(QStringList() << QStringLiteral("Liberation Serif")
                                << QStringLiteral("Times New Roman") << QStringLiteral("Noto Serif")
                                << QStringLiteral("DejaVu Serif"));
  }
  f.setPixelSize(std::max(1, twips::pointsToPixels(style.points)));
  f.setBold(style.bold);
  f.setItalic(style.italic);
  f.setUnderline(style.underline);
  return f;
}

QString displayText(QStringView codes, FontFace face) {
  switch (face) {
    case FontFace::VnTime: return tcvn3::decode(codes);
    case FontFace::VnTimeH: return tcvn3::decodeCapitals(codes);
    case FontFace::System: return codes.toString();
  }
  return codes.toString();
}

}  // namespace kc
