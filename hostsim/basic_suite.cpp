#include "hostsim/basic_suite.h"

#include <cstdlib>
#include <cstring>

#include "hostsim/current_host.h"
#include "hostsim/host.h"
#include "hostsim/suite_registry.h"

namespace ostra::hostsim {
namespace {

SPErr acquireSuite(const char* name, int32_t version, const void** suite) {
  if (suite != nullptr) *suite = nullptr;
  return detail::withCurrentHost(kSuiteUnavailable, [&](Host& host) {
    return host.suiteRegistry().acquire(name, version, suite);
  });
}

SPErr releaseSuite(const char* name, int32_t version) {
  return detail::withCurrentHost(
      kSuiteUnavailable, [&](Host& host) { return host.suiteRegistry().release(name, version); });
}

int32_t isEqual(const char* token1, const char* token2) {
  if (token1 == nullptr || token2 == nullptr) return token1 == token2;
  return std::strcmp(token1, token2) == 0;
}

constexpr SPErr kNoMemory = PF_Err_OUT_OF_MEMORY;

SPErr allocateBlock(size_t size, void** block) {
  if (block == nullptr) return kSuiteUnavailable;
  *block = std::malloc(size);
  return *block != nullptr || size == 0 ? 0 : kNoMemory;
}

SPErr freeBlock(void* block) {
  std::free(block);
  return 0;
}

SPErr reallocateBlock(void* block, size_t newSize, void** newBlock) {
  if (newBlock == nullptr) return kSuiteUnavailable;
  void* grown = std::realloc(block, newSize);
  if (grown == nullptr && newSize != 0) return kNoMemory;
  *newBlock = grown;
  return 0;
}

SPErr undefined() { return kSuiteUnavailable; }

constexpr SPBasicSuite kBasicSuite{acquireSuite, releaseSuite,    isEqual,  allocateBlock,
                                   freeBlock,    reallocateBlock, undefined};

}  // namespace

const SPBasicSuite& basicSuite() { return kBasicSuite; }

}  // namespace ostra::hostsim
