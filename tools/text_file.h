#pragma once
// Text files as the old platform delivered them: one byte per code (TCVN3 for Vietnamese
// text) and CR LF after every line, the last one included.

#include <QString>
#include <QStringList>

namespace kc::tools {

// Throws std::runtime_error when a code does not fit in a byte or the file cannot be written:
// a delivered file with a mangled line would only show up later as a wrong caption.
void writeEightBitLines(const QString& path, const QStringList& lines);

}  // namespace kc::tools
