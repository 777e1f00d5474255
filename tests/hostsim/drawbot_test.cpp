// The host's Drawbot draws what it is asked to on its canvas, and lets a test fail any
// call and see every object released.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "fake_module.h"
#include "hostsim/drawbot_canvas.h"
#include "hostsim/drawbot_host.h"
#include "hostsim/drawbot_suites.h"
#include "hostsim/host.h"
#include "tests/support/canvas_draws.h"

namespace ostra::hostsim::test {
namespace {

constexpr DRAWBOT_ColorRGBA kAccent{0.435f, 0.286f, 0.87f, 1.0f};
constexpr Rgba8 kAccent8{111, 73, 222, 255};
constexpr Rgba8 kClear{0, 0, 0, 0};

std::u16string utf16(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

// A 64 × 64 canvas attached to the host for the length of a test; the suites are called as a
// module calls them.
class Drawbot : public ::testing::Test {
 protected:
  void SetUp() override {
    drawRef = host.drawbot().attach(canvas);
    ASSERT_EQ(drawbotDrawSuite().GetSupplier(drawRef, &supplier), 0);
    ASSERT_EQ(drawbotDrawSuite().GetSurface(drawRef, &surface), 0);
  }
  void TearDown() override { host.drawbot().detach(drawRef); }

  DRAWBOT_PathRef newPath() {
    DRAWBOT_PathRef path = nullptr;
    EXPECT_EQ(supplierSuite().NewPath(supplier, &path), 0);
    return path;
  }
  DRAWBOT_BrushRef newBrush(const DRAWBOT_ColorRGBA& color) {
    DRAWBOT_BrushRef brush = nullptr;
    EXPECT_EQ(supplierSuite().NewBrush(supplier, &color, &brush), 0);
    return brush;
  }
  DRAWBOT_FontRef newFont(float size) {
    DRAWBOT_FontRef font = nullptr;
    EXPECT_EQ(supplierSuite().NewDefaultFont(supplier, size, &font), 0);
    return font;
  }
  void fill(DRAWBOT_PathRef path, DRAWBOT_FillType rule, const DRAWBOT_ColorRGBA& color) {
    DRAWBOT_BrushRef brush = newBrush(color);
    EXPECT_EQ(drawbotSurfaceSuite().FillPath(surface, brush, path, rule), 0);
    release(brush);
  }
  // Draws `text` in the accent colour, 12 units high, at `origin`.
  DrawnText drawText(const std::string& text, DRAWBOT_PointF32 origin, float width) {
    DRAWBOT_BrushRef brush = newBrush(kAccent);
    DRAWBOT_FontRef font = newFont(kDefaultFontSize);
    const std::u16string units = utf16(text);
    EXPECT_EQ(drawbotSurfaceSuite().DrawString(
                  surface, brush, font, reinterpret_cast<const DRAWBOT_UTF16Char*>(units.c_str()),
                  &origin, kDRAWBOT_TextAlignment_Left, kDRAWBOT_TextTruncation_EndEllipsis, width),
              0);
    release(font);
    release(brush);
    return host.drawbot().texts().back();
  }
  void release(DRAWBOT_ObjectRef object) { EXPECT_EQ(supplierSuite().ReleaseObject(object), 0); }
  const DRAWBOT_SupplierSuite1& supplierSuite() { return drawbotSupplierSuite(); }
  const DRAWBOT_PathSuite1& path() { return drawbotPathSuite(); }

  FakeModule fake;
  Host host{fake.path()};
  DrawbotCanvas canvas{64, 64};
  DRAWBOT_DrawRef drawRef = nullptr;
  DRAWBOT_SupplierRef supplier = nullptr;
  DRAWBOT_SurfaceRef surface = nullptr;
};

struct RuleCase {
  std::string what;
  DRAWBOT_FillType rule;
  bool innerFilled;
};

class FillRule : public Drawbot, public ::testing::WithParamInterface<RuleCase> {};

// Two squares wound the same way, one inside the other: the winding rule fills the inner one,
// the even-odd rule leaves it open.
TEST_P(FillRule, DecidesTheInsideOfNestedSubpaths) {
  OSTRA_SKIP_UNLESS_THE_CANVAS_DRAWS();
  DRAWBOT_PathRef square = newPath();
  path().MoveTo(square, 8, 8);
  path().LineTo(square, 56, 8);
  path().LineTo(square, 56, 56);
  path().LineTo(square, 8, 56);
  path().Close(square);
  const DRAWBOT_RectF32 inner{24, 24, 16, 16};
  path().AddRect(square, &inner);
  fill(square, GetParam().rule, kAccent);
  release(square);

  EXPECT_EQ(canvas.pixel(12, 12), kAccent8);
  EXPECT_EQ(canvas.pixel(31, 31), GetParam().innerFilled ? kAccent8 : kClear);
  EXPECT_EQ(canvas.pixel(4, 4), kClear);
  EXPECT_EQ(host.drawbot().liveObjects(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, FillRule,
                         ::testing::Values(RuleCase{"winding", kDRAWBOT_FillType_Winding, true},
                                           RuleCase{"even odd", kDRAWBOT_FillType_EvenOdd, false}),
                         NameByWhat{});

TEST_F(Drawbot, CubicSegmentsBulgeTowardsTheirControlPoints) {
  OSTRA_SKIP_UNLESS_THE_CANVAS_DRAWS();
  DRAWBOT_PathRef lens = newPath();
  path().MoveTo(lens, 8, 32);
  const DRAWBOT_PointF32 c1{8, 0}, c2{56, 0}, end{56, 32};
  path().BezierTo(lens, &c1, &c2, &end);
  path().Close(lens);
  fill(lens, kDRAWBOT_FillType_Winding, kAccent);
  release(lens);
  EXPECT_EQ(canvas.pixel(31, 15), kAccent8) << "inside the bulge";
  EXPECT_EQ(canvas.pixel(31, 4), kClear) << "above the curve's peak at 24";
  EXPECT_EQ(canvas.pixel(31, 40), kClear) << "below the chord";
}

TEST(DrawbotCanvasScale, DrawsInPanelUnits) {
  OSTRA_SKIP_UNLESS_THE_CANVAS_DRAWS();
  FakeModule fake;
  Host host{fake.path()};
  DrawbotCanvas canvas(32, 16, 2);
  const DRAWBOT_DrawRef drawRef = host.drawbot().attach(canvas);
  DRAWBOT_SupplierRef supplier = nullptr;
  DRAWBOT_SurfaceRef surface = nullptr;
  drawbotDrawSuite().GetSupplier(drawRef, &supplier);
  drawbotDrawSuite().GetSurface(drawRef, &surface);
  DRAWBOT_PathRef square = nullptr;
  DRAWBOT_BrushRef brush = nullptr;
  drawbotSupplierSuite().NewPath(supplier, &square);
  drawbotSupplierSuite().NewBrush(supplier, &kAccent, &brush);
  const DRAWBOT_RectF32 unit{4, 4, 8, 8};
  drawbotPathSuite().AddRect(square, &unit);
  EXPECT_EQ(drawbotSurfaceSuite().FillPath(surface, brush, square, kDRAWBOT_FillType_Winding), 0);
  drawbotSupplierSuite().ReleaseObject(square);
  drawbotSupplierSuite().ReleaseObject(brush);
  host.drawbot().detach(drawRef);

  EXPECT_EQ(canvas.pixelWidth(), 64);
  EXPECT_EQ(canvas.pixel(8, 8), kAccent8);
  EXPECT_EQ(canvas.pixel(23, 23), kAccent8);
  EXPECT_EQ(canvas.pixel(24, 24), kClear);
  EXPECT_EQ(canvas.pixel(7, 7), kClear);
}

// Ink of the accent colour in one pixel row, between two columns.
bool inkInRow(const DrawbotCanvas& canvas, int y, int fromX, int toX) {
  for (int x = fromX; x < toX; ++x) {
    if (canvas.pixel(x, y).a > 12) return true;
  }
  return false;
}

TEST_F(Drawbot, TextSitsOnItsBaselineFromTheOriginInTheDefaultFont) {
  OSTRA_SKIP_UNLESS_THE_CANVAS_DRAWS();
  float size = 0;
  ASSERT_EQ(supplierSuite().GetDefaultFontSize(supplier, &size), 0);
  EXPECT_EQ(size, 12.0f);

  // "H" has a flat foot, so its ink ends exactly at the baseline, 40.
  const DrawnText drawn = drawText("HH", {10, 40}, 0);
  EXPECT_EQ(drawn.shown, "HH");
  EXPECT_FALSE(drawn.truncated);
  EXPECT_TRUE(inkInRow(canvas, 39, 0, 64));
  EXPECT_FALSE(inkInRow(canvas, 40, 0, 64));
  EXPECT_TRUE(inkInRow(canvas, 32, 0, 64)) << "capitals are about 9 units high at 12";
  EXPECT_FALSE(inkInRow(canvas, 29, 0, 64));
  for (int y = 30; y < 40; ++y) EXPECT_FALSE(inkInRow(canvas, y, 0, 10)) << "left of 10, row " << y;
  EXPECT_EQ(host.drawbot().liveObjects(), 0);
}

struct CutCase {
  std::string what;
  std::string text;
  float width;
  bool truncated;
};

class TextWidth : public Drawbot, public ::testing::WithParamInterface<CutCase> {};

TEST_P(TextWidth, TextWiderThanTheWidthEndsInAnEllipsisWithinIt) {
  OSTRA_SKIP_UNLESS_THE_CANVAS_DRAWS();
  const CutCase& c = GetParam();
  const DrawnText drawn = drawText(c.text, {2, 30}, c.width);
  EXPECT_EQ(drawn.truncated, c.truncated) << drawn.shown;
  const std::string ellipsis = "\u2026";
  const bool endsInEllipsis =
      drawn.shown.size() >= ellipsis.size() &&
      drawn.shown.compare(drawn.shown.size() - ellipsis.size(), ellipsis.size(), ellipsis) == 0;
  EXPECT_EQ(endsInEllipsis, c.truncated) << drawn.shown;
  if (c.width > 0) {
    EXPECT_LE(drawn.advance, c.width);
    const int right = 2 + static_cast<int>(c.width);
    for (int y = 18; y < 34; ++y) EXPECT_FALSE(inkInRow(canvas, y, right + 1, 64)) << y;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextWidth,
    ::testing::Values(CutCase{"short text fits", "ab", 40, false},
                      CutCase{"long text is cut", "abcdefghijklmnop", 40, true},
                      CutCase{"no width means no cut", "abcdefghijklmnop", 0, false}),
    NameByWhat{});

TEST_F(Drawbot, AnyCallCanBeMadeToFailAndFailsOnce) {
  host.drawbot().clearCalls();
  host.drawbot().failCall("NewPath", 1);
  DRAWBOT_PathRef first = newPath();
  DRAWBOT_PathRef refused = nullptr;
  EXPECT_EQ(supplierSuite().NewPath(supplier, &refused), kDrawbotInjectedFailure);
  EXPECT_EQ(refused, nullptr);
  DRAWBOT_PathRef third = newPath();

  host.drawbot().failNthCall(2);
  EXPECT_EQ(path().MoveTo(first, 1, 1), 0);
  EXPECT_EQ(path().LineTo(first, 2, 2), kDrawbotInjectedFailure);
  EXPECT_EQ(path().LineTo(first, 2, 2), 0);

  EXPECT_EQ(host.drawbot().calls(), (std::vector<std::string>{"NewPath", "NewPath", "NewPath",
                                                              "MoveTo", "LineTo", "LineTo"}));
  EXPECT_EQ(host.drawbot().liveObjects(), 2);
  host.drawbot().failCall("ReleaseObject");
  EXPECT_EQ(supplierSuite().ReleaseObject(first), kDrawbotInjectedFailure);
  EXPECT_EQ(host.drawbot().liveObjects(), 2) << "a failed release keeps the object";
  release(first);
  release(third);
  EXPECT_EQ(host.drawbot().liveObjects(), 0);
}

TEST_F(Drawbot, RefusesObjectsOfTheWrongKindOrAlreadyReleased) {
  DRAWBOT_PathRef shape = newPath();
  DRAWBOT_BrushRef brush = newBrush(kAccent);
  EXPECT_EQ(drawbotSurfaceSuite().FillPath(surface, shape, brush, kDRAWBOT_FillType_Winding),
            kDrawbotBadArgument)
      << "brush and path swapped";
  EXPECT_EQ(drawbotSurfaceSuite().FillPath(surface, brush, shape, 2), kDrawbotBadArgument);
  DRAWBOT_FontRef font = nullptr;
  EXPECT_EQ(supplierSuite().NewDefaultFont(supplier, 0, &font), kDrawbotBadArgument);
  EXPECT_EQ(supplierSuite().ReleaseObject(supplier), kDrawbotBadArgument) << "the host's own";
  release(shape);
  EXPECT_EQ(supplierSuite().ReleaseObject(shape), kDrawbotBadArgument) << "released twice";
  EXPECT_EQ(path().Close(shape), kDrawbotBadArgument);
  release(brush);
  EXPECT_EQ(canvas.pixel(32, 32), kClear);
}

}  // namespace
}  // namespace ostra::hostsim::test
