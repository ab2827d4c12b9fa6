#pragma once
// Every window of the program, registered with the program object in one call from main().

namespace kc {
class Program;
void registerAllWindows(Program& program);
}  // namespace kc
