#pragma once
// Loading a window, building its look and reading its files run "step by step": a step that
// fails (a missing file, a line that is not a number, a picture that will not load) is
// skipped and the next step runs. step() is that rule in one line:
//
//   step([&] { chude->setCodes(GetLine(path, puzzle::kTopic)); });

#include <exception>
#include <utility>

namespace kc {

template <class F>
bool step(F&& f) noexcept {
  try {
    std::forward<F>(f)();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace kc
