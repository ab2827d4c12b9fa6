#pragma once
// The program settings file (ten lines) and the selection files of the Data folder. Values
// are read from the file every time they are used, so a change made by the settings screen
// is seen at once by every window; numbers are converted where they are used.

#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

namespace kc {

namespace settings {
enum Line : int {
  kCellBack = 1,           // background colour of the letter cells
  kCellText = 2,           // text colour of the letter cells and of the show's captions
  kSkin = 3,               // current skin: a folder under "\data\Themes\"
  kKeyBack = 4,            // background colour of the key cells
  kKeyText = 5,            // text colour of the key cells
  kCountdown = 6,          // seconds per question, or "Kh«ng dïng"
  kPresentation = 7,       // "Style1" or any other text (the second style)
  kAutoStyle = 8,          // "1": change the style by itself during the show
  kAutoStyleInterval = 9,  // seconds between automatic style changes
  kCountdownStart = 10,    // "1": start by itself when the clock has come in; "0": on a click
};
inline constexpr int kLineCount = 10;

// "Kh«ng dïng" (not used): no countdown.
inline constexpr QStringView kCountdownOff = u"Kh«ng dïng";
// Exactly this text selects the first presentation style.
inline constexpr QStringView kFirstPresentationStyle = u"Style1";
}  // namespace settings

class Settings {
 public:
  explicit Settings(QString programFolder);

  QString path() const;
  // Throws LineStoreError when the file cannot be read.
  QString line(settings::Line line) const;
  // A colour red + 256 green + 65536 blue; throws ConversionError for a non-number.
  std::int32_t colour(settings::Line line) const;
  // Lines 8 and 10 are compared as real numbers with 1 and 0; throws ConversionError.
  double real(settings::Line line) const;
  void put(settings::Line line, const QString& text) const;

  // Line 1 of a selection file (a path relative to the program folder).
  QString selection(QStringView selectionFile) const;

  // Line 6 read as a countdown: the number of seconds, or nullopt for "Kh«ng dïng", for a
  // value that is not a whole number of seconds, and for an unreadable file.
  std::optional<int> countdownSeconds() const;

  // Path of a file in the current skin's folder (skin = line 3), e.g. skinFile(u"\\DD.jpg").
  QString skinFile(QStringView file) const;
  QString skinFile(const QString& skin, QStringView file) const;

  const QString& programFolder() const { return folder_; }

 private:
  QString folder_;
};

// Colours are stored red in the low byte; QColor from such a value.
QColor colourFromValue(std::int32_t value);
std::int32_t valueFromColour(const QColor& colour);

}  // namespace kc
