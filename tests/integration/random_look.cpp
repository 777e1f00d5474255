#include "tests/integration/random_look.h"

#include <cmath>

namespace ostra::test {
namespace {

// A value in [lo, hi], or, for a share of draws, up to a tenth of the range past either end.
double drawIn(std::mt19937& random, double lo, double hi, double beyondShare) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  if (unit(random) < beyondShare) {
    const double past = (hi - lo) * 0.1 * unit(random);
    return unit(random) < 0.5 ? lo - past : hi + past;
  }
  return lo + (hi - lo) * unit(random);
}

}  // namespace

void applyRandomLook(hostsim::ParamStore& params, std::mt19937& random, const LookBounds& bounds) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int index = 1; index < params.size(); ++index) {
    const PF_ParamDef& declared = params.declared(index);
    const PF_ParamDefUnion& u = declared.u;
    hostsim::ParamValue value;
    switch (declared.param_type) {
      case PF_Param_SLIDER:
        value.v[0] = std::round(drawIn(random, u.sd.valid_min, u.sd.valid_max, bounds.beyondShare));
        break;
      case PF_Param_FIX_SLIDER:
        value.v[0] =
            drawIn(random, u.fd.valid_min / 65536.0, u.fd.valid_max / 65536.0, bounds.beyondShare);
        break;
      case PF_Param_FLOAT_SLIDER:
        value.v[0] = drawIn(random, u.fs_d.valid_min, u.fs_d.valid_max, bounds.beyondShare);
        break;
      case PF_Param_ANGLE:
        value.v[0] = drawIn(random, -720, 720, 0);
        break;
      case PF_Param_CHECKBOX:
        value.v[0] = unit(random) < 0.5 ? 0 : 1;
        break;
      case PF_Param_POPUP: {
        // Past the choices means 0 or one past the last.
        const int count = u.pd.num_choices;
        if (unit(random) < bounds.beyondShare) {
          value.v[0] = unit(random) < 0.5 ? 0 : count + 1;
        } else {
          value.v[0] = std::uniform_int_distribution<int>(1, count)(random);
        }
        break;
      }
      case PF_Param_COLOR:
        for (double& channel : value.v) channel = std::round(unit(random) * 255);
        break;
      case PF_Param_POINT:
        value.v[0] = drawIn(random, 0, bounds.width, bounds.beyondShare);
        value.v[1] = drawIn(random, 0, bounds.height, bounds.beyondShare);
        break;
      case PF_Param_LAYER:
        value.layer = bounds.mapLayer;
        break;
      default:
        continue;  // groups and the header hold no value
    }
    params.setValue(index, value);
  }
}

}  // namespace ostra::test
