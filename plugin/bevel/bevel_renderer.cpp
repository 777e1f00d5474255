#include "plugin/bevel/bevel_renderer.h"

#include <glbinding/gl33core/gl.h>
#include <new>

#include "plugin/bevel/height_map_builder.h"
#include "plugin/gpu/opengl_shader.h"

using namespace gl33core;

namespace Kestrix::Bevel {
namespace {

// Runs during static initialisation: an exhausted heap leaves the pointer null rather than
// ending the host process.
BevelRenderer* makeRenderer() noexcept {
  try {
    return new BevelRenderer();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

BevelRenderer* instance = makeRenderer();

}  // namespace

BevelRenderer::BevelRenderer() : heightMapBuilder(std::make_unique<HeightMapBuilder>()) {}

BevelRenderer::~BevelRenderer() {
  if (mapLayerTexture != 0) {
    const GLuint texture = mapLayerTexture;
    glDeleteTextures(1, &texture);
  }
  quad.release();
  heightMapBuilder.reset();
  surfaceShader.reset();
}

BevelRenderer* bevelRenderer() { return instance; }

void destroyBevelRenderer() {
  delete instance;
  instance = nullptr;
}

}  // namespace Kestrix::Bevel
