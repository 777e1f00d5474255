// What the header looks like, read off the host's canvas: the panel colour behind, the
// logo mark and the site name in the accent colour, the name on its baseline and cut to fit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "hostsim/drawbot_suites.h"
#include "tests/integration/header_fixture.h"
#include "tests/support/canvas_draws.h"

using namespace ostra::test;
using ostra::hostsim::DrawbotCanvas;
using ostra::hostsim::EffectEvent;
using ostra::hostsim::Rgba8;

namespace {

constexpr PF_App_Color kPanel{0x1f40, 0x3a98, 0x5dc0};
constexpr PF_App_Color kOtherPanel{0xe000, 0xd000, 0xc000};
constexpr DRAWBOT_ColorRGBA kAccent{0.435f, 0.286f, 0.87f, 1.0f};
constexpr Rgba8 kAccent8{111, 73, 222, 255};

// A 16-bit panel channel as the header fills it, in Cairo's 8-bit image.
DRAWBOT_ColorRGBA panelFill(const PF_App_Color& c) {
  const auto f = [](A_u_short v) { return static_cast<float>(v * 1.5259e-5); };
  return {f(c.red), f(c.green), f(c.blue), 1.0f};
}
Rgba8 eightBit(const DRAWBOT_ColorRGBA& c) {
  const auto b = [](float v) {
    return static_cast<std::uint8_t>(static_cast<unsigned>(v * 65535.0 + 0.5) >> 8);
  };
  return {b(c.red), b(c.green), b(c.blue), 255};
}

bool nearColour(Rgba8 a, Rgba8 b, int tolerance = 1) {
  return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
         std::abs(a.b - b.b) <= tolerance && a.a == b.a;
}

// Pixel at (x, y) units from the frame's corner, at the canvas's scale.
Rgba8 at(const DrawbotCanvas& canvas, double x, double y) {
  const int s = canvas.scale();
  return canvas.pixel(static_cast<int>((kHeaderFrame.left + x) * s),
                      static_cast<int>((kHeaderFrame.top + y) * s));
}

// How far a pixel lies from the background towards the accent, measured on green-to-blue's
// widest channel; -1 when it is no mix of the two.
double accentShare(Rgba8 p, Rgba8 background) {
  const double t = (p.b - background.b) / double(kAccent8.b - background.b);
  const auto off = [t](int v, int from, int to) { return std::abs(v - (from + t * (to - from))); };
  const bool mix =
      off(p.r, background.r, kAccent8.r) <= 2 && off(p.g, background.g, kAccent8.g) <= 2;
  return mix ? t : -1;
}

class HeaderImage : public HeaderTest {
 protected:
  void SetUp() override {
    OSTRA_SKIP_UNLESS_THE_CANVAS_DRAWS();
    HeaderTest::SetUp();
  }
  EffectEvent drawn(int scale = 1) {
    EffectEvent draw = drawEvent(place(), scale);
    EXPECT_EQ(send(draw).err, PF_Err_NONE);
    return draw;
  }
};

TEST_F(HeaderImage, ThePanelColourFillsTheFrameAndTheAccentTheLogoMarkWithinItsBox) {
  host().setPanelColor(kPanel);
  const EffectEvent draw = drawn();
  const DrawbotCanvas& canvas = *draw.canvas();
  const Rgba8 background = eightBit(panelFill(kPanel));

  EXPECT_EQ(canvas.pixel(2, 2).a, 0) << "outside the frame";
  EXPECT_EQ(canvas.pixel(kPanelWidth - 3, kPanelHeight - 2).a, 0) << "outside the frame";
  EXPECT_TRUE(nearColour(at(canvas, 0.5, 0.5), background));
  EXPECT_TRUE(nearColour(at(canvas, 199.5, 49.5), background));
  EXPECT_TRUE(nearColour(at(canvas, 60.5, 15.5), background));

  EXPECT_EQ(at(canvas, 16.5, 11.5), kAccent8) << "the shell";
  EXPECT_EQ(at(canvas, 60.5, 39.5), kAccent8) << "the tail";
  EXPECT_EQ(at(canvas, 24.5, 31.5), kAccent8) << "tail over shell: filled by the non-zero rule";
  EXPECT_TRUE(nearColour(at(canvas, 16.5, 24.5), background)) << "the counter stays open";
  // Nothing of the mark outside x 0.46 to 111.21, y 8.33 to 40.61, nor up to the text.
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 120; ++x) {
      const bool inBox = x <= 111 && y >= 8 && y <= 40;
      if (!inBox) {
        EXPECT_TRUE(nearColour(at(canvas, x + 0.5, y + 0.5), background)) << x << "," << y;
      }
    }
  }
}

