// Who the effect is: the names and version the host lists it under.
#pragma once

#include <cstdint>

#include "sdk/ae_basic.h"

namespace Kestrix::Bevel {

inline constexpr const char* kDisplayName = "Ostra Quellon";
inline constexpr const char* kCategory = "Ostra";
inline constexpr const char* kMatchName = "Ostra_Quellon";
inline constexpr const char* kEntryPointName = "EntryPointFunc";
inline constexpr int kMajorVersion = 1;
inline constexpr int kMinorVersion = 0;
// Version 1.0, build 1, in the host's packed version word.
inline constexpr uint32_t kVersionWord = 0x00080001;
inline constexpr PF_OutFlags kGlobalOutFlags = PF_OutFlag_CUSTOM_UI;
// The maker's site: the header parameter's name, drawn in the Effect Controls header, and the
// page a click there opens. A reserved domain, so no real site is implied.
inline constexpr const char* kSiteName = "kestrix.example";
inline constexpr const char* kWebAddress = "https://kestrix.example/quellon";
inline constexpr PF_OutFlags2 kGlobalOutFlags2 = PF_OutFlag2_PARAM_GROUP_START_COLLAPSED_FLAG;

}  // namespace Kestrix::Bevel
