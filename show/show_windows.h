#pragma once
// Registers the show (Form1) and its picture question window (Picshow) with the program.

namespace kc {
class Program;
void registerShowWindows(Program& program);
}  // namespace kc
