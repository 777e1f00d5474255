#include "image_compare.h"

#include <algorithm>
#include <cstdlib>
#include <iomanip>
#include <sstream>
#include <stdexcept>

namespace ostra::cli {
namespace {

std::string pixelText(const RgbaImage& image, std::size_t p) {
  std::ostringstream text;
  for (int c = 0; c < 4; ++c) text << (c ? "," : "") << int(image.rgba[p * 4 + c]);
  return text.str();
}

}  // namespace

ImageDifference compareImages(const RgbaImage& a, const RgbaImage& b, const Tolerance& tolerance) {
  if (a.width != b.width || a.height != b.height) {
    throw std::invalid_argument("the images differ in size: " + std::to_string(a.width) + "x" +
                                std::to_string(a.height) + " and " + std::to_string(b.width) + "x" +
                                std::to_string(b.height));
  }
  ImageDifference difference;
  difference.pixels = static_cast<std::size_t>(a.width) * a.height;
  for (std::size_t p = 0; p < difference.pixels; ++p) {
    int pixelWorst = 0;
    for (int c = 0; c < 4; ++c) {
      pixelWorst = std::max(pixelWorst, std::abs(int(a.rgba[p * 4 + c]) - int(b.rgba[p * 4 + c])));
    }
    difference.loose += pixelWorst > tolerance.looseDifference;
    if (pixelWorst > difference.worst) {
      difference.worst = pixelWorst;
      difference.worstAt = p;
    }
  }
  difference.within = difference.worst <= tolerance.maxChannelDifference &&
                      double(difference.loose) <= tolerance.looseShare * double(difference.pixels);
  return difference;
}

std::string describe(const ImageDifference& difference, const RgbaImage& a, const RgbaImage& b,
                     const Tolerance& tolerance) {
  std::ostringstream text;
  text << "max channel difference " << difference.worst;
  if (difference.pixels > 0) {
    const std::size_t p = difference.worstAt;
    text << " at (" << p % a.width << ", " << p / a.width << "): " << pixelText(a, p) << " against "
         << pixelText(b, p);
  }
  const double percent =
      difference.pixels > 0 ? 100.0 * double(difference.loose) / double(difference.pixels) : 0;
  text << "; " << difference.loose << " of " << difference.pixels << " pixels ("
       << std::setprecision(3) << percent << " %) off by more than " << tolerance.looseDifference;
  return text.str();
}

}  // namespace ostra::cli
