#include "shell/all_windows.h"

#include "shell/shell_windows.h"

namespace kc {

void registerAllWindows(Program& program) {
  registerShellWindows(program);
  // ---- The other libraries' windows are registered here as each one is linked in: ----
  // registerShowWindows, registerEditorWindows, registerMediaWindows, registerExportWindows
  // (and the settings screen's). Until a window is registered, the menu button that opens it
  // does nothing.
}

}  // namespace kc
