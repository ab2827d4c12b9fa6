#include "core/line_store.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kc {

namespace {

const char* kindText(LineStoreErrorKind kind) {
  switch (kind) {
    case LineStoreErrorKind::NotFound: return "file not found";
    case LineStoreErrorKind::Overflow: return "too many lines";
    case LineStoreErrorKind::ReadFailed: return "file could not be read";
    case LineStoreErrorKind::WriteFailed: return "file could not be written";
  }
  return "line store error";
}

[[noreturn]] void fail(LineStoreErrorKind kind, const QString& path) {
  throw LineStoreError(kind, path);
}

// Reads the whole file with plain system calls: these files are small and read often, so the
// common case is one open, one read and one close. A short read of a regular file means its
// end; only a file larger than the first buffer needs more reads.
QByteArray readAll(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    fail(errno == ENOENT || errno == ENOTDIR ? LineStoreErrorKind::NotFound
                                             : LineStoreErrorKind::ReadFailed,
         path);
  }
  QByteArray bytes(16384, Qt::Uninitialized);
  qsizetype got = 0;
  for (;;) {
    ssize_t r = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
    if (r < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      fail(LineStoreErrorKind::ReadFailed, path);  // a folder, a device that refuses, ...
    }
    got += r;
    if (got < bytes.size()) break;  // a short read of a file is its end
    bytes.resize(bytes.size() * 2);
  }
  ::close(fd);
  bytes.truncate(got);
  return bytes;
}

// Walks the lines of a file's content in either encoding.
class LineReader {
 public:
  explicit LineReader(const QByteArray& bytes) : b_(bytes) {
    wide_ = b_.size() >= 2 && uchar(b_[0]) == 0xFF && uchar(b_[1]) == 0xFE;
    pos_ = wide_ ? 1 : 0;  // in units
    units_ = wide_ ? b_.size() / 2 : b_.size();  // an odd trailing byte is ignored
  }

  bool atEnd() const { return pos_ >= units_; }

  // Advances past the next line; returns its [begin, end) in units.
  std::pair<qsizetype, qsizetype> next() {
    const qsizetype begin = pos_;
    qsizetype i = pos_;
    while (i < units_) {
      char16_t u = unit(i);
      if (u == 0x0A) {
        qsizetype end = (i > begin && unit(i - 1) == 0x0D) ? i - 1 : i;
        pos_ = i + 1;
        return {begin, end};
      }
      ++i;
    }
    pos_ = units_;
    return {begin, units_};
  }

  QString text(std::pair<qsizetype, qsizetype> span) const {
    QString s;
    s.resize(span.second - span.first);
    QChar* out = s.data();
    for (qsizetype i = span.first; i < span.second; ++i) *out++ = QChar(unit(i));
    return s;
  }

 private:
  char16_t unit(qsizetype i) const {
    if (!wide_) return uchar(b_[i]);
    return char16_t(uchar(b_[2 * i]) | (uchar(b_[2 * i + 1]) << 8));
  }

  const QByteArray& b_;
  bool wide_ = false;
  qsizetype pos_ = 0;
  qsizetype units_ = 0;
};

void appendWide(QByteArray& out, QStringView text) {
  for (QChar c : text) {
    out.append(char(c.unicode() & 0xFF));
    out.append(char(c.unicode() >> 8));
  }
}

void appendWide(QByteArray& out, const LineReader& reader, std::pair<qsizetype, qsizetype> span) {
  appendWide(out, reader.text(span));
}

QString flatten(const QString& text) {
  if (!text.contains(QChar(0x0D)) && !text.contains(QChar(0x0A))) return text;
  QString s;
  s.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    QChar c = text[i];
    if (c == QChar(0x0D)) {
      if (i + 1 < text.size() && text[i + 1] == QChar(0x0A)) ++i;
      s.append(QChar(' '));
    } else if (c == QChar(0x0A)) {
      s.append(QChar(' '));
    } else {
      s.append(c);
    }
  }
  return s;
}

bool writeFully(int fd, const QByteArray& data) {
  qsizetype done = 0;
  while (done < data.size()) {
    ssize_t w = ::write(fd, data.constData() + done, static_cast<size_t>(data.size() - done));
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += w;
  }
  return true;
}

// Writes data next to target and renames it over target, keeping target's permissions.
void replaceAtomically(const QString& path, const QByteArray& data) {
  // Write through a link to the file it names, so the link itself stays in place.
  QString target = path;
  QFileInfo info(path);
  if (info.isSymLink()) target = info.canonicalFilePath();
  const QByteArray native = QFile::encodeName(target);

  struct stat st {};
  if (::stat(native.constData(), &st) != 0) fail(LineStoreErrorKind::WriteFailed, path);
  // A read-only file stays read-only, even for a user who could replace it.
  if ((st.st_mode & S_IWUSR) == 0 || ::access(native.constData(), W_OK) != 0)
    fail(LineStoreErrorKind::WriteFailed, path);

  QByteArray tmpl = native;
  const qsizetype slash = tmpl.lastIndexOf('/');
  tmpl.insert(slash + 1, ".");
  tmpl.append(".XXXXXX");
  int fd = ::mkstemp(tmpl.data());
  if (fd < 0) fail(LineStoreErrorKind::WriteFailed, path);
  bool ok = writeFully(fd, data) && ::fchmod(fd, st.st_mode & 07777) == 0 && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ok = ::rename(tmpl.constData(), native.constData()) == 0;
  if (!ok) {
    ::unlink(tmpl.constData());
    fail(LineStoreErrorKind::WriteFailed, path);
  }
}

}  // namespace

LineStoreError::LineStoreError(LineStoreErrorKind kind, const QString& path)
    : std::runtime_error(std::string(kindText(kind)) + ": " + path.toStdString()),
      kind_(kind),
      path_(path) {}

QString GetLine(const QString& path, int n) {
  const QByteArray bytes = readAll(path);
  LineReader reader(bytes);
  QString result;
  int i = 1;
  while (!reader.atEnd()) {
    if (i > n) break;
    auto span = reader.next();
    if (i == n) result = reader.text(span);
    ++i;
    if (i > kLineCounterLimit) fail(LineStoreErrorKind::Overflow, path);
  }
  return result;
}

void PutLine(const QString& path, int n, const QString& text) {
  const QByteArray bytes = readAll(path);
  LineReader reader(bytes);
  const QString value = flatten(text);
  QByteArray out;
  out.reserve(bytes.size() * 2 + value.size() * 2 + 8);
  out.append(char(0xFF));
  out.append(char(0xFE));
  int i = 1;
  while (!reader.atEnd()) {
    auto span = reader.next();
    if (i == n) {
      appendWide(out, value);
    } else {
      appendWide(out, reader, span);
    }
    out.append("\x0D\x00\x0A\x00", 4);
    ++i;
    if (i > kLineCounterLimit) fail(LineStoreErrorKind::Overflow, path);
  }
  replaceAtomically(path, out);
}

int LineCount(const QString& path) {
  const QByteArray bytes = readAll(path);
  LineReader reader(bytes);
  int count = 0;
  while (!reader.atEnd()) {
    reader.next();
    ++count;
  }
  return count;
}

}  // namespace kc
