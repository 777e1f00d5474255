// libFuzzer target: bytes become a parameter vector and a layer of at most 16 × 16 pixels, which
// the real module renders through its entry point in the host simulator. One host and one Global
// Setup serve every input of the process, as a host keeps an effect loaded across frames.
//
// Every render must return no error or one of the host's error codes, write nothing past the
// output's rows, leave the input as it was, hand back every suite and handle it took, and leave
// the host's context current. Anything else aborts, and libFuzzer keeps the input.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "hostsim/host.h"
#include "hostsim/world.h"
#include "platform/control.h"

namespace {

using ostra::hostsim::CallResult;
using ostra::hostsim::Host;
using ostra::hostsim::HostContext;
using ostra::hostsim::ParamArray;
using ostra::hostsim::ParamValue;
using ostra::hostsim::World;

constexpr int kMaxSide = 16;
constexpr int kRowPadding = 12;  // bytes past each row's pixels, to catch stray writes

[[noreturn]] void fail(const char* what, long detail = 0) {
  std::fprintf(stderr, "render_fuzz: %s (%ld)\n", what, detail);
  std::abort();
}

bool isHostError(PF_Err err) {
  switch (err) {
    case PF_Err_NONE:
    case PF_Err_OUT_OF_MEMORY:
    case A_Err_MISSING_SUITE:
    case PF_Err_INTERNAL_STRUCT_DAMAGED:
    case PF_Err_INVALID_INDEX:
    case PF_Err_UNRECOGNIZED_PARAM_TYPE:
    case PF_Err_INVALID_CALLBACK:
    case PF_Err_BAD_CALLBACK_PARAM:
      return true;
    default:
      return false;
  }
}

int hostOwnContexts = 0;

Host& loadedHost() {
  // Never destroyed: the process ends when libFuzzer is done, with the effect still loaded.
  static Host* host = [] {
    auto made = std::make_unique<Host>(OSTRA_MODULE_PATH);
    hostOwnContexts = ostra::platform::counts().liveContexts;
    for (PF_Cmd cmd : {PF_Cmd_GLOBAL_SETUP, PF_Cmd_PARAMS_SETUP}) {
      const CallResult result = made->send(cmd);
      if (result.err != PF_Err_NONE) fail("setup failed", result.err);
    }
    return made.release();
  }();
  return *host;
}

// At the end of the run, as the host quits: after every render the fuzzer made, Global Setdown
// releases every context the module made, the rendering threads' included.
void setDown() {
  const CallResult result = loadedHost().send(PF_Cmd_GLOBAL_SETDOWN);
  if (result.err != PF_Err_NONE) fail("Global Setdown failed", result.err);
  if (!result.hostContextCurrent) fail("Global Setdown did not restore the host's context");
  const ostra::platform::Counts counts = ostra::platform::counts();
  if (counts.liveContexts != hostOwnContexts || counts.liveWindows != hostOwnContexts ||
      counts.liveClasses != hostOwnContexts) {
    fail("contexts, windows or classes left after Global Setdown", counts.liveContexts);
  }
}

// Mostly values a user could set, sometimes values no user interface would send.
double number(FuzzedDataProvider& in, double lo, double hi) {
  static constexpr double kOdd[] = {std::numeric_limits<double>::quiet_NaN(),
                                    std::numeric_limits<double>::infinity(),
                                    -std::numeric_limits<double>::infinity(),
                                    -1e30,
                                    1e30,
                                    -1,
                                    0,
                                    1e-30};
  const uint8_t mode = in.ConsumeIntegral<uint8_t>();
  const double t = in.ConsumeIntegral<uint16_t>() / 65535.0;
  if (mode < 192) return lo + t * (hi - lo);
  if (mode < 224) return lo + (t * 4 - 1.5) * (hi - lo);  // beyond either end
  return kOdd[mode % std::size(kOdd)];
}

// None for a parameter without a value (groups, the header).
std::optional<ParamValue> valueFor(FuzzedDataProvider& in, const PF_ParamDef& def, int width,
                                   int height) {
  ParamValue value;
  const PF_ParamDefUnion& u = def.u;
  switch (def.param_type) {
    case PF_Param_FLOAT_SLIDER:
      value.v[0] = number(in, u.fs_d.valid_min, u.fs_d.valid_max);
      break;
    case PF_Param_SLIDER:
      value.v[0] = std::round(number(in, u.sd.valid_min, u.sd.valid_max));
      break;
    case PF_Param_FIX_SLIDER:
      value.v[0] = number(in, u.fd.valid_min / 65536.0, u.fd.valid_max / 65536.0);
      break;
    case PF_Param_ANGLE:
      value.v[0] = number(in, -720, 720);
      break;
    case PF_Param_POPUP:
      // 0 and one past the last choice are outside the popup.
      value.v[0] = in.ConsumeIntegralInRange<int>(0, u.pd.num_choices + 1);
      break;
    case PF_Param_CHECKBOX:
      value.v[0] = in.ConsumeIntegralInRange<int>(0, 2);
      break;
    case PF_Param_COLOR:
      for (double& channel : value.v) channel = in.ConsumeIntegral<uint8_t>();
      break;
    case PF_Param_POINT:
      value.v[0] = number(in, 0, width);
      value.v[1] = number(in, 0, height);
      break;
    default:
      return std::nullopt;
  }
  return value;
}

World layerFrom(FuzzedDataProvider& in, int width, int height, A_long rowbytes) {
  std::vector<uint8_t> argb =
      in.ConsumeBytes<uint8_t>(static_cast<std::size_t>(width) * height * 4);
  argb.resize(static_cast<std::size_t>(width) * height * 4);
  return World::fromPacked(argb, width, height, rowbytes);
}

int side(FuzzedDataProvider& in) { return in.ConsumeIntegralInRange<int>(1, kMaxSide); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  loadedHost();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  Host& host = loadedHost();
  FuzzedDataProvider in(data, size);

  const int width = side(in);
  const int height = side(in);
  const int downsample = in.ConsumeIntegralInRange<int>(1, 4);
  const bool withMapLayer = in.ConsumeBool();
  const bool oddMapRows = in.ConsumeBool();
  host.setHostContext(in.ConsumeBool() ? HostContext::None : HostContext::Own);
  host.setDownsample(static_cast<A_u_long>(downsample));

  auto& store = host.params();
  store.resetValues();
  int mapLayerIndex = -1;
  for (int index = 1; index < store.size(); ++index) {
    const PF_ParamDef& def = store.declared(index);
    if (def.param_type == PF_Param_LAYER) {
      mapLayerIndex = index;
    } else if (auto value = valueFor(in, def, width * downsample, height * downsample)) {
      store.setValue(index, *value);
    }
  }

  World input = layerFrom(in, width, height, width * 4);
  World mapLayer;
  if (withMapLayer) {
    const int mapWidth = side(in);
    const int mapHeight = side(in);
    mapLayer = layerFrom(in, mapWidth, mapHeight, mapWidth * 4 + (oddMapRows ? 3 : 0));
  }
  if (mapLayerIndex >= 0) {
    ParamValue layer;
    layer.layer = withMapLayer ? &mapLayer.def() : nullptr;
    store.setValue(mapLayerIndex, layer);
  }
  const std::vector<uint8_t> inputBefore(input.bytes().begin(), input.bytes().end());

  World output(width, height, width * 4 + kRowPadding);
  store.setInputLayer(&input.def(), width * downsample, height * downsample);
  PF_InData& inData = host.inData();
  inData.width = width;
  inData.height = height;
  inData.current_time = 0;
  inData.time_step = 1;
  inData.time_scale = 1000;

  const int handlesBefore = host.liveHandles();
  ParamArray params = host.paramArray();
  const CallResult result = host.send(PF_Cmd_RENDER, params.data(), &output.def());
  store.setInputLayer(nullptr);
  // Registered once a Render has run, so that it runs at exit before the objects the module made
  // on its first Render are destroyed.
  static const bool setDownAtExit = std::atexit(setDown) == 0;
  (void)setDownAtExit;

  if (!isHostError(result.err)) fail("not an error code of the host", result.err);
  if (!result.hostContextCurrent) fail("the host's context was not restored");
  if (!output.paddingIntact()) fail("a write past the output's rows");
  if (!std::equal(inputBefore.begin(), inputBefore.end(), input.bytes().begin())) {
    fail("the input layer changed");
  }
  if (host.outstandingSuites() != 0) fail("suites not released", host.outstandingSuites());
  if (host.liveHandles() != handlesBefore) fail("handles not disposed of", host.liveHandles());
  if (store.outstandingCheckouts() != 0) fail("parameters not checked in");
  return 0;
}
