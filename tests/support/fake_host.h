// The least host a unit test of the transfer code needs: get_pixel_data8 and a Handle Suite
// with real allocations, which a test can refuse or make return null.
#pragma once

#include <cstdlib>
#include <cstring>
#include <string>

#include "sdk/ae_suites.h"

namespace ostra::test {

class FakeHost {
 public:
  FakeHost() {
    instance() = this;
    basic_.AcquireSuite = &acquire;
    basic_.ReleaseSuite = &release;
    utils_.get_pixel_data8 = &pixelData;
    in_.utils = &utils_;
    in_.pica_basicP = &basic_;
    handles_.host_new_handle = &newHandle;
    handles_.host_lock_handle = [](PF_Handle h) -> void* { return *h; };
    handles_.host_unlock_handle = [](PF_Handle) {};
    handles_.host_dispose_handle = [](PF_Handle h) {
      std::free(*h);
      delete h;
      --instance()->liveHandles;
    };
  }
  ~FakeHost() { instance() = nullptr; }
  FakeHost(const FakeHost&) = delete;
  FakeHost& operator=(const FakeHost&) = delete;

  PF_InData* inData() { return &in_; }

  bool refuseHandleSuite = false;
  bool nullHandles = false;
  int liveHandles = 0;
  int outstandingSuites = 0;

 private:
  static FakeHost*& instance() {
    static FakeHost* current = nullptr;
    return current;
  }
  static SPErr acquire(const char* name, int32_t version, const void** suite) {
    FakeHost* self = instance();
    if (std::string(name) != kPFHandleSuite || version != kPFHandleSuiteVersion2 ||
        self->refuseHandleSuite) {
      return 1;
    }
    *suite = &self->handles_;
    ++self->outstandingSuites;
    return 0;
  }
  static SPErr release(const char*, int32_t) {
    --instance()->outstandingSuites;
    return 0;
  }
  static PF_Handle newHandle(A_u_longlong size) {
    FakeHost* self = instance();
    if (self->nullHandles) return nullptr;
    ++self->liveHandles;
    return new void*(std::calloc(1, size ? size : 1));
  }
  static PF_Err pixelData(PF_EffectWorld* world, PF_PixelPtr, PF_Pixel8** out) {
    *out = world->data;
    return PF_Err_NONE;
  }

  PF_InData in_{};
  PF_UtilCallbacks utils_{};
  SPBasicSuite basic_{};
  PF_HandleSuite2 handles_{};
};

// An 8-bit world with padded rows whose padding holds a sentinel byte.
struct PaddedWorld {
  PaddedWorld(int w, int h, int rowbytes) : bytes(static_cast<size_t>(rowbytes * h), 0xAB) {
    std::memset(&def, 0, sizeof def);
    def.width = w;
    def.height = h;
    def.rowbytes = rowbytes;
    def.data = reinterpret_cast<PF_Pixel*>(bytes.data());
  }
  uint8_t* pixel(int x, int y) { return bytes.data() + y * def.rowbytes + x * 4; }
  std::basic_string<uint8_t> bytes;
  PF_LayerDef def;
};

}  // namespace ostra::test
