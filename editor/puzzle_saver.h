#pragma once
// Writing the editor's puzzle to disk. Save As builds a complete file from the template in
// the working copy and copies it to the file the teacher names; Save rewrites the lines of
// the open file in place. Both report what happened, so the teacher is told when a puzzle did
// not reach the disk instead of finding out at the next Open.

#include "puzzle/puzzle_file.h"

#include <QString>

namespace kc {

class Services;

struct SaveOutcome {
  enum class Kind {
    Saved,        // path = the file written
    Cancelled,    // the teacher cancelled the save dialog; nothing but the working copy changed
    NoOpenFile,   // Save before any Open: there is no file to write into
    NoTemplate,   // neither the template nor an older working copy exists; path = template
    TooShort,     // the file lacks some of the 48 lines, so part of the puzzle would be lost
    Unreadable,   // the file is gone or cannot be read
    NotWritable,  // a write or the final copy failed; path = the file that could not be written
  };
  Kind kind = Kind::Saved;
  QString path;
  // The file named in the save dialog (Save As), even when it could not be written.
  QString chosen;
  bool operator==(const SaveOutcome&) const = default;
};

// The dialog of Open and Save As.
inline constexpr QStringView kPuzzleFilter = u"Text File (*.txt)|*.txt|";
inline constexpr QStringView kPuzzleDialogTitle = u"Phan Mem Tao O Chu - Dalvorin HighSchool";

// Template over the working copy, the puzzle's lines into it, the save dialog, then the
// working copy to the chosen file. The working copy keeps the puzzle whatever the outcome.
SaveOutcome savePuzzleAs(const QString& templatePath, const QString& workingCopy,
                         const puzzle::PuzzleValues& values, Services& services);

// The puzzle's lines written into the open file. A file with fewer than 48 lines is left
// untouched: writes to its missing lines would be dropped and the puzzle saved in part.
SaveOutcome savePuzzle(const QString& openFile, const puzzle::PuzzleValues& values);

// What the teacher is told about an outcome that is not a success (empty for Saved and
// Cancelled, which need no message box).
QString failureMessage(const SaveOutcome& outcome);
// The short confirmation shown in the editor's hint line after a save.
QString savedHint(const QString& path);

// Copies a file so that the target is either the old file or the complete new one: the bytes
// go to a temporary file beside the target, which is then renamed over it.
bool copyFileReplacing(const QString& from, const QString& to);

}  // namespace kc
