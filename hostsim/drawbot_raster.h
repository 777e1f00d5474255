// What a canvas draws with. Each build links one rasteriser: drawbot_cairo.cpp on Linux,
// drawbot_no_raster.cpp on Windows, where Cairo is not built.
#pragma once

#include <cstdint>
#include <memory>

#include "hostsim/drawbot_canvas.h"

namespace ostra::hostsim {

class DrawbotRaster {
 public:
  virtual ~DrawbotRaster() = default;
  virtual void fillPath(const std::vector<PathOp>& path, DRAWBOT_FillType rule,
                        const DRAWBOT_ColorRGBA& color) = 0;
  virtual TextLine fillText(const DrawbotFont& font, float size, const std::u32string& text,
                            const DRAWBOT_ColorRGBA& color, DRAWBOT_PointF32 origin,
                            DRAWBOT_TextAlignment alignment, DRAWBOT_TextTruncation truncation,
                            float width) = 0;
};

// Draws into `pixels`, `width` × `height` premultiplied ARGB words with no padding, in units of
// `scale` pixels. Throws std::runtime_error when it cannot.
std::unique_ptr<DrawbotRaster> makeDrawbotRaster(std::uint32_t* pixels, int width, int height,
                                                 int scale);

}  // namespace ostra::hostsim
