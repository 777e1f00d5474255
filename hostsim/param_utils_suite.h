// "PF Param Utils Suite" v3: the effect asks the host to redraw a parameter's interface; the
// host keeps a record of every such request.
#pragma once

#include <mutex>
#include <vector>

#include "sdk/ae_suites.h"

namespace ostra::hostsim {

struct ParamUIUpdate {
  PF_ParamIndex index;
  PF_ParamDef record;  // a copy, as it was when passed
};

// Safe to use from any thread.
class ParamUIUpdates {
 public:
  explicit ParamUIUpdates(PF_ProgPtr effectRef) : effectRef_(effectRef) {}

  // A foreign effect_ref, a negative index or a null record is refused and not recorded.
  PF_Err update(PF_ProgPtr effectRef, PF_ParamIndex index, const PF_ParamDef* record);
  std::vector<ParamUIUpdate> updates() const;
  void clear();

 private:
  PF_ProgPtr effectRef_;
  mutable std::mutex mutex_;
  std::vector<ParamUIUpdate> updates_;
};

const PF_ParamUtilsSuite3& paramUtilsSuite();

}  // namespace ostra::hostsim
