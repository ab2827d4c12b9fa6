#include "shell/shell_windows.h"

#include "core/program.h"
#include "core/window_names.h"
#include "shell/aboutf.h"
#include "shell/menu.h"

namespace kc {

void registerShellWindows(Program& program) {
  program.registerWindow(windows::kMenu, [](Program& p) { return new Menu(p); });
  program.registerWindow(windows::kAbout, [](Program& p) { return new Aboutf(p); });
}

}  // namespace kc
