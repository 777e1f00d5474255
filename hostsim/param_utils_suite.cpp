#include "hostsim/param_utils_suite.h"

#include "hostsim/current_host.h"
#include "hostsim/host.h"

namespace ostra::hostsim {

PF_Err ParamUIUpdates::update(PF_ProgPtr effectRef, PF_ParamIndex index,
                              const PF_ParamDef* record) {
  if (effectRef != effectRef_ || index < 0 || record == nullptr) return PF_Err_BAD_CALLBACK_PARAM;
  std::lock_guard lock(mutex_);
  updates_.push_back({index, *record});
  return PF_Err_NONE;
}

std::vector<ParamUIUpdate> ParamUIUpdates::updates() const {
  std::lock_guard lock(mutex_);
  return updates_;
}

void ParamUIUpdates::clear() {
  std::lock_guard lock(mutex_);
  updates_.clear();
}

namespace {

PF_Err updateParamUI(PF_ProgPtr effectRef, PF_ParamIndex index, const PF_ParamDef* record) {
  return detail::withCurrentHost(PF_Err_INVALID_CALLBACK, [&](Host& host) {
    return host.paramUIUpdates().update(effectRef, index, record);
  });
}

constexpr PF_ParamUtilsSuite3 kParamUtilsSuite{updateParamUI};

}  // namespace

const PF_ParamUtilsSuite3& paramUtilsSuite() { return kParamUtilsSuite; }

}  // namespace ostra::hostsim
