// The 43 parameter records a host passes with every command after Params Setup, with the
// three supervised popups at their indices. Each record's id is 10000 plus its index, so a
// copy the host kept can be traced to the record it came from.
#pragma once

#include <array>

#include "sdk/ae_effect.h"

namespace ostra::test {

inline constexpr PF_ParamIndex kMapType = 16, kColor = 17, kMapLayer = 18, kMapSize = 19,
                               kMapEvolution = 20, kL1Type = 27, kL1Target = 30, kL2Type = 35,
                               kL2Target = 38;
// Popup values.
inline constexpr A_long kColorMap = 1, kCustomLayer = 2, kGolden = 3, kCyberPunk = 4, kRainbow = 5,
                        kPointLight = 1, kParallelLight = 2;

class ParamRecords {
 public:
  static constexpr int kCount = 43;

  ParamRecords() {
    for (int i = 0; i < kCount; ++i) {
      records_[i] = PF_ParamDef{};
      records_[i].uu.id = 10000 + i;
      list_[i] = &records_[i];
    }
    for (PF_ParamIndex popup : {kMapType, kL1Type, kL2Type}) {
      records_[popup].param_type = PF_Param_POPUP;
      records_[popup].u.pd.value = 1;
    }
  }
  ParamRecords(const ParamRecords&) = delete;
  ParamRecords& operator=(const ParamRecords&) = delete;

  void setPopup(PF_ParamIndex index, A_long value) { records_[index].u.pd.value = value; }
  PF_ParamDef** list() { return list_.data(); }

 private:
  std::array<PF_ParamDef, kCount> records_{};
  std::array<PF_ParamDef*, kCount> list_{};
};

}  // namespace ostra::test
