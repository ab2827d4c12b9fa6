#include "shell/all_windows.h"

#include "editor/editor_windows.h"
#include "export/export_windows.h"
#include "media/media_windows.h"
#include "shell/shell_windows.h"
#include "show/show_windows.h"

namespace kc {

void registerAllWindows(Program& program) {
  registerShellWindows(program);
  registerShowWindows(program);
  registerEditorWindows(program);
  registerMediaWindows(program);
  registerExportWindows(program);
  // The settings screen comes with the appearance windows; until it is registered the menu's
  // Settings button does nothing.
}

}  // namespace kc
