#include "editor/puzzle_saver.h"

#include "core/file_paths.h"
#include "core/line_store.h"
#include "core/services.h"

#include <QFile>
#include <QSaveFile>

namespace kc {

namespace {

// Every write of the list, each with its own PutLine; a failing one does not stop the rest.
bool writeAll(const QString& path, const std::vector<puzzle::LineWrite>& writes) {
  bool all = true;
  for (const auto& w : writes) {
    try {
      PutLine(path, w.line, w.text);
    } catch (const LineStoreError&) {
      all = false;
    }
  }
  return all;
}

std::optional<SaveOutcome::Kind> checkLines(const QString& path) {
  try {
    if (LineCount(path) < puzzle::kLineCount) return SaveOutcome::Kind::TooShort;
  } catch (const LineStoreError&) {
    return SaveOutcome::Kind::Unreadable;
  }
  return std::nullopt;
}

}  // namespace

bool copyFileReplacing(const QString& from, const QString& to) {
  QFile in(from);
  if (!in.open(QIODevice::ReadOnly)) return false;
  const QByteArray bytes = in.readAll();
  if (in.error() != QFileDevice::NoError) return false;
  QSaveFile out(to);
  if (!out.open(QIODevice::WriteOnly)) return false;
  if (out.write(bytes) != bytes.size()) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
}

SaveOutcome savePuzzleAs(const QString& templatePath, const QString& workingCopy,
                         const puzzle::PuzzleValues& values, Services& services) {
  using Kind = SaveOutcome::Kind;
  // Without a template an older working copy still serves as the base.
  const bool fresh = FileExists(templatePath) && copyFileReplacing(templatePath, workingCopy);
  if (!fresh && !FileExists(workingCopy)) return {Kind::NoTemplate, templatePath};
  if (const auto problem = checkLines(workingCopy))
    return {*problem, fresh ? templatePath : workingCopy};
  if (!writeAll(workingCopy, puzzle::saveAsWrites(values))) return {Kind::NotWritable, workingCopy};

  const auto target =
      services.saveFile(FileDialogRequest{kPuzzleFilter.toString(), kPuzzleDialogTitle.toString(),
                                          kPuzzleDialogTitle.toString(), QStringLiteral("txt")});
  if (!target) return {Kind::Cancelled, {}};
  if (!copyFileReplacing(workingCopy, *target)) return {Kind::NotWritable, *target, *target};
  return {Kind::Saved, *target, *target};
}

SaveOutcome savePuzzle(const QString& openFile, const puzzle::PuzzleValues& values) {
  using Kind = SaveOutcome::Kind;
  if (openFile.isEmpty()) return {Kind::NoOpenFile, {}};
  if (!FileExists(openFile)) return {Kind::Unreadable, openFile};
  if (const auto problem = checkLines(openFile)) return {*problem, openFile};
  if (!writeAll(openFile, puzzle::saveWrites(values))) return {Kind::NotWritable, openFile};
  return {Kind::Saved, openFile};
}

QString failureMessage(const SaveOutcome& o) {
  using Kind = SaveOutcome::Kind;
  switch (o.kind) {
    case Kind::Saved:
    case Kind::Cancelled:
      return {};
    case Kind::NoOpenFile:
      return QStringLiteral(
          u"Chưa mở file ô chữ nào nên Save chưa có chỗ để ghi. "
          u"Hãy dùng Save As để lưu thành một file mới.");
    case Kind::NoTemplate:
      return QStringLiteral(u"Không lưu được: thiếu file mẫu %1.").arg(o.path);
    case Kind::TooShort:
      return QStringLiteral(
                 u"Không lưu được vào %1: file không đủ 48 dòng của một file ô chữ, "
                 u"nên một phần ô chữ sẽ bị mất. Hãy dùng Save As.")
          .arg(o.path);
    case Kind::Unreadable:
      return QStringLiteral(u"Không lưu được: không mở được file %1.").arg(o.path);
    case Kind::NotWritable:
      return QStringLiteral(u"Không lưu được: không ghi được vào file %1.").arg(o.path);
  }
  return {};
}

QString savedHint(const QString& path) { return QStringLiteral(u"Đã lưu vào %1").arg(path); }

}  // namespace kc
