#include "show/show_windows.h"

#include "core/program.h"
#include "core/window_names.h"
#include "show/form1.h"
#include "show/picshow.h"

namespace kc {

void registerShowWindows(Program& program) {
  program.registerWindow(windows::kShow, [](Program& p) -> Window* { return new Form1(p); });
  program.registerWindow(windows::kPicture, [](Program& p) -> Window* { return new Picshow(p); });
}

}  // namespace kc
