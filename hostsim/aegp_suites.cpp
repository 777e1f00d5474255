// The AEGP PF Interface, Effect, Stream and Dynamic Stream suites, served by the current
// Host's EffectStreams; once no Host lives every call fails.
#include "hostsim/current_host.h"
#include "hostsim/effect_streams.h"
#include "hostsim/host.h"

namespace ostra::hostsim {
namespace {

template <class Use>
A_Err withStreams(Use&& use) {
  return detail::withCurrentHost(PF_Err_INVALID_CALLBACK,
                                 [&](Host& host) { return use(host.effectStreams()); });
}

A_Err getNewEffectForEffect(AEGP_PluginID, PF_ProgPtr effectRef, AEGP_EffectRefH* effect) {
  return withStreams([&](EffectStreams& s) { return s.newEffect(effectRef, effect); });
}

A_Err disposeEffect(AEGP_EffectRefH effect) {
  return withStreams([&](EffectStreams& s) { return s.disposeEffect(effect); });
}

A_Err getNewEffectStreamByIndex(AEGP_PluginID, AEGP_EffectRefH effect, PF_ParamIndex index,
                                AEGP_StreamRefH* stream) {
  return withStreams([&](EffectStreams& s) { return s.newStream(effect, index, stream); });
}

A_Err disposeStream(AEGP_StreamRefH stream) {
  return withStreams([&](EffectStreams& s) { return s.disposeStream(stream); });
}

A_Err getDynamicStreamFlags(AEGP_StreamRefH stream, AEGP_DynStreamFlags* flags) {
  return withStreams([&](EffectStreams& s) { return s.flags(stream, flags); });
}

A_Err setDynamicStreamFlag(AEGP_StreamRefH stream, AEGP_DynStreamFlags flag, A_Boolean undoable,
                           A_Boolean set) {
  return withStreams([&](EffectStreams& s) { return s.setFlag(stream, flag, undoable, set); });
}

constexpr AEGP_PFInterfaceSuite1 kPFInterfaceSuite{getNewEffectForEffect};
constexpr AEGP_EffectSuite2 kEffectSuite{disposeEffect};
constexpr AEGP_StreamSuite7 kStreamSuite{getNewEffectStreamByIndex, disposeStream};
constexpr AEGP_DynamicStreamSuite2 kDynamicStreamSuite{getDynamicStreamFlags, setDynamicStreamFlag};

}  // namespace

const AEGP_PFInterfaceSuite1& pfInterfaceSuite() { return kPFInterfaceSuite; }
const AEGP_EffectSuite2& effectSuite() { return kEffectSuite; }
const AEGP_StreamSuite7& streamSuite() { return kStreamSuite; }
const AEGP_DynamicStreamSuite2& dynamicStreamSuite() { return kDynamicStreamSuite; }

}  // namespace ostra::hostsim
