#include "plugin/bevel/bevel_renderer.h"

#include <glbinding/gl33core/gl.h>
#include <new>

#include "plugin/bevel/height_map_builder.h"
#include "plugin/gpu/gl_context.h"
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

// A module unloaded without Global Setdown (its host only read the parameters, or its Global Setup
// failed) still frees the renderer. With no shared context nothing of it can be on the GPU, since
// Render refuses to run without one, so its destruction makes no OpenGL call; with one, its GPU
// objects cannot be released from here and it is left as it is.
struct FreedAtUnload {
  ~FreedAtUnload() {
    if (sharedContext() == nullptr) destroyBevelRenderer();
  }
} freedAtUnload;

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
