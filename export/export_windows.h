#pragma once
// Registers the image export window with the program object.

namespace kc {
class Program;
// Taoanh (the crossword picture).
void registerExportWindows(Program& program);
}  // namespace kc
