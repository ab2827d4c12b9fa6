// The line store reads a whole file for every value (nothing is cached), so it must cost little
// more than the bare read: GetLine(48) on a 48-line puzzle against open + read + close of the
// same file (target <= 1.5x), and PutLine against writing the same bytes.

#include "benchmarks/ratio_reporter.h"
#include "core/line_store.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Fixture {
  QTemporaryDir dir;
  QString path;
  QByteArray native;
  QByteArray wide;  // the file as PutLine leaves it

  Fixture() {
    path = dir.path() + QStringLiteral("/puzzle.txt");
    native = QFile::encodeName(path);
    QByteArray eight;
    for (int i = 1; i <= 48; ++i)
      eight += QByteArray("C\xA9u hái sè ") + QByteArray::number(i) + " : ai lµ ng\xADêi\r\n";
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(eight);
    f.close();
    kc::PutLine(path, 1, kc::GetLine(path, 1));  // the file as the editor leaves it
    QFile r(path);
    r.open(QIODevice::ReadOnly);
    wide = r.readAll();
  }
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void BM_GetLine48(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) benchmark::DoNotOptimize(kc::GetLine(f.path, 48));
}

void BM_RawRead(benchmark::State& state) {
  Fixture& f = fixture();
  char buffer[16384];
  for (auto _ : state) {
    int fd = ::open(f.native.constData(), O_RDONLY | O_CLOEXEC);
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(buffer);
  }
}

void BM_PutLine(benchmark::State& state) {
  Fixture& f = fixture();
  const QString text = QStringLiteral("C\u00A9u hái");
  for (auto _ : state) kc::PutLine(f.path, 20, text);
}

// Writing the same bytes the same safe way (temporary file, flush to disk, rename).
void BM_RawWrite(benchmark::State& state) {
  Fixture& f = fixture();
  const QByteArray tmp = f.native + ".tmp";
  for (auto _ : state) {
    int fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ssize_t n = ::write(fd, f.wide.constData(), size_t(f.wide.size()));
    ::fsync(fd);
    ::close(fd);
    ::rename(tmp.constData(), f.native.constData());
    benchmark::DoNotOptimize(n);
  }
}

BENCHMARK(BM_GetLine48)->Repetitions(5);
BENCHMARK(BM_RawRead)->Repetitions(5);
BENCHMARK(BM_PutLine)->Repetitions(5);
BENCHMARK(BM_RawWrite)->Repetitions(5);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  kc::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nLine store on a 48-line puzzle (medians):\n");
  kc::bench::printRatio("GetLine(48) / raw read", reporter.times("BM_GetLine48"),
                        reporter.times("BM_RawRead"), "  (target <= 1.5)");
  kc::bench::printRatio("PutLine / raw safe write", reporter.times("BM_PutLine"),
                        reporter.times("BM_RawWrite"), "");
  benchmark::Shutdown();
  return 0;
}
