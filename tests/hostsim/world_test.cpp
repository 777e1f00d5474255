#include "hostsim/world.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "case_name.h"
#include "fake_module.h"
#include "hostsim/host.h"

namespace ostra::hostsim::test {
namespace {

struct Layout {
  const char* what;
  A_long width;
  A_long height;
  A_long rowbytes;  // 0: the default, width × 4
};

class WorldLayout : public ::testing::TestWithParam<Layout> {
 protected:
  World make() const {
    const Layout& c = GetParam();
    return c.rowbytes == 0 ? World(c.width, c.height) : World(c.width, c.height, c.rowbytes);
  }
  A_long rowbytes() const {
    return GetParam().rowbytes == 0 ? GetParam().width * 4 : GetParam().rowbytes;
  }
};

TEST_P(WorldLayout, DescribesItsOwnBytesAndGuardsThePadding) {
  const Layout& c = GetParam();
  World world = make();
  const PF_LayerDef& def = world.def();
  EXPECT_EQ(def.width, c.width);
  EXPECT_EQ(def.height, c.height);
  EXPECT_EQ(def.rowbytes, rowbytes());
  EXPECT_EQ(def.world_flags, 0);
  EXPECT_EQ(def.extent_hint.left, 0);
  EXPECT_EQ(def.extent_hint.top, 0);
  EXPECT_EQ(def.extent_hint.right, c.width);
  EXPECT_EQ(def.extent_hint.bottom, c.height);
  ASSERT_EQ(world.bytes().size(), static_cast<size_t>(rowbytes()) * c.height);
  EXPECT_EQ(reinterpret_cast<const uint8_t*>(def.data),
            world.bytes().empty() ? nullptr : world.bytes().data());
  EXPECT_TRUE(world.paddingIntact());

  // Every pixel sits at its row's offset, starts transparent black, and is reached by fill.
  const PF_Pixel red{255, 255, 0, 0};
  world.fill(red);
  for (A_long y = 0; y < c.height; ++y) {
    for (A_long x = 0; x < c.width; ++x) {
      const auto* address = reinterpret_cast<const uint8_t*>(&world.at(x, y));
      ASSERT_EQ(address - world.bytes().data(), static_cast<ptrdiff_t>(y) * rowbytes() + x * 4);
      ASSERT_EQ(address[0], 255);
      ASSERT_EQ(address[1], 255);
      ASSERT_EQ(address[2], 0);
    }
  }
  EXPECT_TRUE(world.paddingIntact()) << "fill wrote past a row's width";

  // A write just past the last row's pixels is seen.
  if (rowbytes() > c.width * 4 && c.height > 0) {
    world.bytes()[static_cast<size_t>(c.height - 1) * rowbytes() + c.width * 4] = 0;
    EXPECT_FALSE(world.paddingIntact());
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, WorldLayout,
                         ::testing::Values(Layout{"empty", 0, 0, 0},
                                           Layout{"no columns but padded rows", 0, 3, 12},
                                           Layout{"packed 64 wide", 64, 3, 0},
                                           Layout{"padded rows", 5, 4, 24},
                                           Layout{"rowbytes not a multiple of 4", 3, 2, 15},
                                           Layout{"one padded column of 64", 1, 64, 7}),
                         NameByWhat());

TEST(World, RefusesNegativeSizesAndShortRows) {
  EXPECT_THROW(World(-1, 2), std::invalid_argument);
  EXPECT_THROW(World(2, -1), std::invalid_argument);
  EXPECT_THROW(World(4, 2, 15), std::invalid_argument);
  EXPECT_THROW(World(1 << 30, 1), std::invalid_argument);  // its row would not fit rowbytes
  World world(4, 2);
  EXPECT_THROW(world.at(4, 0), std::out_of_range);
  EXPECT_THROW(world.at(0, 2), std::out_of_range);
  EXPECT_THROW(world.at(-1, 0), std::out_of_range);
}

// Every byte differs, so a skewed or swapped row shows.
std::vector<uint8_t> ramp(A_long width, A_long height) {
  std::vector<uint8_t> argb(static_cast<size_t>(width) * height * 4);
  for (size_t i = 0; i < argb.size(); ++i) argb[i] = static_cast<uint8_t>(i * 7 + 1);
  return argb;
}

TEST(World, PackedBytesGoToTheirRowsAndBack) {
  const A_long width = 5, height = 3;
  const std::vector<uint8_t> argb = ramp(width, height);
  const World world = World::fromPacked(argb, width, height, 27);
  EXPECT_TRUE(world.paddingIntact());
  const PF_Pixel& last = world.at(4, 2);
  const size_t lastIndex = (2 * width + 4) * 4;
  EXPECT_EQ(last.alpha, argb[lastIndex]);
  EXPECT_EQ(last.red, argb[lastIndex + 1]);
  EXPECT_EQ(last.green, argb[lastIndex + 2]);
  EXPECT_EQ(last.blue, argb[lastIndex + 3]);
  EXPECT_EQ(world.toPacked(), argb);
  EXPECT_EQ(World::fromPacked(argb, width, height).toPacked(), argb);

  EXPECT_THROW(World::fromPacked(argb, width, height + 1), std::invalid_argument);
}

// def() is what the effect gets: it must name the bytes of the world it belongs to.
TEST(World, CopiesAndMovesKeepTheRecordOnTheirOwnBytes) {
  World original = World::fromPacked(ramp(4, 4), 4, 4, 20);
  World copy = original;
  EXPECT_NE(copy.def().data, original.def().data);
  EXPECT_EQ(reinterpret_cast<uint8_t*>(copy.def().data), copy.bytes().data());
  EXPECT_EQ(copy.toPacked(), original.toPacked());

  const PF_PixelPtr data = original.def().data;
  World moved = std::move(original);
  EXPECT_EQ(moved.def().data, data);
  EXPECT_EQ(original.def().data, nullptr);  // NOLINT(bugprone-use-after-move): it is emptied
  EXPECT_EQ(original.width(), 0);
  copy = std::move(moved);
  EXPECT_EQ(copy.def().data, data);
  EXPECT_EQ(copy.rowbytes(), 20);
}

class PixelData8 : public ::testing::Test {
 protected:
  PF_Err get(PF_EffectWorld* asked, PF_PixelPtr pixels, PF_Pixel8** out) {
    return host.inData().utils->get_pixel_data8(asked, pixels, out);
  }

  FakeModule fake;
  Host host{fake.path()};
  World world{6, 4, 32};
};

// Poison, so a failed call is seen to clear the out pointer.
PF_Pixel poison;

TEST_F(PixelData8, GivesTheWorldsBaseOrTheGivenPixel) {
  PF_Pixel8* base = &poison;
  ASSERT_EQ(get(&world.def(), nullptr, &base), PF_Err_NONE);
  EXPECT_EQ(base, world.def().data);
  EXPECT_EQ(get(&world.def(), &world.at(2, 3), &base), PF_Err_NONE);
  EXPECT_EQ(base, &world.at(2, 3));
  EXPECT_EQ(host.pixelDataCalls(), 2);
}

TEST_F(PixelData8, RefusesNullPointers) {
  PF_Pixel8* base = &poison;
  EXPECT_EQ(get(nullptr, nullptr, &base), PF_Err_BAD_CALLBACK_PARAM);
  EXPECT_EQ(base, nullptr);
  EXPECT_EQ(get(&world.def(), nullptr, nullptr), PF_Err_BAD_CALLBACK_PARAM);
}

TEST_F(PixelData8, FailsOnceWhereTheTestAsks) {
  host.failPixelData(PF_Err_OUT_OF_MEMORY, 2);
  PF_Pixel8* base = nullptr;
  EXPECT_EQ(get(&world.def(), nullptr, &base), PF_Err_NONE);
  EXPECT_EQ(get(&world.def(), nullptr, &base), PF_Err_NONE);
  base = &poison;
  EXPECT_EQ(get(&world.def(), nullptr, &base), PF_Err_OUT_OF_MEMORY);
  EXPECT_EQ(base, nullptr);
  EXPECT_EQ(get(&world.def(), nullptr, &base), PF_Err_NONE);
  EXPECT_EQ(base, world.def().data);
  EXPECT_EQ(host.pixelDataCalls(), 4);
}

TEST(PixelData8WithoutHost, FailsOnceTheHostIsGone) {
  FakeModule fake;
  auto host = std::make_unique<Host>(fake.path());
  const auto getPixelData8 = host->inData().utils->get_pixel_data8;
  host.reset();
  World world(2, 2);
  PF_Pixel8* base = &poison;
  EXPECT_NE(getPixelData8(&world.def(), nullptr, &base), PF_Err_NONE);
  EXPECT_EQ(base, nullptr);
}

}  // namespace
}  // namespace ostra::hostsim::test
