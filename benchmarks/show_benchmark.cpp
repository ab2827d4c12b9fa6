// Opening the show against a bare window, and the show standing idle.
//
//   show_benchmark            program start -> 12-row board painted, against a bare Qt window's
//                             first paint in the same run; prints the ratio (target <= 2).
//   show_benchmark --idle     the show open with the delivered look (three animations) for
//                             10 s: CPU % of one core and peak RSS (targets <= 3 %, <= 150 MB).
// Run both under xvfb-run with QT_QPA_PLATFORM=xcb for real windows.

#include "core/players/players.h"
#include "core/program.h"
#include "core/services.h"
#include "core/window_names.h"
#include "show/form1.h"
#include "show/letter_cell.h"
#include "show/show_windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

namespace {

class QuietServices : public kc::Services {
 public:
  void message(const QString&, kc::MessageIcon) override {}
  std::optional<QString> openFile(const kc::FileDialogRequest&) override { return {}; }
  std::optional<QString> saveFile(const kc::FileDialogRequest&) override { return {}; }
  std::optional<std::int32_t> chooseColour(std::int32_t) override { return {}; }
};

QString programFolder() {
  const QByteArray env = qgetenv("KELVORA_PROGRAM_DIR");
  return env.isEmpty() ? QStringLiteral(KELVORA_PROGRAM_DIR) : QString::fromLocal8Bit(env);
}

// A full puzzle: twelve rows of up to 14 letters, every row with its key cell.
QString writePuzzle(const QTemporaryDir& dir) {
  const char* answers[] = {"   MATTROI",   "  SAOTHUY", "    TRAIDAT",   " SAOHOA",
                           "  MOCTINH",    "THOTINH",   "   THIENVUONG", "  HAIVUONG",
                           "   DIEMVUONG", "SAOCHOI",   "  THIENHA",     "   VUTRU"};
  QByteArray text = "12\r\n";
  for (const char* a : answers) text += QByteArray(a) + "\r\n";
  for (int r = 1; r <= 12; ++r) text += "Question " + QByteArray::number(r) + "\r\n";
  text += "He Mat Troi\r\n";
  for (int r = 1; r <= 12; ++r) text += "5\r\n";
  text += "-\r\n-\r\n0\r\n";
  for (int i = 0; i < 6; ++i) text += "line\r\n";
  text += "Keyword?\r\n";
  const QString path = dir.filePath(QStringLiteral("puzzle.txt"));
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size()) std::abort();
  return path;
}

// Turns true once the widget has had a paint event, and notes when (on `clock`): the polling
// loop that waits for it may go on to run later work (decorations loading after the board is
// painted) before it looks, which is not part of the time to the paint.
class PaintWatch : public QObject {
 public:
  PaintWatch(QWidget* w, const QElapsedTimer& clock) : clock_(clock) {
    w->installEventFilter(this);
  }
  bool painted = false;
  double seconds = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint && !painted) {
      painted = true;
      seconds = clock_.nsecsElapsed() / 1e9;
    }
    return false;
  }

 private:
  const QElapsedTimer& clock_;
};

bool waitFor(const bool& flag) {
  QElapsedTimer t;
  t.start();
  while (!flag && t.elapsed() < 10000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  return flag;
}

struct Show {
  QuietServices services;
  kc::QtPlayers players;
  std::unique_ptr<kc::Program> program;
  kc::Form1* form = nullptr;

  explicit Show(const QString& puzzle) {
    program = std::make_unique<kc::Program>(programFolder(), services, players);
    kc::registerShowWindows(*program);
    program->registerWindow(kc::windows::kMenu, [puzzle](kc::Program& p) -> kc::Window* {
      auto* w = new kc::Window(p, kc::windows::kMenu);
      w->setProperty("path", puzzle);
      return w;
    });
    form = qobject_cast<kc::Form1*>(program->show(kc::windows::kShow));
  }
  ~Show() {
    program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
};

void BM_BareWindowFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    auto w = std::make_unique<QWidget>();
    w->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    w->resize(1027, 768);
    PaintWatch watch(w.get(), clock);
    w->show();
    if (!waitFor(watch.painted)) {
      state.SkipWithError("no paint");
      break;
    }
    state.SetIterationTime(watch.seconds);
    state.PauseTiming();
    w.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}

void BM_ShowOpenBoardPainted(benchmark::State& state) {
  QTemporaryDir dir;
  const QString puzzle = writePuzzle(dir);
  for (auto _ : state) {
    QElapsedTimer clock;
    clock.start();
    auto show = std::make_unique<Show>(puzzle);
    if (!show->form) {
      state.SkipWithError("the show did not open");
      break;
    }
    // The last row's last letter is among the last things painted.
    PaintWatch watch(show->form->cell(12, 8), clock);
    if (!waitFor(watch.painted)) {
      state.SkipWithError("the board was not painted");
      break;
    }
    state.SetIterationTime(watch.seconds);
    state.PauseTiming();
    show.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}

BENCHMARK(BM_BareWindowFirstPaint)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseManualTime();
BENCHMARK(BM_ShowOpenBoardPainted)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseManualTime();

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (!run.error_occurred && run.run_type == Run::RT_Aggregate &&
          run.aggregate_name == "median")
        median[run.run_name.function_name] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> median;
};

// utime + stime of this process, in seconds.
double cpuSeconds() {
  std::ifstream in("/proc/self/stat");
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::istringstream fields(all.substr(all.rfind(')') + 2));
  std::string f;
  unsigned long long utime = 0, stime = 0;
  for (int i = 3; fields >> f; ++i) {
    if (i == 14) utime = std::stoull(f);
    if (i == 15) {
      stime = std::stoull(f);
      break;
    }
  }
  return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

long peakRssKb() {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

int idle(int seconds) {
  QTemporaryDir dir;
  Show show(writePuzzle(dir));
  if (!show.form) {
    std::fprintf(stderr, "the show did not open\n");
    return 1;
  }
  // Let it settle first: the first paint and the animations' first decode are not idling.
  QElapsedTimer settle;
  settle.start();
  while (settle.elapsed() < 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  const double cpu0 = cpuSeconds();
  QElapsedTimer wall;
  wall.start();
  QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
  QCoreApplication::exec();
  const double cpu = cpuSeconds() - cpu0;
  const double elapsed = wall.elapsed() / 1000.0;
  std::printf(
      "show idle %.1f s on %s: CPU %.2f %% of one core (target <= 3 %%), "
      "peak RSS %.1f MB (target <= 150 MB)\n",
      elapsed, qPrintable(QGuiApplication::platformName()), 100.0 * cpu / elapsed,
      peakRssKb() / 1024.0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_MEDIA_BACKEND", "gstreamer", 0);
  bool idleMode = false;
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--idle") == 0) idleMode = true;
  QApplication app(argc, argv);
  if (idleMode) return idle(10);

  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double bare = reporter.median["BM_BareWindowFirstPaint"];
  const double show = reporter.median["BM_ShowOpenBoardPainted"];
  if (bare > 0 && show > 0)
    std::printf("\n  ratio show open / bare window first paint = %.2f  (target <= 2)\n",
                show / bare);
  benchmark::Shutdown();
  return 0;
}
