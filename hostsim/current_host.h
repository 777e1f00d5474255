// The process-wide slot naming the Host being served. The basic suite's C callbacks carry no
// pointer of ours, so this is how they find their Host. One Host at a time: a second one may be
// made only after the first is destroyed.
#pragma once

#include <functional>

#include "sdk/sp_basic.h"

namespace ostra::hostsim {

class Host;

namespace detail {

// Holds the slot for its lifetime; throws std::logic_error while another Host holds it.
class CurrentHostClaim {
 public:
  explicit CurrentHostClaim(Host& host);
  ~CurrentHostClaim();
  CurrentHostClaim(const CurrentHostClaim&) = delete;
  CurrentHostClaim& operator=(const CurrentHostClaim&) = delete;
};

// Runs `use` on the Host being served, from any thread, keeping the Host from being released
// meanwhile; returns `none` when there is no Host.
SPErr withCurrentHost(SPErr none, const std::function<SPErr(Host&)>& use);

}  // namespace detail
}  // namespace ostra::hostsim
