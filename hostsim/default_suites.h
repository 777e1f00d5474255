// The suites every Host lends from the start: the ANSI and handle suites in full, the others as
// zero-filled tables under their names and versions until their functions are written.
#pragma once

#include "hostsim/suite_registry.h"
#include "sdk/ae_suites.h"
#include "sdk/drawbot.h"

namespace ostra::hostsim {

struct PlaceholderSuites {
  PF_ParamUtilsSuite3 paramUtils{};
  AEGP_PFInterfaceSuite1 pfInterface{};
  AEGP_EffectSuite2 effect{};
  AEGP_StreamSuite7 stream{};
  AEGP_DynamicStreamSuite2 dynamicStream{};
  PFAppSuite6 app{};
  PF_EffectCustomUISuite1 customUI{};
  DRAWBOT_DrawbotSuite1 drawbot{};
  DRAWBOT_SupplierSuite1 supplier{};
  DRAWBOT_SurfaceSuite2 surface{};
  DRAWBOT_PathSuite1 path{};
};

// `placeholders` must outlive the registry's use of it.
void registerDefaultSuites(SuiteRegistry& registry, const PlaceholderSuites& placeholders);

}  // namespace ostra::hostsim
