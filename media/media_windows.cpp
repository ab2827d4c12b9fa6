#include "media/media_windows.h"

#include "core/program.h"
#include "core/window_names.h"
#include "media/select_media.h"

namespace kc {

void registerMediaWindows(Program& program) {
  program.registerWindow(windows::kSelectMedia,
                         [](Program& p) -> Window* { return new SelectMedia(p); });
}

}  // namespace kc
