#include "plugin/ui/drawbot_holders.h"

namespace Kestrix::Bevel {

DRAWBOT_PathP::DRAWBOT_PathP(const DRAWBOT_SupplierSuite1* supplierSuite,
                             DRAWBOT_SupplierRef supplier)
    : SharedRefImpl(supplierSuite) {
  DRAWBOT_PathRef made = nullptr;
  const A_Err err = supplierSuite->NewPath(supplier, &made);
  created(err, made);
}

DRAWBOT_BrushP::DRAWBOT_BrushP(const DRAWBOT_SupplierSuite1* supplierSuite,
                               DRAWBOT_SupplierRef supplier, const DRAWBOT_ColorRGBA* color)
    : SharedRefImpl(supplierSuite) {
  DRAWBOT_BrushRef made = nullptr;
  const A_Err err = supplierSuite->NewBrush(supplier, color, &made);
  created(err, made);
}

DRAWBOT_FontP::DRAWBOT_FontP(const DRAWBOT_SupplierSuite1* supplierSuite,
                             DRAWBOT_SupplierRef supplier, float fontSize)
    : SharedRefImpl(supplierSuite) {
  DRAWBOT_FontRef made = nullptr;
  const A_Err err = supplierSuite->NewDefaultFont(supplier, fontSize, &made);
  created(err, made);
}

}  // namespace Kestrix::Bevel
