#include "plugin/params/param_readers.h"

#include <cstring>

#include "plugin/gpu/pixel_transfer.h"

namespace Kestrix::Bevel {
namespace {

constexpr double kFixedOne = 65536.0;

// A checked-out record, handed back to the host on every path out, a thrown upload included.
class Checkout {
 public:
  Checkout(PF_InData* in_data, PF_ParamIndex index) : in_data_(in_data) {
    std::memset(&record_, 0, sizeof(record_));
    ok_ = in_data->inter.checkout_param(in_data->effect_ref, index, in_data->current_time,
                                        in_data->time_step, in_data->time_scale,
                                        &record_) == PF_Err_NONE;
  }
  ~Checkout() {
    if (ok_) in_data_->inter.checkin_param(in_data_->effect_ref, &record_);
  }
  Checkout(const Checkout&) = delete;
  Checkout& operator=(const Checkout&) = delete;

  // The record when the checkout succeeded and the parameter has the type asked for.
  const PF_ParamDef* as(PF_ParamType type) const {
    return ok_ && record_.param_type == type ? &record_ : nullptr;
  }
  const PF_ParamDef* record() const { return ok_ ? &record_ : nullptr; }

 private:
  PF_InData* in_data_;
  PF_ParamDef record_;
  bool ok_ = false;
};

}  // namespace

bool readNumber(PF_InData* in_data, PF_ParamIndex index, double* value) {
  const Checkout checkout(in_data, index);
  const PF_ParamDef* record = checkout.record();
  if (record == nullptr) return false;
  switch (record->param_type) {
    case PF_Param_SLIDER:
      *value = record->u.sd.value;
      return true;
    case PF_Param_FIX_SLIDER:
      // The whole part, rounding towards minus infinity, as the arithmetic shift does.
      *value = record->u.fd.value >> 16;
      return true;
    case PF_Param_FLOAT_SLIDER:
      *value = record->u.fs_d.value;
      return true;
    default:
      return false;
  }
}

bool readPercent(PF_InData* in_data, PF_ParamIndex index, double* value) {
  double number = 0;
  if (!readNumber(in_data, index, &number)) return false;
  *value = number / 100.0;
  return true;
}

bool readAngle(PF_InData* in_data, PF_ParamIndex index, double* degrees) {
  const Checkout checkout(in_data, index);
  const PF_ParamDef* record = checkout.as(PF_Param_ANGLE);
  if (record == nullptr) return false;
  *degrees = record->u.ad.value / kFixedOne;
  return true;
}

bool readColor(PF_InData* in_data, PF_ParamIndex index, double (*rgba)[4]) {
  const Checkout checkout(in_data, index);
  const PF_ParamDef* record = checkout.as(PF_Param_COLOR);
  if (record == nullptr) return false;
  const PF_Pixel& pixel = record->u.cd.value;
  (*rgba)[0] = pixel.red / 255.0;
  (*rgba)[1] = pixel.green / 255.0;
  (*rgba)[2] = pixel.blue / 255.0;
  (*rgba)[3] = pixel.alpha / 255.0;
  return true;
}

bool readPoint(PF_InData* in_data, PF_ParamIndex index, double (*xy)[2]) {
  const Checkout checkout(in_data, index);
  const PF_ParamDef* record = checkout.as(PF_Param_POINT);
  if (record == nullptr) return false;
  (*xy)[0] = record->u.td.x_value / kFixedOne;
  (*xy)[1] = record->u.td.y_value / kFixedOne;
  return true;
}

bool readPopup(PF_InData* in_data, PF_ParamIndex index, int32_t* choice) {
  const Checkout checkout(in_data, index);
  const PF_ParamDef* record = checkout.as(PF_Param_POPUP);
  if (record == nullptr) return false;
  *choice = record->u.pd.value - 1;
  return true;
}

bool readLayer(PF_InData* in_data, PF_ParamIndex index, uint32_t* texture, double (*size)[2]) {
  const Checkout checkout(in_data, index);
  const PF_ParamDef* record = checkout.as(PF_Param_LAYER);
  if (record == nullptr) return false;
  PF_LayerDef layer = record->u.ld;
  if (layer.data == nullptr) {
    *texture = 0;
    (*size)[0] = (*size)[1] = 0;
    return true;
  }
  int64_t bytesPerPixel = 0;
  gl::GLenum pixelType = gl::GL_UNSIGNED_BYTE;
  float multiplier = 1.0f;
  *texture = uploadWorld(kFormatArgb8, &layer, nullptr, in_data, &bytesPerPixel, &pixelType,
                         &multiplier, false);
  (*size)[0] = layer.width;
  (*size)[1] = layer.height;
  return true;
}

}  // namespace Kestrix::Bevel
