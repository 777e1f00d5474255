// The suites the host lends by name and version, with a record of what was borrowed.
#pragma once

#include <map>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "sdk/sp_basic.h"

namespace ostra::hostsim {

// What AcquireSuite and ReleaseSuite return when they cannot serve the call.
inline constexpr SPErr kSuiteUnavailable = 1;

// Safe to use from any thread: the module may acquire suites on threads of its own.
class SuiteRegistry {
 public:
  // Adds or replaces the table served for (name, version). A null table is served as such, so a
  // test can hand out a suite pointer that is null.
  void registerSuite(const std::string& name, int version, const void* table);
  // While refused, every version of `name` fails to be acquired.
  void refuseSuite(const std::string& name, bool refused);

  // Unknown (name, version) or a refused name: returns kSuiteUnavailable and sets *suite null.
  SPErr acquire(const char* name, int32_t version, const void** suite);
  // A release with no acquisition of (name, version) outstanding returns kSuiteUnavailable.
  SPErr release(const char* name, int32_t version);

  // Successful acquisitions not yet released.
  int outstanding() const;
  // Every call in order, as "Acquire NAME vV" or "Release NAME vV", whether it succeeded or not.
  std::vector<std::string> log() const;

 private:
  using Key = std::pair<std::string, int>;

  mutable std::mutex mutex_;
  std::map<Key, const void*> tables_;
  std::set<std::string> refused_;
  std::map<Key, int> held_;
  int outstanding_ = 0;
  std::vector<std::string> log_;
};

}  // namespace ostra::hostsim
