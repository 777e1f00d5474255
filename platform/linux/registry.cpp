#include "platform/linux/registry.h"

#include <cctype>

namespace ostra::platform::detail {

namespace {

bool sameClassName(const std::string& a, const char* b) {
  std::size_t i = 0;
  for (; i < a.size(); ++i) {
    if (b[i] == '\0' || std::tolower(static_cast<unsigned char>(a[i])) !=
                            std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return b[i] == '\0';
}

}  // namespace

Registry& registry() {
  static Registry instance;
  return instance;
}

bool Registry::failNow(Call call) {
  auto it = injections.find(call);
  if (it == injections.end() || !it->second.armed) return false;
  if (it->second.skip > 0) {
    --it->second.skip;
    return false;
  }
  injections.erase(it);
  return true;
}

WindowClass* Registry::findClass(LPCSTR nameOrAtom) {
  const auto value = reinterpret_cast<std::uintptr_t>(nameOrAtom);
  if (value == 0) return nullptr;
  for (WindowClass& windowClass : classes) {
    if (value < 0x10000 ? windowClass.atom == value : sameClassName(windowClass.name, nameOrAtom)) {
      return &windowClass;
    }
  }
  return nullptr;
}

ATOM Registry::newAtom() {
  // Class atoms live in 0xC000..0xFFFF on Windows; wrap around, skipping those in use.
  for (int tries = 0; tries < 0x4000; ++tries) {
    const ATOM atom = nextAtom_;
    nextAtom_ = nextAtom_ == 0xFFFF ? ATOM{0xC000} : static_cast<ATOM>(nextAtom_ + 1);
    if (findClass(reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(atom))) == nullptr) {
      return atom;
    }
  }
  return 0;
}

}  // namespace ostra::platform::detail
