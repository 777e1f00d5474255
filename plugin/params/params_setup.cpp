#include "plugin/host/commands.h"
#include "plugin/params/param_index.h"
#include "plugin/params/param_table.h"

namespace Kestrix::Bevel {

// The host's own error from a refused parameter goes back unchanged: nothing here throws.
PF_Err HandleParamsSetup(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef*[], PF_LayerDef*) {
  out_data->num_params = kParamCount;
  for (const ParamDeclaration& declaration : paramDeclarations()) {
    PF_ParamDef record = declaration.record;
    if (declaration.record.param_type != PF_Param_GROUP_END) {
      in_data->utils->ansi.strcpy(record.name, declaration.name);
    }
    if (const PF_Err err = in_data->inter.add_param(in_data->effect_ref, -1, &record)) return err;
  }
  PF_CustomUIInfo ui{};
  ui.events = PF_CustomEFlag_COMP | PF_CustomEFlag_LAYER | PF_CustomEFlag_EFFECT;
  return in_data->inter.register_ui(in_data->effect_ref, &ui);
}

}  // namespace Kestrix::Bevel
