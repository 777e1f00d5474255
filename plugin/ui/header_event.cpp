// Events of the header control: draw it, open the maker's page on a click, show a pointing
// hand over it.
#include "platform/win32.h"
#include "plugin/host/commands.h"
#include "plugin/host/effect_identity.h"
#include "plugin/ui/header_draw.h"

namespace Kestrix::Bevel {

PF_Err HandleEvent(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef* params[],
                   PF_LayerDef* output, void* extra) {
  auto* event = static_cast<PF_EventExtra*>(extra);
  if (event == nullptr || event->contextH == nullptr || *event->contextH == nullptr) {
    return PF_Err_NONE;
  }
  // The effect draws nothing in the Composition and Layer windows.
  if ((*event->contextH)->w_type != PF_Window_EFFECT) return PF_Err_NONE;

  switch (event->e_type) {
    case PF_Event_DO_CLICK:
      // Anywhere in the control: the whole header is the link. The shell's answer is not
      // the host's business.
      ShellExecuteA(nullptr, nullptr, kWebAddress, nullptr, nullptr, SW_SHOW);
      return PF_Err_NONE;
    case PF_Event_DRAW:
      return DrawHeader(in_data, out_data, params, output, extra);
    case PF_Event_ADJUST_CURSOR:
      event->u.adjust_cursor.set_cursor = PF_Cursor_FINGER_POINTER;
      return PF_Err_NONE;
    default:
      return PF_Err_NONE;
  }
}

}  // namespace Kestrix::Bevel
