// Parameter checkout for unit tests: the effect's declared records, with points turned into
// layer pixels as a host does, handed out by index; every checkout is logged.
#pragma once

#include <cstring>
#include <set>
#include <vector>

#include "plugin/params/param_table.h"
#include "sdk/ae_effect.h"

namespace ostra::test {

class FakeParams {
 public:
  FakeParams(int layerWidth, int layerHeight) : records_(1) {
    std::memset(&records_[0], 0, sizeof(PF_ParamDef));
    for (const Kestrix::Bevel::ParamDeclaration& d : Kestrix::Bevel::paramDeclarations()) {
      PF_ParamDef record = d.record;
      if (record.param_type == PF_Param_POINT) {
        record.u.td.x_value = static_cast<PF_Fixed>(static_cast<long long>(record.u.td.x_dephault) *
                                                    layerWidth / 100);
        record.u.td.y_value = static_cast<PF_Fixed>(static_cast<long long>(record.u.td.y_dephault) *
                                                    layerHeight / 100);
      }
      records_.push_back(record);
    }
  }

  // Points `in` at this store: effect_ref, checkout and checkin.
  void install(PF_InData& in) {
    in.effect_ref = this;
    in.inter.checkout_param = &checkout;
    in.inter.checkin_param = &checkin;
  }

  PF_ParamDef& at(int index) { return records_.at(static_cast<std::size_t>(index)); }
  void setFloat(int index, double value) { at(index).u.fs_d.value = value; }
  void setFixed(int index, double value) {
    at(index).u.fd.value = static_cast<PF_Fixed>(value * 65536);
  }
  void setSlider(int index, A_long value) { at(index).u.sd.value = value; }
  void setPoint(int index, double x, double y) {
    at(index).u.td.x_value = static_cast<PF_Fixed>(x * 65536);
    at(index).u.td.y_value = static_cast<PF_Fixed>(y * 65536);
  }
  void setPopup(int index, A_long choice) { at(index).u.pd.value = choice; }
  void setColor(int index, PF_Pixel argb) { at(index).u.cd.value = argb; }
  void setAngle(int index, double degrees) {
    at(index).u.ad.value = static_cast<PF_Fixed>(degrees * 65536);
  }
  void setLayer(int index, const PF_LayerDef& layer) { at(index).u.ld = layer; }

  // Checkouts of these indices fail (-1: all).
  std::set<int> failing;
  std::vector<int> order;  // the indices checked out, in order
  int outstanding = 0;

 private:
  static PF_Err checkout(PF_ProgPtr ref, PF_ParamIndex index, A_long, A_long, A_u_long,
                         PF_ParamDef* param) {
    auto* self = static_cast<FakeParams*>(ref);
    self->order.push_back(index);
    if (self->failing.count(index) != 0 || self->failing.count(-1) != 0) return 1;
    *param = self->at(index);
    ++self->outstanding;
    return PF_Err_NONE;
  }
  static PF_Err checkin(PF_ProgPtr ref, PF_ParamDef*) {
    --static_cast<FakeParams*>(ref)->outstanding;
    return PF_Err_NONE;
  }

  std::vector<PF_ParamDef> records_;
};

}  // namespace ostra::test
