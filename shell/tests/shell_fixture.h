#pragma once
// A temporary program folder with the shell's windows registered, and a stand-in for the
// windows the menu opens that other libraries build.

#include "core/program.h"
#include "core/testing/temp_program.h"
#include "core/window_names.h"
#include "shell/menu.h"
#include "shell/shell_windows.h"

#include <QCoreApplication>
#include <QEvent>
#include <QVariant>

#include <gtest/gtest.h>

namespace kc::testing {

// Records what it read from the menu when it loaded, as the show does with `path`.
class StandInWindow : public Window {
 public:
  StandInWindow(Program& p, QStringView name) : Window(p, name) {}
  void load() override {
    if (Window* menu = program().loaded(windows::kMenu))
      pathAtLoad = menu->property("path").toString();
  }
  QString pathAtLoad;
};

class ShellTest : public ::testing::Test {
 protected:
  ShellTest() { registerShellWindows(program()); }

  Program& program() { return *tp.program; }
  Menu* menu() { return program().window<Menu>(windows::kMenu); }
  void registerStandIn(QStringView name) {
    const QString n = name.toString();
    program().registerWindow(name, [n](Program& p) { return new StandInWindow(p, n); });
  }
  StandInWindow* standIn(QStringView name) {
    return dynamic_cast<StandInWindow*>(program().loaded(name));
  }
  static void runDeferredDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void completeFadeIn() {
    for (int i = 0; i < 18; ++i) menu()->fadeInTick();
  }

  TempProgram tp;
};

}  // namespace kc::testing
