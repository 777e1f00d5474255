#include "hostsim/interact_callbacks.h"

#include "hostsim/host.h"

namespace ostra::hostsim {
namespace {

// effect_ref is the Host that made the in data; a stale or foreign one is refused rather than
// followed.
template <typename Use>
PF_Err withHost(PF_ProgPtr effect_ref, Use use) {
  return detail::withCurrentHost(PF_Err_BAD_CALLBACK_PARAM, [&](Host& host) -> SPErr {
    return &host == effect_ref ? use(host) : PF_Err_BAD_CALLBACK_PARAM;
  });
}

PF_Err checkout(PF_ProgPtr effect_ref, PF_ParamIndex index, A_long what_time, A_long time_step,
                A_u_long time_scale, PF_ParamDef* param) {
  return withHost(effect_ref, [&](Host& host) {
    return host.params().checkout(index, what_time, time_step, time_scale, param);
  });
}

PF_Err checkin(PF_ProgPtr effect_ref, PF_ParamDef* param) {
  return withHost(effect_ref, [&](Host& host) { return host.params().checkin(param); });
}

PF_Err addParam(PF_ProgPtr effect_ref, PF_ParamIndex index, PF_ParamDefPtr def) {
  if (def == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
  return withHost(effect_ref, [&](Host& host) {
    const PF_Err err = host.params().add(index, *def);
    if (err == PF_Err_NONE) host.inData().num_params = host.params().size();
    return err;
  });
}

PF_Err registerUi(PF_ProgPtr effect_ref, PF_CustomUIInfo* info) {
  if (info == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
  return withHost(effect_ref, [&](Host& host) { return host.params().registerUi(*info); });
}

}  // namespace

PF_InteractCallbacks interactCallbacks() { return {checkout, checkin, addParam, registerUi}; }

}  // namespace ostra::hostsim
