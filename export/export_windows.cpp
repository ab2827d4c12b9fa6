#include "export/export_windows.h"

#include "core/program.h"
#include "core/window_names.h"
#include "export/taoanh.h"

namespace kc {

void registerExportWindows(Program& program) {
  program.registerWindow(windows::kSnapshot, [](Program& p) -> Window* { return new Taoanh(p); });
}

}  // namespace kc
