// The two commands that keep the dependent parameters' visibility in step with the popups.
#include "plugin/host/commands.h"
#include "plugin/params/stream_visibility.h"
#include "plugin/params/visibility_rules.h"

namespace Kestrix::Bevel {
namespace {

// A popup's current value; the host has already stored a user's new choice in `params`. A host
// that passes no records, or fewer than the effect declares (before Params Setup), leaves
// nothing to decide by, so the rule is skipped rather than read past the host's list.
const PF_ParamDef* popup(const PF_InData* in_data, PF_ParamDef* params[], PF_ParamIndex index) {
  return params != nullptr && in_data->num_params >= kParamCount ? params[index] : nullptr;
}

void applyMapTypeRule(StreamVisibility& streams, const PF_InData* in_data, PF_ParamDef* params[]) {
  const PF_ParamDef* mapType = popup(in_data, params, kMapType);
  if (mapType == nullptr) return;
  for (const ParamVisibility& rule : mapTypeVisibility(mapType->u.pd.value)) {
    streams.setParamVisible(streams.effect(), rule.index, rule.visible);
  }
}

void applyLightRule(StreamVisibility& streams, const PF_InData* in_data, PF_ParamDef* params[],
                    PF_ParamIndex type, PF_ParamIndex target) {
  const PF_ParamDef* lightType = popup(in_data, params, type);
  if (lightType == nullptr) return;
  const ParamVisibility rule = lightTargetVisibility(target, lightType->u.pd.value);
  streams.setParamVisible(streams.effect(), rule.index, rule.visible);
}

}  // namespace

PF_Err HandleUserChangedParam(PF_InData* in_data, PF_OutData*, PF_ParamDef* params[], void* extra) {
  StreamVisibility streams(in_data, params);
  const auto* changed = static_cast<const PF_UserChangedParamExtra*>(extra);
  switch (changed != nullptr ? changed->param_index : kHeader) {
    case kMapType:
      applyMapTypeRule(streams, in_data, params);
      break;
    case kLight1Type:
      applyLightRule(streams, in_data, params, kLight1Type, kLight1Target);
      break;
    case kLight2Type:
      applyLightRule(streams, in_data, params, kLight2Type, kLight2Target);
      break;
    default:
      // The header is supervised too, and changes nothing's visibility.
      break;
  }
  return PF_Err_NONE;
}

PF_Err HandleUpdateParamsUI(PF_InData* in_data, PF_OutData*, PF_ParamDef* params[], PF_LayerDef*) {
  StreamVisibility streams(in_data, params);
  applyMapTypeRule(streams, in_data, params);
  applyLightRule(streams, in_data, params, kLight1Type, kLight1Target);
  applyLightRule(streams, in_data, params, kLight2Type, kLight2Target);
  return PF_Err_NONE;
}

}  // namespace Kestrix::Bevel
