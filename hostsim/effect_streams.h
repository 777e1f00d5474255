// The host's side of parameter visibility: effect handles, parameter streams and each stream's
// dynamic flags, which persist between commands as the host's own state.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "sdk/ae_suites.h"

namespace ostra::hostsim {

// What a stream function returns for a handle it never gave, or a flag it does not keep.
inline constexpr A_Err kStreamBadArgument = PF_Err_BAD_CALLBACK_PARAM;

struct FlagChange {
  PF_ParamIndex index;
  AEGP_DynStreamFlags flag;
  bool set;
  bool undoable;
};

struct StreamCounts {
  int effectsTaken = 0;
  int effectsDisposed = 0;
  int streamsTaken = 0;
  int streamsDisposed = 0;
  int liveEffects() const { return effectsTaken - effectsDisposed; }
  int liveStreams() const { return streamsTaken - streamsDisposed; }
};

// Safe to use from any thread.
class EffectStreams {
 public:
  // `effectRef` is the one effect instance the host serves (PF_InData's effect_ref).
  explicit EffectStreams(PF_ProgPtr effectRef) : effectRef_(effectRef) {}

  A_Err newEffect(PF_ProgPtr effectRef, AEGP_EffectRefH* effect);
  A_Err disposeEffect(AEGP_EffectRefH effect);
  // Any index from 0 (the input layer) up names a stream.
  A_Err newStream(AEGP_EffectRefH effect, PF_ParamIndex index, AEGP_StreamRefH* stream);
  A_Err disposeStream(AEGP_StreamRefH stream);
  A_Err flags(AEGP_StreamRefH stream, AEGP_DynStreamFlags* flags) const;
  // `flag` must be exactly one of the flags the host keeps (eyeball, hidden, disabled).
  A_Err setFlag(AEGP_StreamRefH stream, AEGP_DynStreamFlags flag, A_Boolean undoable,
                A_Boolean set);

  // The host's view, for tests and the CLI.
  bool hidden(PF_ParamIndex index) const;
  void setHidden(PF_ParamIndex index, bool hidden);
  StreamCounts counts() const;
  // Every flag set or cleared through AEGP_SetDynamicStreamFlag, in order.
  std::vector<FlagChange> flagChanges() const;

 private:
  struct EffectHandle {};
  struct StreamHandle {
    PF_ParamIndex index;
  };

  const StreamHandle* findStream(AEGP_StreamRefH stream) const;

  PF_ProgPtr effectRef_;
  mutable std::mutex mutex_;
  std::map<PF_ParamIndex, AEGP_DynStreamFlags> flags_;
  std::map<const void*, std::unique_ptr<EffectHandle>> effects_;
  std::map<const void*, std::unique_ptr<StreamHandle>> streams_;
  StreamCounts counts_;
  std::vector<FlagChange> changes_;
};

// The suite tables; each function serves through the current Host's EffectStreams.
const AEGP_PFInterfaceSuite1& pfInterfaceSuite();
const AEGP_EffectSuite2& effectSuite();
const AEGP_StreamSuite7& streamSuite();
const AEGP_DynamicStreamSuite2& dynamicStreamSuite();

}  // namespace ostra::hostsim
