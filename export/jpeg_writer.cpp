#include "export/jpeg_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <turbojpeg.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>

namespace kc {
namespace {

const QString kSaveFailed = QStringLiteral("Failed to save to JPG");

// Releases the encoder and its output buffer on every way out.
struct Encoder {
  tjhandle handle = tjInitCompress();
  unsigned char* buffer = nullptr;
  ~Encoder() {
    tjFree(buffer);
    if (handle) tjDestroy(handle);
  }
};

bool writeFully(int fd, const unsigned char* data, unsigned long size) {
  unsigned long done = 0;
  while (done < size) {
    const ssize_t w = ::write(fd, data + done, size - done);
    if (w < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<unsigned long>(w);
  }
  return true;
}

// Writes the bytes to a new file in the target's folder and renames it over the target, so the
// target is either the old file or the whole new one. A read-only picture is not replaced, as an
// ordinary open for writing would have refused it; a replaced picture keeps its permissions.
bool replaceFile(const QString& path, const unsigned char* data, unsigned long size) {
  if (path.isEmpty()) return false;
  QString target = path;
  const QFileInfo info(path);
  // Write through a link to the file it names, so the link stays.
  if (info.isSymLink() && !info.canonicalFilePath().isEmpty()) target = info.canonicalFilePath();
  const QByteArray native = QFile::encodeName(target);
  if (native.isEmpty() || native.endsWith('/')) return false;

  struct stat st {};
  const bool exists = ::stat(native.constData(), &st) == 0;
  if (exists) {
    if (!S_ISREG(st.st_mode)) return false;
    // The mode bit too: root passes access() on any file.
    if ((st.st_mode & S_IWUSR) == 0 || ::access(native.constData(), W_OK) != 0) return false;
  }

  const qsizetype slash = native.lastIndexOf('/');
  const QByteArray folder = native.left(slash + 1);
  const QByteArray name = native.mid(slash + 1);
  QByteArray temp;
  int fd = -1;
  // Created with 0666 so the umask gives a new picture the same rights as any other new file.
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp =
        folder + '.' + name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
    fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) return false;
  }
  if (fd < 0) return false;

  bool ok = writeFully(fd, data, size);
  if (ok && exists) ok = ::fchmod(fd, st.st_mode & 07777) == 0;
  // No fsync: a picture is not a database, and rename-over-old is flushed by ext4 on its own.
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = ::rename(temp.constData(), native.constData()) == 0;
  if (!ok) ::unlink(temp.constData());
  return ok;
}

}  // namespace

bool WriteJpeg(const aDIBSection& surface, const QString& path, int quality, Services& services) {
  Encoder encoder;
  if (!encoder.handle) {
    // tjInitCompress has no code of its own to give; -1 is its library's failure value.
    services.message(QStringLiteral("Failed to initialise the IJL library: ") + QString::number(-1),
                     MessageIcon::Warning);
    return false;
  }

  bool ok = !surface.isEmpty();
  unsigned long size = 0;
  if (ok) {
    const int width = surface.Width();
    const int height = surface.Height();
    // Preallocated for the worst case and never reallocated: the encoder cannot fail for lack of
    // room, and no second buffer is made behind our back.
    const unsigned long capacity = tjBufSize(width, height, TJSAMP_444);
    if (capacity != static_cast<unsigned long>(-1) &&
        capacity <= static_cast<unsigned long>(INT_MAX))
      encoder.buffer = tjAlloc(int(capacity));
    size = capacity;
    // The surface's own memory: BGR bytes, padded lines, bottom-up; the flags tell the encoder so.
    ok = encoder.buffer &&
         tjCompress2(encoder.handle, surface.DIBSectionBitsPtr(), width, surface.BytesPerScanLine(),
                     height, TJPF_BGR, &encoder.buffer, &size, TJSAMP_444, quality,
                     TJFLAG_BOTTOMUP | TJFLAG_NOREALLOC) == 0;
  }
  ok = ok && replaceFile(path, encoder.buffer, size);
  if (!ok) services.message(kSaveFailed, MessageIcon::Warning);
  return ok;
}

}  // namespace kc
