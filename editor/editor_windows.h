#pragma once
// Registers the editor windows with the program object.

namespace kc {
class Program;
// Maker (the editor) and WelcomeConf (its welcome page settings).
void registerEditorWindows(Program& program);
}  // namespace kc
