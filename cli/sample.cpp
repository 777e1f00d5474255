#include <exception>
#include <ostream>

#include "commands.h"
#include "sample_art.h"

namespace ostra::cli {

int runSample(const std::string& output, int width, int height, std::ostream& out,
              std::ostream& err) {
  try {
    writePng(output, sampleArtwork(width, height));
    out << "wrote " << output << '\n';
    return 0;
  } catch (const std::exception& failure) {
    err << "quellon sample: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace ostra::cli
