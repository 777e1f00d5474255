#include <exception>
#include <ostream>

#include "commands.h"
#include "image_compare.h"

namespace ostra::cli {

int runCompare(const std::string& first, const std::string& second, std::ostream& out,
               std::ostream& err) {
  try {
    const RgbaImage a = readPng(first);
    const RgbaImage b = readPng(second);
    const Tolerance tolerance;
    const ImageDifference difference = compareImages(a, b, tolerance);
    out << describe(difference, a, b, tolerance) << '\n'
        << (difference.within ? "within" : "outside") << " the tolerance (max "
        << tolerance.maxChannelDifference << ", at most " << tolerance.looseShare * 100
        << " % off by more than " << tolerance.looseDifference << ")\n";
    return difference.within ? 0 : 1;
  } catch (const std::exception& failure) {
    err << "quellon compare: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace ostra::cli
