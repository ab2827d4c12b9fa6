#pragma once
// Number conversions of the values kept as text in line-addressed files. A text that holds
// no number makes the conversion fail with ConversionError, which the "skip a failing step"
// callers treat like any other failure.

#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace kc {

class ConversionError : public std::runtime_error {
 public:
  explicit ConversionError(const QString& text);
};

// A decimal number with optional blanks around it and an optional sign ("12", " 3 ", "-1",
// "2.5"); nullopt for anything else, the empty text included.
std::optional<double> parseReal(const QString& text);

// A whole number: a real number rounded half to even, as the old platform converts.
// nullopt when the text holds no number or the value does not fit 32 bits.
std::optional<std::int32_t> parseWhole(const QString& text);

// A whole number of seconds: only digits (blanks around allowed), no sign, no fraction.
std::optional<int> parseSeconds(const QString& text);

// Throwing forms for the step-by-step routines.
double toReal(const QString& text);
std::int32_t toWhole(const QString& text);

}  // namespace kc
