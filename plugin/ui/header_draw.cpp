#include "plugin/ui/header_draw.h"

#include <optional>

#include "plugin/host/effect_identity.h"
#include "plugin/host/suite_scope.h"
#include "plugin/ui/drawbot_holders.h"
#include "plugin/ui/drawbot_suites.h"
#include "plugin/ui/header_colors.h"
#include "plugin/ui/header_text.h"
#include "plugin/ui/logo_mark.h"
#include "sdk/ae_suites.h"

namespace Kestrix::Bevel {
namespace {

// The site name is plain ASCII and fits the host's text buffer; checked when built.
constexpr bool fitsHeaderText(const char* text) {
  int length = 0;
  for (; text[length] != 0; ++length) {
    if (static_cast<unsigned char>(text[length]) > 0x7f) return false;
  }
  return length < kHeaderTextUnits;
}
static_assert(fitsHeaderText(kSiteName));

struct SiteNameText {
  SiteNameText() {
    for (int i = 0; kSiteName[i] != 0; ++i) units[i] = static_cast<DRAWBOT_UTF16Char>(kSiteName[i]);
  }
  DRAWBOT_UTF16Char units[kHeaderTextUnits] = {};
};

// Where the site name goes, relative to the control's frame.
constexpr PF_Rect kTextBox{120, 30, 200, 45};

// The Drawbot calls of one draw, against one drawing reference.
class HeaderPainter {
 public:
  HeaderPainter(const DRAWBOT_Suites& suites, DRAWBOT_DrawRef drawRef)
      : suites_(suites), drawRef_(drawRef) {}

  A_Err getSupplier() { return suites_.drawbot_suiteP->GetSupplier(drawRef_, &supplier_); }
  DRAWBOT_SupplierRef supplier() const { return supplier_; }

  // Fills only with a surface and a supplier in hand; the brush is released at once.
  void fill(DRAWBOT_PathRef path, const DRAWBOT_ColorRGBA& color) {
    DRAWBOT_SurfaceRef surface = nullptr;
    if (suites_.drawbot_suiteP->GetSurface(drawRef_, &surface) != 0) return;
    if (getSupplier() != 0) return;
    DRAWBOT_BrushP brush(suites_.supplier_suiteP, supplier_, &color);
    suites_.surface_suiteP->FillPath(surface, brush.get(), path, kDRAWBOT_FillType_Winding);
  }

 private:
  const DRAWBOT_Suites& suites_;
  DRAWBOT_DrawRef drawRef_;
  DRAWBOT_SupplierRef supplier_ = nullptr;
};

// Background, logo and site name. The result is the logo's supplier result; a path is made
// only with a supplier the host handed over.
A_Err paintHeader(PF_InData* in_data, const DRAWBOT_Suites& suites, DRAWBOT_DrawRef drawRef,
                  const HeaderColors& colors, const PF_Rect& frame) {
  HeaderPainter painter(suites, drawRef);
  if (painter.getSupplier() == 0) {
    DRAWBOT_PathP background(suites.supplier_suiteP, painter.supplier());
    const DRAWBOT_RectF32 area{static_cast<float>(frame.left), static_cast<float>(frame.top),
                               static_cast<float>(frame.right - frame.left),
                               static_cast<float>(frame.bottom - frame.top)};
    suites.path_suiteP->AddRect(background.get(), &area);
    painter.fill(background.get(), colors.background);
  }

  const A_Err result = painter.getSupplier();
  // The logo's path is held until the text is drawn.
  std::optional<DRAWBOT_PathP> logo;
  if (result == 0) {
    logo.emplace(suites.supplier_suiteP, painter.supplier());
    buildLogoMark(*suites.path_suiteP, logo->get(), static_cast<float>(frame.left),
                  static_cast<float>(frame.top));
    painter.fill(logo->get(), colors.accent);
  }

  const PF_Rect textBox{frame.left + kTextBox.left, frame.top + kTextBox.top,
                        frame.left + kTextBox.right, frame.top + kTextBox.bottom};
  const SiteNameText siteName;
  DrawHeaderText(in_data, drawRef, suites, colors.accent, textBox, 0.0f, siteName.units);
  return result;
}

}  // namespace

PF_Err DrawHeader(PF_InData* in_data, PF_OutData* out_data, PF_ParamDef*[], PF_LayerDef*,
                  void* extra) {
  auto* event = static_cast<PF_EventExtra*>(extra);
  if (event->effect_win.area != PF_EA_CONTROL) return PF_Err_NONE;

  DrawbotSuiteSet drawbot(in_data, out_data);
  if (drawbot.error() != PF_Err_NONE) return drawbot.error();

  SuiteScope<PF_EffectCustomUISuite1> customUI(in_data, kPFEffectCustomUISuite,
                                               kPFEffectCustomUISuiteVersion1);
  DRAWBOT_DrawRef drawRef = nullptr;
  PF_Err result = customUI->PF_GetDrawingReference(event->contextH, &drawRef);
  const HeaderColors& colors = GetHeaderColors(in_data);

  // Without a drawing reference every Drawbot call would fail, the object creations with an
  // error raised: nothing is drawn, and the host hears its own error back.
  if (result == PF_Err_NONE && drawRef != nullptr) {
    result =
        paintHeader(in_data, drawbot.suites(), drawRef, colors, event->effect_win.current_frame);
  }

  // Reached whatever Drawbot returned along the way; a raised failure (an object the host would
  // not create) passes by here unmarked, and the entry point reports it.
  drawbot.release();
  event->evt_out_flags = PF_EO_HANDLED_EVENT;
  return result;
}

}  // namespace Kestrix::Bevel
