#include "core/numbers.h"

#include <cmath>
#include <limits>

namespace kc {

ConversionError::ConversionError(const QString& text)
    : std::runtime_error("not a number: \"" + text.toStdString() + "\"") {}

std::optional<double> parseReal(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty()) return std::nullopt;
  // Digits, one optional point, an optional leading sign: no exponents, no hex, no "inf".
  qsizetype i = 0;
  if (t[0] == QChar('+') || t[0] == QChar('-')) ++i;
  bool digits = false, point = false;
  for (; i < t.size(); ++i) {
    const QChar c = t[i];
    if (c >= QChar('0') && c <= QChar('9')) {
      digits = true;
    } else if (c == QChar('.') && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  bool ok = false;
  const double v = t.toDouble(&ok);
  if (!ok) return std::nullopt;
  return v;
}

std::optional<std::int32_t> parseWhole(const QString& text) {
  const auto v = parseReal(text);
  if (!v) return std::nullopt;
  const double r = std::nearbyint(*v);  // default rounding mode: half to even
  if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(r);
}

std::optional<int> parseSeconds(const QString& text) {
  const QString t = text.trimmed();
  if (t.isEmpty() || t.size() > 9) return std::nullopt;
  for (QChar c : t)
    if (c < QChar('0') || c > QChar('9')) return std::nullopt;
  return t.toInt();
}

double toReal(const QString& text) {
  if (auto v = parseReal(text)) return *v;
  throw ConversionError(text);
}

std::int32_t toWhole(const QString& text) {
  if (auto v = parseWhole(text)) return *v;
  throw ConversionError(text);
}

}  // namespace kc
