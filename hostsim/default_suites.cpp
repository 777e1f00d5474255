#include "hostsim/default_suites.h"

#include "hostsim/ansi_suite.h"
#include "hostsim/app_suite.h"
#include "hostsim/custom_ui_suite.h"
#include "hostsim/drawbot_suites.h"
#include "hostsim/effect_streams.h"
#include "hostsim/handle_suite.h"
#include "hostsim/param_utils_suite.h"
#include "sdk/ae_suites.h"
#include "sdk/drawbot.h"

namespace ostra::hostsim {

void registerDefaultSuites(SuiteRegistry& registry) {
  registry.registerSuite(kPFANSISuite, kPFANSISuiteVersion1, &ansiSuite());
  registry.registerSuite(kPFParamUtilsSuite, kPFParamUtilsSuiteVersion3, &paramUtilsSuite());
  registry.registerSuite(kAEGPPFInterfaceSuite, kAEGPPFInterfaceSuiteVersion1, &pfInterfaceSuite());
  registry.registerSuite(kAEGPEffectSuite, kAEGPEffectSuiteVersion2, &effectSuite());
  registry.registerSuite(kAEGPStreamSuite, kAEGPStreamSuiteVersion7, &streamSuite());
  registry.registerSuite(kAEGPDynamicStreamSuite, kAEGPDynamicStreamSuiteVersion2,
                         &dynamicStreamSuite());
  registry.registerSuite(kPFHandleSuite, kPFHandleSuiteVersion2, &handleSuite());
  registry.registerSuite(kPFAppSuite, kPFAppSuiteVersion6, &appSuite());
  registry.registerSuite(kPFEffectCustomUISuite, kPFEffectCustomUISuiteVersion1, &customUISuite());
  registry.registerSuite(kDRAWBOT_DrawSuite, kDRAWBOT_DrawSuite_Version1, &drawbotDrawSuite());
  registry.registerSuite(kDRAWBOT_SupplierSuite, kDRAWBOT_SupplierSuite_Version1,
                         &drawbotSupplierSuite());
  registry.registerSuite(kDRAWBOT_SurfaceSuite, kDRAWBOT_SurfaceSuite_Version2,
                         &drawbotSurfaceSuite());
  registry.registerSuite(kDRAWBOT_PathSuite, kDRAWBOT_PathSuite_Version1, &drawbotPathSuite());
}

}  // namespace ostra::hostsim
