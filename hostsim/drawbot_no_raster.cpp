// The Windows build's rasteriser, where Cairo is not built: every call is taken and nothing
// reaches the pixels, so the effect's drawing code runs, and is counted, under Wine all the
// same. Text is laid out as it comes, uncut and without width.
#include "hostsim/drawbot_raster.h"

namespace ostra::hostsim {

class DrawbotFont {};

namespace {

class NoRaster final : public DrawbotRaster {
 public:
  void fillPath(const std::vector<PathOp>&, DRAWBOT_FillType, const DRAWBOT_ColorRGBA&) override {}
  TextLine fillText(const DrawbotFont&, float, const std::u32string& text, const DRAWBOT_ColorRGBA&,
                    DRAWBOT_PointF32 origin, DRAWBOT_TextAlignment, DRAWBOT_TextTruncation,
                    float) override {
    return {toUtf8(text), false, 0, origin.x};
  }
};

}  // namespace

std::unique_ptr<DrawbotRaster> makeDrawbotRaster(std::uint32_t*, int, int, int) {
  return std::make_unique<NoRaster>();
}

bool DrawbotCanvas::rasterises() { return false; }

std::shared_ptr<const DrawbotFont> loadDefaultFont() { return std::make_shared<DrawbotFont>(); }

}  // namespace ostra::hostsim
