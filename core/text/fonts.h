#pragma once
// The fonts of the program. ".VnTime" and ".VnTimeH" were TCVN3 fonts; their letters are drawn
// here with a serif font that has every Vietnamese letter, and sizes in points become pixel
// sizes at 96 dpi so that layouts in twips stay true on any screen.

#include <QFont>
#include <QString>
#include <QStringView>

namespace kc {

enum class FontFace {
  VnTime,   // mixed case, TCVN3 text
  VnTimeH,  // capitals only (the crossword cells), TCVN3 text
  System,   // "MS Sans Serif" and tool tips: Windows-1252 text, shown as it stands
};

struct FontSpec {
  FontFace face = FontFace::VnTime;
  double points = 12;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

QFont makeFont(const FontSpec& style);

// Codes as shown in that face: decoded through the TCVN3 table (its capital column for
// VnTimeH), or as they stand for the system font.
QString displayText(QStringView codes, FontFace face);

}  // namespace kc
