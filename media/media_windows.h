#pragma once
// Registers the media windows with the program object.

namespace kc {
class Program;
// SelectMedia (the media check).
void registerMediaWindows(Program& program);
}  // namespace kc
