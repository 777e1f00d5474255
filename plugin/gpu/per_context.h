// Framebuffers and vertex arrays belong to the context that made them, while Renders come from
// many threads, each with its own context. PerContext keeps one set of such objects per
// rendering context, made on first use in that context.
#pragma once

#include <map>

#include "plugin/gpu/context_key.h"

namespace Kestrix::Bevel {

// Objects must provide create() and destroy(), both called with their context current.
template <typename Objects>
class PerContext {
 public:
  Objects& current() {
    auto [it, inserted] = sets_.try_emplace(currentContextKey());
    if (inserted) it->second.create();
    return it->second;
  }
  Objects* find() {
    auto it = sets_.find(currentContextKey());
    return it == sets_.end() ? nullptr : &it->second;
  }
  // Deletes the current context's set. The sets of other contexts cannot be deleted from here;
  // they go with their contexts, which are destroyed right after at Global Setdown.
  void release() {
    if (Objects* mine = find()) mine->destroy();
    sets_.clear();
  }
  void eraseCurrent() {
    if (Objects* mine = find()) mine->destroy();
    sets_.erase(currentContextKey());
  }

 private:
  std::map<const void*, Objects> sets_;
};

}  // namespace Kestrix::Bevel
