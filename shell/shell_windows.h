#pragma once
// The shell's windows: the main menu and the about box.

namespace kc {
class Program;
void registerShellWindows(Program& program);
}  // namespace kc
