#pragma once
// The menu's fade: one opacity value that the fade-in raises and the fade-out lowers by a
// fixed step per timer tick. The value is kept across hiding and showing the menu, so a later
// fade-out always starts from where the window really is.

#include "core/timing.h"

#include <optional>

namespace kc {

class Fade {
 public:
  int value() const { return value_; }

  // One fade-in tick: the alpha to give the window, or nullopt on the tick that finds the
  // window already opaque (the fade-in is over; the window's alpha is left as it is).
  std::optional<int> stepIn() {
    value_ += timing::kMenuFadeStep;
    if (value_ > kOpaque) {
      value_ = kOpaque;
      return std::nullopt;
    }
    return value_;
  }

  // One fade-out tick: the alpha to give the window, or nullopt on the tick that finds it
  // already invisible (the program ends then).
  std::optional<int> stepOut() {
    value_ -= timing::kMenuFadeStep;
    if (value_ < 0) {
      value_ = 0;
      return std::nullopt;
    }
    return value_;
  }

  static constexpr int kOpaque = 255;

 private:
  int value_ = 0;
};

}  // namespace kc
