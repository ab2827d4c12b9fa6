// Kelvora Crossword: the program starts with its main menu.

#include "core/data_folder.h"
#include "core/players/players.h"
#include "core/program.h"
#include "core/qt_services.h"
#include "core/window_names.h"
#include "shell/all_windows.h"
#include "shell/single_instance.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
  // The media backend has to be chosen before the application object exists.
  kc::preparePlayers();

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvora Crossword"));
  QApplication::setApplicationVersion(QStringLiteral("6.0"));
  // The menu is hidden while another window is in use, and a closed window is not the end:
  // the program ends only through the menu's fade-out or the show's turn-off.
  QApplication::setQuitOnLastWindowClosed(false);

  const QString folder = kc::executableFolder();
  // A few pictures are found relative to the current folder, as when the program was
  // started from its own folder.
  QDir::setCurrent(folder);

  kc::QtServices services;
  kc::QtPlayers players;
  kc::Program program(folder, services, players);
  kc::registerAllWindows(program);

  kc::SingleInstance instance;
  if (!kc::claimSingleInstance(instance, services)) return 0;

  QObject::connect(&program, &kc::Program::ended, &app, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  program.show(kc::windows::kMenu);
  return app.exec();
}
