#include "hostsim/current_host.h"

#include <mutex>
#include <shared_mutex>
#include <stdexcept>

namespace ostra::hostsim::detail {
namespace {

struct Slot {
  std::shared_mutex mutex;
  Host* host = nullptr;
};

Slot& slot() {
  static Slot instance;
  return instance;
}

}  // namespace

CurrentHostClaim::CurrentHostClaim(Host& host) {
  std::unique_lock lock(slot().mutex);
  if (slot().host != nullptr) {
    throw std::logic_error("a hostsim::Host is already live; destroy it before making another");
  }
  slot().host = &host;
}

CurrentHostClaim::~CurrentHostClaim() {
  std::unique_lock lock(slot().mutex);
  slot().host = nullptr;
}

SPErr withCurrentHost(SPErr none, const std::function<SPErr(Host&)>& use) {
  std::shared_lock lock(slot().mutex);
  if (slot().host == nullptr) return none;
  return use(*slot().host);
}

}  // namespace ostra::hostsim::detail
