#include "editor/editor_windows.h"

#include "core/program.h"
#include "core/window_names.h"
#include "editor/maker.h"
#include "editor/welcome_conf.h"

namespace kc {

void registerEditorWindows(Program& program) {
  program.registerWindow(windows::kEditor, [](Program& p) -> Window* { return new Maker(p); });
  program.registerWindow(windows::kWelcomeConf,
                         [](Program& p) -> Window* { return new WelcomeConf(p); });
}

}  // namespace kc
