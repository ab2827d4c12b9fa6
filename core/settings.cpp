#include "core/settings.h"

#include "core/data_folder.h"
#include "core/line_store.h"
#include "core/numbers.h"

#include <QColor>

namespace kc {

Settings::Settings(QString programFolder) : folder_(std::move(programFolder)) {}

QString Settings::path() const { return resolvePath(folder_, data::kSettingsFile); }

QString Settings::line(settings::Line line) const { return GetLine(path(), line); }

std::int32_t Settings::colour(settings::Line line) const {
  return toWhole(this->line(line));
}

double Settings::real(settings::Line line) const { return toReal(this->line(line)); }

void Settings::put(settings::Line line, const QString& text) const {
  PutLine(path(), line, text);
}

QString Settings::selection(QStringView selectionFile) const {
  return GetLine(resolvePath(folder_, selectionFile), 1);
}

std::optional<int> Settings::countdownSeconds() const {
  QString value;
  try {
    value = line(settings::kCountdown);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  if (value == settings::kCountdownOff) return std::nullopt;
  return parseSeconds(value);
}

QString Settings::skinFile(QStringView file) const {
  return skinFile(line(settings::kSkin), file);
}

QString Settings::skinFile(const QString& skin, QStringView file) const {
  return resolvePath(folder_, data::kThemesFolder.toString() + skin + file.toString());
}

QColor colourFromValue(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

std::int32_t valueFromColour(const QColor& c) {
  return c.red() + 256 * c.green() + 65536 * c.blue();
}

}  // namespace kc
