// WriteJpeg against the bare encoder on the same pixels, and against Qt's own JPEG writer.
// Prints ratio = WriteJpeg time / baseline time after the runs (target: ≤ 1.05 against the bare
// encoder, which is the least any writer of that file has to do).

#include "core/services.h"
#include "export/dib_section.h"
#include "export/jpeg_writer.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "benchmarks/ratio_reporter.h"

#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

class QuietServices : public kc::Services {
 public:
  void message(const QString& text, kc::MessageIcon) override { last = text; }
  std::optional<QString> openFile(const kc::FileDialogRequest&) override { return {}; }
  std::optional<QString> saveFile(const kc::FileDialogRequest&) override { return {}; }
  std::optional<std::int32_t> chooseColour(std::int32_t) override { return {}; }
  QString last;
};

// Something like the snapshot: a white page, a title, row numbers and rows of boxed letters with
// a shaded key cell, so the encoder sees edges and text rather than flat colour.
QImage snapshotLikePicture() {
  QImage image(834, 598, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  QFont title(QStringLiteral("Liberation Serif"));
  title.setPixelSize(24);
  title.setItalic(true);
  p.setFont(title);
  p.drawText(QRect(160, 20, 565, 31), Qt::AlignCenter, QStringLiteral("Hệ Mặt Trời"));
  QFont cell(QStringLiteral("Liberation Serif"));
  cell.setPixelSize(21);
  p.setFont(cell);
  const int tops[] = {78, 118, 160, 200, 244, 288, 330, 372, 414, 460, 500, 542};
  for (int r = 0; r < 12; ++r) {
    p.drawText(QRect(120, tops[r], 30, 33), Qt::AlignCenter, QString::number(r + 1) + '.');
    for (int k = 0; k < 8 + r % 5; ++k) {
      const QRect box(166 + k * 36, tops[r], 33, 33);
      p.fillRect(box, k == r % 7 ? QColor(224, 224, 224) : QColor(Qt::white));
      p.setPen(QColor(128, 128, 128));
      p.drawRect(box.adjusted(0, 0, -1, -1));
      p.setPen(Qt::black);
      p.drawText(box, Qt::AlignCenter, QString(QChar(u'A' + (r * 7 + k) % 26)));
    }
  }
  return image;
}

struct Fixture {
  QTemporaryDir dir;
  QImage picture = snapshotLikePicture();
  kc::aDIBSection surface;
  Fixture() {
    if (!surface.CreateFromPicture(picture)) std::abort();
  }
  QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void BM_WriteJpeg(benchmark::State& state) {
  Fixture& f = fixture();
  QuietServices services;
  const QString path = f.path("write_jpeg.jpg");
  for (auto _ : state) {
    if (!kc::WriteJpeg(f.surface, path, 100, services)) {
      state.SkipWithError("WriteJpeg failed");
      break;
    }
  }
}

// The same pixels and settings straight into the encoder, with one handle and one output buffer
// kept for the whole run, then the bytes written with plain stdio to a new file (truncating the
// old one in place costs the file system more than making a new one, which would flatter us).
void BM_BareEncoder(benchmark::State& state) {
  Fixture& f = fixture();
  const QByteArray path = QFile::encodeName(f.path("bare.jpg"));
  tjhandle handle = tjInitCompress();
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  for (auto _ : state) {
    if (tjCompress2(handle, f.surface.DIBSectionBitsPtr(), f.surface.Width(),
                    f.surface.BytesPerScanLine(), f.surface.Height(), TJPF_BGR, &buffer, &size,
                    TJSAMP_444, 100, TJFLAG_BOTTOMUP) != 0) {
      state.SkipWithError("tjCompress2 failed");
      break;
    }
    std::remove(path.constData());
    std::FILE* out = std::fopen(path.constData(), "wb");
    if (!out || std::fwrite(buffer, 1, size, out) != size || std::fclose(out) != 0) {
      state.SkipWithError("writing failed");
      break;
    }
  }
  tjFree(buffer);
  tjDestroy(handle);
}

void BM_QImageSave(benchmark::State& state) {
  Fixture& f = fixture();
  const QString path = f.path("qimage.jpg");
  for (auto _ : state) {
    if (!f.picture.save(path, "JPG", 100)) {
      state.SkipWithError("QImage::save failed (no JPEG plugin?)");
      break;
    }
  }
}

BENCHMARK(BM_WriteJpeg)->Unit(benchmark::kMillisecond)->Repetitions(7);
BENCHMARK(BM_BareEncoder)->Unit(benchmark::kMillisecond)->Repetitions(7);
BENCHMARK(BM_QImageSave)->Unit(benchmark::kMillisecond)->Repetitions(7);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  kc::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  const auto write = reporter.times("BM_WriteJpeg");
  std::printf("\n834 x 598 at quality 100 (medians):\n");
  kc::bench::printRatio("WriteJpeg / bare encoder", write, reporter.times("BM_BareEncoder"),
             "  (target <= 1.05)");
  kc::bench::printRatio("WriteJpeg / QImage::save", write, reporter.times("BM_QImageSave"), "");
  benchmark::Shutdown();
  return 0;
}
