#include <gtest/gtest.h>

#include "app/shell/base/ColorFromHex.hpp"

namespace verdeo {
namespace {

using platform::ui::Color;

Color rgba(double r, double g, double b, double a) {
  return {r / 255, g / 255, b / 255, a / 255};
}

TEST(ColorFromHex, ReadsThreeSixAndEightDigitLiteralsAndFallsBackForOtherLengths) {
  struct Case {
    const char* text;
    Color expected;
  };
  const Color brand = rgba(31, 200, 135, 255);
  for (const auto& c : {
           Case{"1FC887", brand},
           Case{"#1FC887", brand},
           Case{"  1FC887  ", brand},
           Case{"\t#1fc887\n", brand},
           Case{"F80", rgba(255, 136, 0, 255)},
           Case{"FF8800", rgba(255, 136, 0, 255)},
           Case{"801FC887", rgba(31, 200, 135, 128)},
           Case{"12345", rgba(1, 1, 0, 1)},
           Case{"", rgba(1, 1, 0, 1)},
           Case{"#", rgba(1, 1, 0, 1)},
           Case{"GGGGGG", rgba(0, 0, 0, 255)},
           // Reading stops at the first non-digit; the length still picks the channels.
           Case{"1F-887", rgba(0, 0, 0x1F, 255)},
           // A "0x" prefix is read but counts towards the length.
           Case{"0x1FC887", rgba(31, 200, 135, 0)},
           // Letters of any script are kept by the trim, so the length is 7.
           Case{"1FC887é", rgba(1, 1, 0, 1)},
       })
    EXPECT_EQ(colorFromHex(c.text), c.expected) << '"' << c.text << '"';
}

}  // namespace
}  // namespace verdeo
