#pragma once
// Line-addressed text files: every value of a puzzle, of the settings file and of the
// selection files lives on a fixed, 1-based line. Nothing is cached: each call opens the
// file, does its work and closes it, so one window's write is seen by the next read anywhere.

#include <QString>

#include <stdexcept>

namespace kc {

enum class LineStoreErrorKind {
  NotFound,     // no file at that path; nothing is created
  Overflow,     // the file holds 32767 lines or more
  ReadFailed,   // the file exists but could not be read (a folder, no permission, ...)
  WriteFailed,  // the rewrite could not be completed; the old file is left whole
};

class LineStoreError : public std::runtime_error {
 public:
  LineStoreError(LineStoreErrorKind kind, const QString& path);
  LineStoreErrorKind kind() const { return kind_; }
  const QString& path() const { return path_; }

 private:
  LineStoreErrorKind kind_;
  QString path_;
};

// Lines are counted with a 16-bit signed counter, as files of the old platform expect.
inline constexpr int kLineCounterLimit = 32767;

// Text of line n (1-based) without its terminator; "" when n < 1 or past the end.
// A file starting with FF FE is UTF-16LE, any other file is 8-bit (one byte, one code).
// CR LF ends a line, and so does a bare LF; a bare CR is part of the text.
// Throws LineStoreError (NotFound, Overflow, ReadFailed).
QString GetLine(const QString& path, int n);

// Replaces line n and rewrites the whole file as UTF-16LE with FF FE and CR LF after every
// line. Never adds or removes lines: for n out of range the text is dropped and the file is
// still rewritten. CR and LF inside text are flattened to one space each, so a value stays
// one line. The new content goes to a temporary file beside the old one, which is then
// renamed into place, so a failed write leaves the old file whole.
// Throws LineStoreError (NotFound, Overflow, ReadFailed, WriteFailed).
void PutLine(const QString& path, int n, const QString& text);

// Number of lines the store sees in a file (for tools and tests). Throws like GetLine.
int LineCount(const QString& path);

}  // namespace kc
