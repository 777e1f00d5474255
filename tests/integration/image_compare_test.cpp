// Two images judged as the golden renders are: the worst channel, where it lies, and the share
// of loosely matching pixels, each at its limit and just past it.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "image_compare.h"

namespace {

using ostra::cli::compareImages;
using ostra::cli::RgbaImage;

// 20 × 10 pixels: 0.5 % of them is one pixel.
RgbaImage grey() { return {20, 10, std::vector<uint8_t>(20 * 10 * 4, 128)}; }

struct Change {
  int pixel;
  int channel;
  int by;
};

struct CompareCase {
  const char* what;
  std::vector<Change> changes;
  int worst;
  int worstAt;
  std::size_t loose;
  bool within;
};

TEST(ImageCompareTest, JudgesTheWorstChannelAndTheShareOfLoosePixels) {
  const CompareCase cases[] = {
      {"identical", {}, 0, 0, 0, true},
      {"off by 4 everywhere is not loose", {{3, 0, 4}, {150, 2, -4}}, 4, 3, 0, true},
      {"one loose pixel is the 0.5 % allowed", {{7, 1, 5}}, 5, 7, 1, true},
      {"two loose pixels are too many", {{7, 1, 5}, {9, 2, 5}}, 5, 7, 2, false},
      {"24 is the most a channel may differ", {{42, 0, 24}}, 24, 42, 1, true},
      {"25 is too far, in alpha too", {{3, 0, 6}, {42, 3, -25}}, 25, 42, 2, false},
  };
  for (const CompareCase& c : cases) {
    SCOPED_TRACE(c.what);
    const RgbaImage a = grey();
    RgbaImage b = grey();
    for (const Change& change : c.changes) b.rgba[change.pixel * 4 + change.channel] += change.by;
    const ostra::cli::ImageDifference difference = compareImages(a, b);
    EXPECT_EQ(difference.worst, c.worst);
    EXPECT_EQ(difference.worstAt, std::size_t(c.worstAt));
    EXPECT_EQ(difference.loose, c.loose);
    EXPECT_EQ(difference.pixels, 200u);
    EXPECT_EQ(difference.within, c.within);
    EXPECT_EQ(compareImages(b, a).worst, c.worst) << "either way round";
  }
}

TEST(ImageCompareTest, NamesTheWorstPixelWithBothValuesAndRefusesOtherSizes) {
  const RgbaImage a = grey();
  RgbaImage b = grey();
  b.rgba[(3 * 20 + 5) * 4 + 2] = 200;
  const std::string line = ostra::cli::describe(compareImages(a, b), a, b);
  EXPECT_NE(line.find("max channel difference 72 at (5, 3): 128,128,128,128 against "
                      "128,128,200,128"),
            std::string::npos)
      << line;
  EXPECT_NE(line.find("1 of 200 pixels (0.5 %) off by more than 4"), std::string::npos) << line;

  const RgbaImage narrow{10, 10, std::vector<uint8_t>(10 * 10 * 4, 128)};
  EXPECT_THROW(compareImages(a, narrow), std::invalid_argument);
}

}  // namespace
