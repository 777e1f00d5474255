#include "plugin/params/stream_visibility.h"

namespace Kestrix::Bevel {
namespace {

constexpr AEGP_PluginID kNoPluginId = 0;

}  // namespace

StreamVisibility::StreamVisibility(PF_InData* in_data, PF_ParamDef* params[])
    : in_data_(in_data),
      params_(params),
      paramUtils_(in_data, kPFParamUtilsSuite, kPFParamUtilsSuiteVersion3),
      effects_(in_data, kAEGPEffectSuite, kAEGPEffectSuiteVersion2),
      pfInterface_(in_data, kAEGPPFInterfaceSuite, kAEGPPFInterfaceSuiteVersion1),
      dynamicStreams_(in_data, kAEGPDynamicStreamSuite, kAEGPDynamicStreamSuiteVersion2),
      streams_(in_data, kAEGPStreamSuite, kAEGPStreamSuiteVersion7) {
  pfInterface_->AEGP_GetNewEffectForEffect(kNoPluginId, in_data_->effect_ref, &effect_);
}

// Only a handle the host gave is handed back: after a refused request there is nothing to
// dispose of.
StreamVisibility::~StreamVisibility() {
  if (effect_ != nullptr) effects_->AEGP_DisposeEffect(effect_);
}

void StreamVisibility::setParamVisible(AEGP_EffectRefH effect, PF_ParamIndex index, bool visible) {
  AEGP_StreamRefH stream = nullptr;
  streams_->AEGP_GetNewEffectStreamByIndex(kNoPluginId, effect, index, &stream);
  // A stream whose flags cannot be read counts as shown.
  AEGP_DynStreamFlags flags = 0;
  dynamicStreams_->AEGP_GetDynamicStreamFlags(stream, &flags);
  const bool hidden = (flags & AEGP_DynStreamFlag_HIDDEN) != 0;
  if (hidden == visible) {
    dynamicStreams_->AEGP_SetDynamicStreamFlag(stream, AEGP_DynStreamFlag_HIDDEN, false, !visible);
  }
  if (stream != nullptr) streams_->AEGP_DisposeStream(stream);
  paramUtils_->PF_UpdateParamUI(in_data_->effect_ref, index, params_[index]);
}

}  // namespace Kestrix::Bevel
