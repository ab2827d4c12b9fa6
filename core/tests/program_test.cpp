#include "core/program.h"
#include "core/testing/temp_program.h"
#include "core/window_names.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace kc {
namespace {

// A window that records its load and reads another window while it loads.
class Probe : public Window {
 public:
  Probe(Program& p, QStringView name, QStringView reads, int* loads)
      : Window(p, name), reads_(reads.toString()), loads_(loads) {}
  void load() override {
    ++*loads_;
    if (!reads_.isEmpty()) readDuringLoad = program().window(reads_);
  }
  Window* readDuringLoad = nullptr;

 private:
  QString reads_;
  int* loads_;
};

TEST(Program, ReadingAWindowLoadsItOnceWithoutShowingIt) {
  testing::TempProgram t;
  int loads = 0;
  t.program->registerWindow(u"A", [&](Program& p) { return new Probe(p, u"A", u"", &loads); });
  EXPECT_FALSE(t.program->isLoaded(u"A"));
  Window* a = t.program->window(u"A");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->objectName(), "A");
  EXPECT_FALSE(a->isVisible());
  EXPECT_EQ(t.program->window(u"A"), a);
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(t.program->window(u"nobody"), nullptr);
}

TEST(Program, WindowsReadEachOtherWhileLoading) {
  testing::TempProgram t;
  int loadsA = 0, loadsB = 0;
  t.program->registerWindow(u"A", [&](Program& p) { return new Probe(p, u"A", u"B", &loadsA); });
  t.program->registerWindow(u"B", [&](Program& p) { return new Probe(p, u"B", u"A", &loadsB); });
  auto* a = static_cast<Probe*>(t.program->window(u"A"));
  auto* b = static_cast<Probe*>(t.program->loaded(u"B"));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(a->readDuringLoad, b);
  EXPECT_EQ(b->readDuringLoad, a) << "a window read during its own load is that window";
  EXPECT_EQ(loadsA, 1);
  EXPECT_EQ(loadsB, 1);
}

TEST(Program, UnloadDiscardsTheWindowAndTheNextReadLoadsAfresh) {
  testing::TempProgram t;
  int loads = 0;
  t.program->registerWindow(u"A", [&](Program& p) { return new Probe(p, u"A", u"", &loads); });
  QPointer<Window> first = t.program->show(u"A");
  EXPECT_TRUE(first->isVisible());
  t.program->unload(u"A");
  EXPECT_FALSE(t.program->isLoaded(u"A"));
  EXPECT_FALSE(first->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  Window* second = t.program->window(u"A");
  EXPECT_EQ(loads, 2);
  EXPECT_NE(second, nullptr);
}

TEST(Program, EndClosesEverything) {
  testing::TempProgram t;
  int loads = 0;
  t.program->registerWindow(u"A", [&](Program& p) { return new Probe(p, u"A", u"", &loads); });
  t.program->show(u"A");
  QSignalSpy ended(t.program.get(), &Program::ended);
  t.program->end();
  EXPECT_EQ(ended.count(), 1);
  EXPECT_FALSE(t.program->isLoaded(u"A"));
  EXPECT_TRUE(t.program->hasEnded());
}

}  // namespace
}  // namespace kc
