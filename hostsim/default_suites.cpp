#include "hostsim/default_suites.h"

#include "hostsim/ansi_suite.h"
#include "hostsim/handle_suite.h"

namespace ostra::hostsim {

void registerDefaultSuites(SuiteRegistry& registry, const PlaceholderSuites& placeholders) {
  const PlaceholderSuites& p = placeholders;
  registry.registerSuite(kPFANSISuite, kPFANSISuiteVersion1, &ansiSuite());
  registry.registerSuite(kPFParamUtilsSuite, kPFParamUtilsSuiteVersion3, &p.paramUtils);
  registry.registerSuite(kAEGPPFInterfaceSuite, kAEGPPFInterfaceSuiteVersion1, &p.pfInterface);
  registry.registerSuite(kAEGPEffectSuite, kAEGPEffectSuiteVersion2, &p.effect);
  registry.registerSuite(kAEGPStreamSuite, kAEGPStreamSuiteVersion7, &p.stream);
  registry.registerSuite(kAEGPDynamicStreamSuite, kAEGPDynamicStreamSuiteVersion2,
                         &p.dynamicStream);
  registry.registerSuite(kPFHandleSuite, kPFHandleSuiteVersion2, &handleSuite());
  registry.registerSuite(kPFAppSuite, kPFAppSuiteVersion6, &p.app);
  registry.registerSuite(kPFEffectCustomUISuite, kPFEffectCustomUISuiteVersion1, &p.customUI);
  registry.registerSuite(kDRAWBOT_DrawSuite, kDRAWBOT_DrawSuite_Version1, &p.drawbot);
  registry.registerSuite(kDRAWBOT_SupplierSuite, kDRAWBOT_SupplierSuite_Version1, &p.supplier);
  registry.registerSuite(kDRAWBOT_SurfaceSuite, kDRAWBOT_SurfaceSuite_Version2, &p.surface);
  registry.registerSuite(kDRAWBOT_PathSuite, kDRAWBOT_PathSuite_Version1, &p.path);
}

}  // namespace ostra::hostsim
