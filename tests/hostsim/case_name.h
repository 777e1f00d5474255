// Readable names for table-driven cases: "a cut header" becomes "a_cut_header".
#pragma once

#include <cctype>
#include <string>

namespace ostra::hostsim::test {

inline std::string caseName(const std::string& what) {
  std::string name;
  for (char c : what) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

// For INSTANTIATE_TEST_SUITE_P on a case record with a `what` field.
struct NameByWhat {
  template <class Param>
  std::string operator()(const Param& param) const {
    return caseName(param.param.what);
  }
};

}  // namespace ostra::hostsim::test
