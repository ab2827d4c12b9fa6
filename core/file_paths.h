#pragma once
// Small path helpers shared by every window.

#include <QString>

namespace kc {

// The part of p before its last separator: for a puzzle file, the folder that holds it.
QString GetFolderPath(const QString& p);
// The part of p after its last separator (all of p when it has none).
QString GetFileName(const QString& p);
// True when p names an ordinary file; false otherwise and on any error.
bool FileExists(const QString& p);
// A file beside a puzzle: GetFolderPath(puzzle) + "\" + name, with the name matched without
// regard to letter case ("Image3.JPG" serves for "image3.jpg").
QString CompanionPath(const QString& puzzlePath, const QString& name);

}  // namespace kc
