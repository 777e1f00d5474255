#include "hostsim/effect_streams.h"

namespace ostra::hostsim {
namespace {

constexpr AEGP_DynStreamFlags kKeptFlags =
    AEGP_DynStreamFlag_ACTIVE_EYEBALL | AEGP_DynStreamFlag_HIDDEN | AEGP_DynStreamFlag_DISABLED;

bool isOneKeptFlag(AEGP_DynStreamFlags flag) {
  return flag != 0 && (flag & (flag - 1)) == 0 && (flag & kKeptFlags) == flag;
}

}  // namespace

A_Err EffectStreams::newEffect(PF_ProgPtr effectRef, AEGP_EffectRefH* effect) {
  std::lock_guard lock(mutex_);
  if (effect == nullptr) return kStreamBadArgument;
  *effect = nullptr;
  if (effectRef == nullptr || effectRef != effectRef_) return kStreamBadArgument;
  auto handle = std::make_unique<EffectHandle>();
  *effect = reinterpret_cast<AEGP_EffectRefH>(handle.get());
  effects_.emplace(handle.get(), std::move(handle));
  ++counts_.effectsTaken;
  return 0;
}

A_Err EffectStreams::disposeEffect(AEGP_EffectRefH effect) {
  std::lock_guard lock(mutex_);
  if (effects_.erase(effect) == 0) return kStreamBadArgument;
  ++counts_.effectsDisposed;
  return 0;
}

A_Err EffectStreams::newStream(AEGP_EffectRefH effect, PF_ParamIndex index,
                               AEGP_StreamRefH* stream) {
  std::lock_guard lock(mutex_);
  if (stream == nullptr) return kStreamBadArgument;
  *stream = nullptr;
  if (!effects_.contains(effect) || index < 0) return kStreamBadArgument;
  auto handle = std::make_unique<StreamHandle>(StreamHandle{index});
  *stream = reinterpret_cast<AEGP_StreamRefH>(handle.get());
  streams_.emplace(handle.get(), std::move(handle));
  ++counts_.streamsTaken;
  return 0;
}

A_Err EffectStreams::disposeStream(AEGP_StreamRefH stream) {
  std::lock_guard lock(mutex_);
  if (streams_.erase(stream) == 0) return kStreamBadArgument;
  ++counts_.streamsDisposed;
  return 0;
}

A_Err EffectStreams::flags(AEGP_StreamRefH stream, AEGP_DynStreamFlags* flags) const {
  std::lock_guard lock(mutex_);
  const StreamHandle* handle = findStream(stream);
  if (handle == nullptr || flags == nullptr) return kStreamBadArgument;
  const auto found = flags_.find(handle->index);
  *flags = found != flags_.end() ? found->second : 0;
  return 0;
}

A_Err EffectStreams::setFlag(AEGP_StreamRefH stream, AEGP_DynStreamFlags flag, A_Boolean undoable,
                             A_Boolean set) {
  std::lock_guard lock(mutex_);
  const StreamHandle* handle = findStream(stream);
  if (handle == nullptr || !isOneKeptFlag(flag)) return kStreamBadArgument;
  AEGP_DynStreamFlags& kept = flags_[handle->index];
  kept = set ? (kept | flag) : (kept & ~flag);
  changes_.push_back({handle->index, flag, set != 0, undoable != 0});
  return 0;
}

bool EffectStreams::hidden(PF_ParamIndex index) const {
  std::lock_guard lock(mutex_);
  const auto found = flags_.find(index);
  return found != flags_.end() && (found->second & AEGP_DynStreamFlag_HIDDEN) != 0;
}

void EffectStreams::setHidden(PF_ParamIndex index, bool hidden) {
  std::lock_guard lock(mutex_);
  AEGP_DynStreamFlags& kept = flags_[index];
  kept = hidden ? (kept | AEGP_DynStreamFlag_HIDDEN) : (kept & ~AEGP_DynStreamFlag_HIDDEN);
}

StreamCounts EffectStreams::counts() const {
  std::lock_guard lock(mutex_);
  return counts_;
}

std::vector<FlagChange> EffectStreams::flagChanges() const {
  std::lock_guard lock(mutex_);
  return changes_;
}

const EffectStreams::StreamHandle* EffectStreams::findStream(AEGP_StreamRefH stream) const {
  const auto found = streams_.find(stream);
  return found != streams_.end() ? found->second.get() : nullptr;
}

}  // namespace ostra::hostsim
