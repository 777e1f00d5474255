// Host worlds to float textures and the converted frame back into host rows.
#include <gtest/gtest.h>

#include "plugin/gpu/pixel_transfer.h"
#include "plugin/gpu/render_frame.h"
#include "tests/support/fake_host.h"
#include "tests/support/gl_read.h"
#include "tests/support/gl_test_context.h"

using namespace gl33core;
using namespace Kestrix::Bevel;
using ostra::test::PaddedWorld;

namespace {

class PixelTransferGLTest : public ostra::test::GLTestBase {
 protected:
  GLuint upload(PaddedWorld& world) {
    int64_t bytesPerPixel = 0;
    GLenum pixelType = GL_NONE;
    float multiplier = 0;
    const GLuint texture = uploadWorld(kFormatArgb8, &world.def, nullptr, host.inData(),
                                       &bytesPerPixel, &pixelType, &multiplier, false);
    EXPECT_EQ(bytesPerPixel, 4);
    EXPECT_EQ(pixelType, GL_UNSIGNED_BYTE);
    EXPECT_EQ(multiplier, 1.0f);
    return texture;
  }
  // Renders a frame whose left half is `left` and right half transparent but coloured.
  void renderHalves(int w, int h, const float (&left)[4]) {
    renderFrame().resize(w, h, true);
    renderFrame().beginFrame(false, false);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, w / 2, h);
    glClearColor(left[0], left[1], left[2], left[3]);
    glClear(GL_COLOR_BUFFER_BIT);
    glScissor(w / 2, 0, w - w / 2, h);
    glClearColor(1, 1, 1, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    renderFrame().convertToOutput(1.0f);
  }
  ostra::test::FakeHost host;
};

}  // namespace

TEST_F(PixelTransferGLTest, PaddedRowsUploadWithoutSkewInHostByteOrder) {
  PaddedWorld world(5, 3, 7 * 4);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      uint8_t* p = world.pixel(x, y);
      for (int c = 0; c < 4; ++c) p[c] = static_cast<uint8_t>(10 * (y * 5 + x) + c);
    }
  }
  const GLuint texture = upload(world);
  const auto texels = ostra::test::readTextureRgba(texture, 5, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      for (int c = 0; c < 4; ++c) {
        EXPECT_FLOAT_EQ(texels[(y * 5 + x) * 4 + c], world.pixel(x, y)[c] / 255.0f)
            << x << "," << y << " channel " << c;
      }
    }
  }
  GLint rowLength = -1, bound = -1;
  glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(rowLength, 0);
  EXPECT_EQ(bound, 0);
  glDeleteTextures(1, &texture);
}

TEST_F(PixelTransferGLTest, OpaqueRedLandsAsAlphaRedGreenBlue) {
  PaddedWorld world(1, 1, 4);
  const uint8_t red[4] = {255, 255, 0, 0};
  std::copy(red, red + 4, world.pixel(0, 0));
  const GLuint texture = upload(world);
  EXPECT_EQ(ostra::test::readTextureRgba(texture, 1, 1), (std::vector<float>{1, 1, 0, 0}));
  glDeleteTextures(1, &texture);
}

TEST_F(PixelTransferGLTest, ReadBackFillsEachRowAndLeavesThePaddingAlone) {
  const float left[4] = {0.2f, 0.4f, 0.6f, 1.0f};
  renderHalves(4, 3, left);
  PaddedWorld output(4, 3, 6 * 4);
  copyToOutput(4, 3, nullptr, &output.def, host.inData(), kFormatArgb8, 4, GL_UNSIGNED_BYTE);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      const uint8_t* p = output.pixel(x, y);
      if (x < 2) {
        EXPECT_EQ(p[0], 255);
        EXPECT_NEAR(p[1], 51, 1);
        EXPECT_NEAR(p[2], 102, 1);
        EXPECT_NEAR(p[3], 153, 1);
      } else {
        EXPECT_EQ((std::vector<int>{p[0], p[1], p[2], p[3]}), (std::vector<int>{0, 0, 0, 0}))
            << "alpha 0 is four zero bytes";
      }
    }
    for (int b = 16; b < 24; ++b) EXPECT_EQ(output.bytes[y * 24 + b], 0xAB) << "padding";
  }
  EXPECT_EQ(host.liveHandles, 0);
  EXPECT_EQ(host.outstandingSuites, 0);
}

TEST_F(PixelTransferGLTest, MissingHandleSuiteAndNullHandleThrowTheirCodes) {
  const float left[4] = {1, 1, 1, 1};
  PaddedWorld output(2, 2, 8);
  struct Case {
    bool refuse, nullHandle;
    int code;
  };
  for (Case c : {Case{true, false, 13}, Case{false, true, 4}}) {
    renderHalves(2, 2, left);
    host.refuseHandleSuite = c.refuse;
    host.nullHandles = c.nullHandle;
    try {
      copyToOutput(2, 2, nullptr, &output.def, host.inData(), kFormatArgb8, 4, GL_UNSIGNED_BYTE);
      ADD_FAILURE() << "no throw";
    } catch (int code) {
      EXPECT_EQ(code, c.code);
    }
    EXPECT_EQ(host.outstandingSuites, 0);
    EXPECT_EQ(host.liveHandles, 0);
  }
}

TEST_F(PixelTransferGLTest, UnknownFormatsAndUnreadableWorldsAreRefusedWithoutALeak) {
  PaddedWorld world(4, 2, 16);
  int64_t bpp = 0;
  GLenum type = GL_NONE;
  float multiplier = 0;
  EXPECT_THROW(
      uploadWorld(0x12345678, &world.def, nullptr, host.inData(), &bpp, &type, &multiplier, false),
      int);
  world.def.rowbytes = 10;  // narrower than a row: reading in place would overlap rows
  EXPECT_THROW(uploadWorld(kFormatArgb8, &world.def, nullptr, host.inData(), &bpp, &type,
                           &multiplier, false),
               int);
  world.def.rowbytes = 16;
  world.def.data = nullptr;
  EXPECT_THROW(uploadWorld(kFormatArgb8, &world.def, nullptr, host.inData(), &bpp, &type,
                           &multiplier, false),
               int);
  EXPECT_EQ(tracker().liveTextures(), 0u);
}