TEST_F(HeaderImage, TheSiteNameStartsAt120OnABaselineAt43AndAHalfAndEndsInAnEllipsis) {
  host().setPanelColor(kPanel);
  const int s = 2;
  const EffectEvent draw = drawn(s);
  const DrawbotCanvas& canvas = *draw.canvas();
  const Rgba8 background = eightBit(panelFill(kPanel));
  const int left = kHeaderFrame.left * s, top = kHeaderFrame.top * s;

  // The text's pixels are all mixes of background and accent, the densest the accent itself.
  double densest = 0;
  int firstInk = -1, lastInk = -1, lowestInkInFirstGlyph = -1;
  double baselineRowInk = 0;  // in the first glyph, on the pixel row just above 43.5
  const int baselineRow = top + static_cast<int>(43.5 * s) - 1;
  for (int y = top + 20 * s; y < top + 50 * s; ++y) {
    for (int x = left + 112 * s; x < left + 200 * s; ++x) {
      const double share = accentShare(canvas.pixel(x, y), background);
      ASSERT_GE(share, 0) << x << "," << y;
      if (share < 0.05) continue;
      densest = std::max(densest, share);
      firstInk = firstInk < 0 ? x : std::min(firstInk, x);
      lastInk = std::max(lastInk, x);
      if (x < left + 126 * s) {
        lowestInkInFirstGlyph = std::max(lowestInkInFirstGlyph, y);
        if (y == baselineRow) baselineRowInk = std::max(baselineRowInk, share);
      }
    }
  }
  EXPECT_GE(densest, 0.99);
  EXPECT_GE(firstInk, left + 120 * s);
  EXPECT_LT(firstInk, left + 122 * s) << "starts within the first glyph's bearing of 120";
  // "k" stands on the baseline: its stem fills the last pixel row above 43.5, and no lower.
  EXPECT_EQ(lowestInkInFirstGlyph, baselineRow);
  EXPECT_GE(baselineRowInk, 0.9);
  // Uncut, the name would run past 200, out of the frame.
  EXPECT_LT(lastInk, left + 200 * s);
  for (int y = 0; y < canvas.pixelHeight(); ++y) {
    for (int x = left + 200 * s; x < canvas.pixelWidth(); ++x) {
      ASSERT_EQ(canvas.pixel(x, y).a, 0) << x << "," << y;
    }
  }
  const auto& texts = host().drawbot().texts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_TRUE(texts[0].truncated);
  EXPECT_EQ(texts[0].shown.substr(texts[0].shown.size() - 3), "\u2026");
}

// The host draws the same string where the header's text belongs; the effect's drawing must
// match it pixel for pixel.
TEST_F(HeaderImage, TheSiteNameIsDrawnAsTheHostDrawsItAtTheTextOrigin) {
  host().setPanelColor(kPanel);
  const EffectEvent draw = drawn(2);

  DrawbotCanvas reference(kPanelWidth, kPanelHeight, 2);
  ostra::hostsim::DrawbotHost& drawbot = host().drawbot();
  const DRAWBOT_DrawRef ref = drawbot.attach(reference);
  DRAWBOT_SupplierRef supplier = nullptr;
  DRAWBOT_SurfaceRef surface = nullptr;
  DRAWBOT_PathRef area = nullptr;
  DRAWBOT_BrushRef panel = nullptr, accent = nullptr;
  DRAWBOT_FontRef font = nullptr;
  drawbot.getSupplier(ref, &supplier);
  drawbot.getSurface(ref, &surface);
  drawbot.newPath(supplier, &area);
  const DRAWBOT_RectF32 frame{6, 4, 200, 50};
  drawbot.addRect(area, &frame);
  const DRAWBOT_ColorRGBA fill = panelFill(kPanel);
  drawbot.newBrush(supplier, &fill, &panel);
  drawbot.fillPath(surface, panel, area, kDRAWBOT_FillType_Winding);
  drawbot.newBrush(supplier, &kAccent, &accent);
  drawbot.newDefaultFont(supplier, 12, &font);
  const std::u16string name(kSiteName, kSiteName + std::char_traits<char>::length(kSiteName));
  const DRAWBOT_PointF32 origin{6 + 120, 4 + 43.5f};
  drawbot.drawString(surface, accent, font,
                     reinterpret_cast<const DRAWBOT_UTF16Char*>(name.c_str()), &origin,
                     kDRAWBOT_TextAlignment_Left, kDRAWBOT_TextTruncation_EndEllipsis, 80);
  for (DRAWBOT_ObjectRef object : {area, panel, accent, font}) drawbot.releaseObject(object);
  drawbot.detach(ref);

  int differing = 0;
  for (int y = 4 * 2; y < 54 * 2; ++y) {
    for (int x = (6 + 112) * 2; x < 206 * 2; ++x) {
      differing += draw.canvas()->pixel(x, y) != reference.pixel(x, y);
    }
  }
  EXPECT_EQ(differing, 0);
}

TEST_F(HeaderImage, ALaterPanelColourChangeLeavesTheHeaderAsFirstDrawn) {
  // A draw that could not read the panel colour builds nothing to keep.
  host().refuseSuite("PF AE App Suite");
  EffectEvent failed = drawEvent();
  EXPECT_EQ(send(failed).err, PF_Err_BAD_CALLBACK_PARAM);
  host().refuseSuite("PF AE App Suite", false);

  host().setPanelColor(kPanel);
  const EffectEvent first = drawn();
  host().setPanelColor(kOtherPanel);
  const EffectEvent later = drawn();
  EXPECT_TRUE(nearColour(at(*later.canvas(), 60.5, 15.5), eightBit(panelFill(kPanel))));
  EXPECT_EQ(later.canvas()->rgba(), first.canvas()->rgba());
}

}  // namespace
