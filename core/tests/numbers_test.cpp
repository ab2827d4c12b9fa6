#include "core/numbers.h"

#include <gtest/gtest.h>

namespace kc {
namespace {

TEST(Numbers, Conversions) {
  struct Case {
    const char* text;
    std::optional<double> real;
    std::optional<std::int32_t> whole;
    std::optional<int> seconds;
  };
  const Case cases[] = {
      {"30", 30, 30, 30},         {" 12 ", 12, 12, 12},       {"0", 0, 0, 0},
      {"-1", -1, -1, std::nullopt}, {"2.5", 2.5, 2, std::nullopt}, {"3.5", 3.5, 4, std::nullopt},
      {"16777215", 16777215, 16777215, 16777215},
      {"", std::nullopt, std::nullopt, std::nullopt},
      {"abc", std::nullopt, std::nullopt, std::nullopt},
      {"1e3", std::nullopt, std::nullopt, std::nullopt},
      {"0x10", std::nullopt, std::nullopt, std::nullopt},
      {"99999999999", 99999999999.0, std::nullopt, std::nullopt},
      {".", std::nullopt, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const QString t = QString::fromLatin1(c.text);
    EXPECT_EQ(parseReal(t), c.real);
    EXPECT_EQ(parseWhole(t), c.whole);
    EXPECT_EQ(parseSeconds(t), c.seconds);
    if (!c.whole) {
      EXPECT_THROW(toWhole(t), ConversionError);
    }
  }
}

}  // namespace
}  // namespace kc
