#pragma once
// The program's texts are strings of 16-bit codes. Vietnamese text is TCVN3 (one byte per
// character, codes 0-255), exactly as the files of the old platform hold it; the TCVN3 fonts
// drew those bytes as Vietnamese letters. This layer stands in for those fonts: it turns
// codes into Unicode for display and typed Unicode back into codes.
//
// In source code a TCVN3 text is written in its Latin-1 view: u"Kh«ng dïng" holds exactly
// the codes 0x4B 0x68 0xAB ... that the files hold. The letter ư (byte 0xAD, a soft hyphen in
// that view) is written \u00AD.

#include <QString>
#include <QStringView>

namespace kc::tcvn3 {

// Codes for display in ".VnTime": 0-255 through the TCVN3 table, others as they are; the
// result is in NFC.
QString decode(QStringView codes);
// Codes for display in the capitals font ".VnTimeH": the table's capital column.
QString decodeCapitals(QStringView codes);

// Typed Unicode to codes: a character TCVN3 has becomes its byte; any other character keeps
// its Unicode code, except that one whose code would fall in 0x80-0xFF is stored decomposed
// (base letter + combining marks) so that it is never mistaken for a TCVN3 byte. The input
// is normalised first, so decode(encode(x)) == NFC(x).
QString encode(QStringView unicode);

// For answers, drawn one character per cell in the capitals font: a capital that TCVN3 has
// only as a small letter is stored as that small letter's byte ("À" -> 0xB5), so a letter is
// always one code and one cell, as the old platform stored it.
QString encodeAnswer(QStringView unicode);

}  // namespace kc::tcvn3
