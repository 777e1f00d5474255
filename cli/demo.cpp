#include <exception>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "commands.h"
#include "contact_sheet.h"
#include "frame_renderer.h"
#include "param_values.h"
#include "report.h"
#include "sample_art.h"

namespace ostra::cli {
namespace {

struct Look {
  const char* label;
  const char* file;
  std::vector<const char*> sets;
  bool mapLayer = false;
};

const Look kLooks[] = {
    {"Defaults", "defaults", {}},
    {"Golden", "golden", {"Map Type=Golden", "Bevel End=40"}},
    {"Cyber Punk", "cyber_punk", {"Map Type=Cyber Punk", "Bevel End=30", "Map Size=60"}},
    {"Rainbow", "rainbow", {"Map Type=Rainbow", "Bevel End=50", "Roughness=30"}},
    {"Extrude + Smooth",
     "extrude_smooth",
     {"Extrude=16", "Smooth=6", "Bevel End=24", "Color=210,90,40", "Extrude Center=320,160"}},
    {"Parallel lights",
     "parallel_lights",
     {"L1 Type=Parallel Light", "L2 Type=Parallel Light", "L1 Target=256,128", "L2 Target=256,128",
      "L2 Color=60,120,255", "Metallic=60"}},
    {"Custom Layer", "custom_layer", {"Map Type=Custom Layer", "Bevel End=36"}, true},
    {"Hard bevel, low gamma", "hard_bevel", {"Bevel End=12", "Gamma=0.6", "Color=#e0c060"}},
};

// A colourful map to wrap over the relief: diagonal bands over a soft gradient.
RgbaImage mapLayerArt() {
  RgbaImage image;
  image.width = 256;
  image.height = 128;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const bool band = ((x + y) / 16) % 2 == 0;
      image.rgba.insert(image.rgba.end(), {static_cast<uint8_t>(band ? 240 : 40 + x / 2),
                                           static_cast<uint8_t>(band ? 70 + y : 180),
                                           static_cast<uint8_t>(band ? 60 : 255 - x / 2), 255});
    }
  }
  return image;
}

}  // namespace

int runDemo(const std::string& modulePath, const std::string& outDir, std::ostream& out,
            std::ostream& err) {
  try {
    const RgbaImage artwork = sampleArtwork(512, 256);
    std::filesystem::create_directories(outDir);
    FrameRenderer renderer(modulePath);
    out << aboutText(renderer.host()) << "\n\n";

    std::vector<LabelledImage> tiles;
    for (const Look& look : kLooks) {
      renderer.params().resetValues();
      renderer.setMapLayer(look.mapLayer ? std::optional(mapLayerArt()) : std::nullopt);
      for (const char* assignment : look.sets) applyAssignment(renderer.params(), assignment);
      RgbaImage image = renderer.render(artwork);
      const std::string path = (std::filesystem::path(outDir) / look.file).string() + ".png";
      writePng(path, image);
      out << "wrote " << path << '\n';
      tiles.push_back({look.label, std::move(image)});
    }
    const std::string sheet = (std::filesystem::path(outDir) / "demo.png").string();
    writePng(sheet, contactSheet(tiles, 2));
    out << "wrote " << sheet << " (all looks on one sheet)\n";
    return 0;
  } catch (const std::exception& failure) {
    err << "quellon demo: " << failure.what() << '\n';
    return 1;
  }
}

}  // namespace ostra::cli
