#include "hostsim/suite_registry.h"

namespace ostra::hostsim {
namespace {

std::string entry(const char* verb, const char* name, int32_t version) {
  return std::string(verb) + " " + (name != nullptr ? name : "(null)") + " v" +
         std::to_string(version);
}

}  // namespace

void SuiteRegistry::registerSuite(const std::string& name, int version, const void* table) {
  std::lock_guard lock(mutex_);
  tables_[{name, version}] = table;
}

void SuiteRegistry::refuseSuite(const std::string& name, bool refused) {
  std::lock_guard lock(mutex_);
  if (refused) {
    refused_.insert(name);
  } else {
    refused_.erase(name);
  }
}

SPErr SuiteRegistry::acquire(const char* name, int32_t version, const void** suite) {
  std::lock_guard lock(mutex_);
  log_.push_back(entry("Acquire", name, version));
  if (suite == nullptr) return kSuiteUnavailable;
  *suite = nullptr;
  if (name == nullptr || refused_.contains(name)) return kSuiteUnavailable;
  const auto found = tables_.find({name, version});
  if (found == tables_.end()) return kSuiteUnavailable;
  *suite = found->second;
  ++held_[found->first];
  ++outstanding_;
  return 0;
}

SPErr SuiteRegistry::release(const char* name, int32_t version) {
  std::lock_guard lock(mutex_);
  log_.push_back(entry("Release", name, version));
  if (name == nullptr) return kSuiteUnavailable;
  const auto held = held_.find({name, version});
  if (held == held_.end() || held->second == 0) return kSuiteUnavailable;
  --held->second;
  --outstanding_;
  return 0;
}

int SuiteRegistry::outstanding() const {
  std::lock_guard lock(mutex_);
  return outstanding_;
}

std::vector<std::string> SuiteRegistry::log() const {
  std::lock_guard lock(mutex_);
  return log_;
}

}  // namespace ostra::hostsim
