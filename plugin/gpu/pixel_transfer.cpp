#include "plugin/gpu/pixel_transfer.h"

#include <algorithm>
#include <cstring>

#include "plugin/gpu/size_limits.h"
#include "plugin/gpu/texture_filters.h"
#include "plugin/host/host_error.h"
#include "plugin/host/suite_scope.h"
#include "sdk/ae_suites.h"

using namespace gl33core;

namespace Kestrix::Bevel {
namespace {

PF_Pixel8* pixelBase(PF_InData* in_data, PF_LayerDef* world) {
  if (!in_data->utils || !in_data->utils->get_pixel_data8)
    throwHostError(PF_Err_BAD_CALLBACK_PARAM);
  PF_Pixel8* base = nullptr;
  const PF_Err err = in_data->utils->get_pixel_data8(world, nullptr, &base);
  if (err != PF_Err_NONE) throwHostError(err);
  return base;
}

// Rows are read in place through the unpack row length, so they must hold whole pixels and be
// at least a row wide; anything else would read outside the host's buffer.
bool readableWorld(const PF_LayerDef* world) {
  return world->width >= 0 && world->height >= 0 && world->rowbytes % 4 == 0 &&
         world->rowbytes >= world->width * 4;
}

// Hands a locked host handle back on every way out.
class LockedHandle {
 public:
  LockedHandle(const PF_HandleSuite2& suite, PF_Handle handle) : suite_(suite), handle_(handle) {
    data_ = static_cast<uint8_t*>(suite_.host_lock_handle(handle_));
  }
  ~LockedHandle() {
    suite_.host_unlock_handle(handle_);
    suite_.host_dispose_handle(handle_);
  }
  LockedHandle(const LockedHandle&) = delete;
  LockedHandle& operator=(const LockedHandle&) = delete;
  uint8_t* data() const { return data_; }

 private:
  const PF_HandleSuite2& suite_;
  PF_Handle handle_;
  uint8_t* data_ = nullptr;
};

}  // namespace

GLuint uploadWorld(uint32_t formatCode, PF_LayerDef* world, PF_LayerDef* otherWorld,
                   PF_InData* in_data, int64_t* bytesPerPixel, GLenum* pixelType, float* multiplier,
                   bool mipmap) {
  (void)otherWorld;
  (void)mipmap;
  if (formatCode != kFormatArgb8) throwHostError(PF_Err_BAD_CALLBACK_PARAM);
  if (!world || !readableWorld(world)) throwHostError(PF_Err_BAD_CALLBACK_PARAM);
  // A Map Layer larger than the driver's largest texture cannot be sampled at all.
  if (!fitsTexture(world->width, world->height)) throwHostError(PF_Err_BAD_CALLBACK_PARAM);
  PF_Pixel8* base = pixelBase(in_data, world);
  if (!base && world->width > 0 && world->height > 0) throwHostError(PF_Err_BAD_CALLBACK_PARAM);

  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  setLinearClampedFilters();
  glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(GL_RGBA32F), world->width, world->height, 0,
               GL_RGBA, GL_FLOAT, nullptr);
  *multiplier = 1.0f;
  *pixelType = GL_UNSIGNED_BYTE;
  *bytesPerPixel = 4;
  glPixelStorei(GL_UNPACK_ROW_LENGTH, world->rowbytes / 4);
  if (base) {
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, world->width, world->height, GL_RGBA, GL_UNSIGNED_BYTE,
                    base);
  }
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glBindTexture(GL_TEXTURE_2D, 0);
  return texture;
}

void copyToOutput(int32_t width, int32_t height, PF_LayerDef* inputWorld, PF_LayerDef* outputWorld,
                  PF_InData* in_data, uint32_t formatCode, int64_t bytesPerPixel,
                  GLenum pixelType) {
  (void)inputWorld;
  SuiteScope<PF_HandleSuite2> handles(in_data, kPFHandleSuite, kPFHandleSuiteVersion2);
  if (formatCode != kFormatArgb8) throwHostError(PF_Err_BAD_CALLBACK_PARAM);
  if (!outputWorld || outputWorld->width < 0 || outputWorld->height < 0 ||
      outputWorld->rowbytes < outputWorld->width * 4) {
    throwHostError(PF_Err_BAD_CALLBACK_PARAM);
  }
  const auto size = static_cast<A_u_longlong>(static_cast<int64_t>(width) * height * bytesPerPixel);
  PF_Handle handle = handles->host_new_handle(size);
  if (!handle) throwHostError(PF_Err_OUT_OF_MEMORY);
  LockedHandle buffer(handles.get(), handle);
  if (!buffer.data()) throwHostError(PF_Err_OUT_OF_MEMORY);

  glReadBuffer(GL_COLOR_ATTACHMENT0);
  glReadPixels(0, 0, width, height, GL_RGBA, pixelType, buffer.data());

  // Only the rows and columns both images have are copied, so an output world of another size
  // is never written or read past its end.
  const int32_t rows = std::min(height, outputWorld->height);
  const size_t rowBytes = static_cast<size_t>(std::min(width, outputWorld->width)) * 4;
  for (int32_t i = 0; i < rows; ++i) {
    auto* base = reinterpret_cast<uint8_t*>(pixelBase(in_data, outputWorld));
    if (!base) throwHostError(PF_Err_BAD_CALLBACK_PARAM);
    std::memcpy(base + static_cast<size_t>(i) * static_cast<size_t>(outputWorld->rowbytes),
                buffer.data() + static_cast<size_t>(i) * static_cast<size_t>(width) * 4, rowBytes);
  }
}

}  // namespace Kestrix::Bevel
