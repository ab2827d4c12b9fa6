#include "core/text/tcvn3.h"

#include "tcvn3_table.inc"

#include <QHash>

namespace kc::tcvn3 {

namespace {

struct ReverseTables {
  QHash<char16_t, char16_t> byUnicode;  // assigned characters -> byte
  QHash<char16_t, char16_t> byCapital;  // capitals drawn by the capitals font -> byte

  ReverseTables() {
    for (int b = 0; b < 256; ++b) {
      const auto& e = kTable[b];
      if (!e.assigned && b >= 0x20) continue;
      if (!byUnicode.contains(e.unicode)) byUnicode.insert(e.unicode, char16_t(b));
    }
    for (int b = 0; b < 256; ++b) {
      const auto& e = kTable[b];
      if (!e.assigned) continue;
      if (!byCapital.contains(e.capital)) byCapital.insert(e.capital, char16_t(b));
    }
  }
};

const ReverseTables& reverse() {
  static const ReverseTables tables;
  return tables;
}

// The code a byte-range character would be read back as.
bool decodesToItself(char16_t c) { return kTable[c].unicode == c; }

void encodeChar(char16_t c, bool answer, QString& out) {
  const auto& r = reverse();
  if (auto it = r.byUnicode.constFind(c); it != r.byUnicode.constEnd()) {
    out.append(QChar(*it));
    return;
  }
  if (answer) {
    if (auto it = r.byCapital.constFind(c); it != r.byCapital.constEnd()) {
      out.append(QChar(*it));
      return;
    }
  }
  if (c < 0x80 || c > 0xFF) {
    out.append(QChar(c));
    return;
  }
  // A code in the byte range that TCVN3 uses for something else: store it decomposed.
  const QString parts = QString(QChar(c)).normalized(QString::NormalizationForm_D);
  if (parts.size() > 1) {
    for (QChar p : parts) encodeChar(p.unicode(), answer, out);
    return;
  }
  // Not decomposable: an unassigned byte reads back as itself, so keep it.
  if (decodesToItself(c)) {
    out.append(QChar(c));
    return;
  }
  // Nothing in TCVN3 or outside the byte range can stand for it.
  out.append(QChar(0xFFFD));
}

QString encodeWith(QStringView unicode, bool answer) {
  const QString nfc = unicode.toString().normalized(QString::NormalizationForm_C);
  QString out;
  out.reserve(nfc.size());
  for (QChar c : nfc) encodeChar(c.unicode(), answer, out);
  return out;
}

template <bool kCapital>
QString decodeWith(QStringView codes) {
  QString out;
  out.reserve(codes.size());
  bool ascii = true;
  for (QChar c : codes) {
    const char16_t u = c.unicode();
    if (u < 256) {
      const char16_t d = kCapital ? kTable[u].capital : kTable[u].unicode;
      if (d >= 0x80) ascii = false;
      out.append(QChar(d));
    } else {
      ascii = false;
      out.append(c);
    }
  }
  return ascii ? out : out.normalized(QString::NormalizationForm_C);
}

}  // namespace

QString decode(QStringView codes) { return decodeWith<false>(codes); }
QString decodeCapitals(QStringView codes) { return decodeWith<true>(codes); }
QString encode(QStringView unicode) { return encodeWith(unicode, false); }
QString encodeAnswer(QStringView unicode) { return encodeWith(unicode, true); }

}  // namespace kc::tcvn3
