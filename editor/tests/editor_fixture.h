#pragma once
// A temporary program with the editor windows and the media check registered, and the editor
// loaded as the menu opens it.

#include "core/testing/temp_program.h"
#include "core/window_names.h"
#include "editor/editor_windows.h"
#include "editor/maker.h"
#include "editor/welcome_conf.h"
#include "media/media_windows.h"
#include "media/select_media.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

namespace kc::testing {

// Types text as a keyboard layout or an input method delivers it (QTest only types ASCII).
inline void typeText(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(w, &release);
  }
}

class EditorTest : public ::testing::Test {
 protected:
  EditorTest() {
    registerEditorWindows(*tp.program);
    registerMediaWindows(*tp.program);
  }

  Maker& editor() { return *tp.program->window<Maker>(windows::kEditor); }
  WelcomeConf& welcome() { return *tp.program->window<WelcomeConf>(windows::kWelcomeConf); }
  SelectMedia& media() { return *tp.program->window<SelectMedia>(windows::kSelectMedia); }

  // Opens a puzzle through the editor's Open dialog.
  void openPuzzle(const QString& path) {
    tp.services.queueOpen(path);
    editor().open();
  }
  // Save As into a file of the puzzle folder; returns its path.
  QString saveAsFile(const QString& name) {
    QDir().mkpath(tp.puzzleFolder());
    const QString target = tp.puzzleFolder() + QLatin1Char('/') + name;
    tp.services.queueSave(target);
    editor().saveAs();
    return target;
  }
  // Runs the deferred deletions of unloaded windows.
  static void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }

  TempProgram tp;
};

}  // namespace kc::testing
