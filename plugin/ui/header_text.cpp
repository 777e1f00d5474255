#include "plugin/ui/header_text.h"

#include "plugin/ui/drawbot_holders.h"

namespace Kestrix::Bevel {

A_Err DrawHeaderText(PF_InData*, DRAWBOT_DrawRef drawRef, const DRAWBOT_Suites& suites,
                     const DRAWBOT_ColorRGBA& color, const PF_Rect& rect, float fontSize,
                     const DRAWBOT_UTF16Char* text) {
  DRAWBOT_SurfaceRef surface = nullptr;
  DRAWBOT_SupplierRef supplier = nullptr;
  A_Err result = suites.drawbot_suiteP->GetSurface(drawRef, &surface);
  if (result == 0) result = suites.drawbot_suiteP->GetSupplier(drawRef, &supplier);
  // Objects made with a supplier the host did not hand over would only fail to be made.
  if (result != 0) return result;

  DRAWBOT_BrushP brush(suites.supplier_suiteP, supplier, &color);
  float size = fontSize;
  if (size == 0.0f) result = suites.supplier_suiteP->GetDefaultFontSize(supplier, &size);
  if (result != 0) return result;
  DRAWBOT_FontP font(suites.supplier_suiteP, supplier, size);

  const double height = static_cast<double>(rect.bottom) - rect.top;
  const DRAWBOT_PointF32 origin{
      static_cast<float>(rect.left),
      static_cast<float>(static_cast<double>(rect.top) + size + (height - size) * 0.5)};

  DRAWBOT_UTF16Char buffer[kHeaderTextUnits] = {};
  for (int i = 0; text != nullptr && i < kHeaderTextUnits - 1 && text[i] != 0; ++i) {
    buffer[i] = text[i];
  }

  return suites.surface_suiteP->DrawString(
      surface, brush.get(), font.get(), buffer, &origin, kDRAWBOT_TextAlignment_Left,
      kDRAWBOT_TextTruncation_EndEllipsis, static_cast<float>(rect.right - rect.left));
}

}  // namespace Kestrix::Bevel
