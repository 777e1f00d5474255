#include "hostsim/drawbot_suites.h"

#include "hostsim/current_host.h"
#include "hostsim/drawbot_host.h"
#include "hostsim/host.h"

namespace ostra::hostsim {
namespace {

template <class Use>
A_Err withDrawbot(Use&& use) {
  return detail::withCurrentHost(PF_Err_INVALID_CALLBACK,
                                 [&](Host& host) { return use(host.drawbot()); });
}

A_Err getSupplier(DRAWBOT_DrawRef drawRef, DRAWBOT_SupplierRef* supplier) {
  return withDrawbot([&](DrawbotHost& d) { return d.getSupplier(drawRef, supplier); });
}
A_Err getSurface(DRAWBOT_DrawRef drawRef, DRAWBOT_SurfaceRef* surface) {
  return withDrawbot([&](DrawbotHost& d) { return d.getSurface(drawRef, surface); });
}

A_Err newBrush(DRAWBOT_SupplierRef supplier, const DRAWBOT_ColorRGBA* color,
               DRAWBOT_BrushRef* brush) {
  return withDrawbot([&](DrawbotHost& d) { return d.newBrush(supplier, color, brush); });
}
A_Err getDefaultFontSize(DRAWBOT_SupplierRef supplier, float* size) {
  return withDrawbot([&](DrawbotHost& d) { return d.getDefaultFontSize(supplier, size); });
}
A_Err newDefaultFont(DRAWBOT_SupplierRef supplier, float size, DRAWBOT_FontRef* font) {
  return withDrawbot([&](DrawbotHost& d) { return d.newDefaultFont(supplier, size, font); });
}
A_Err newPath(DRAWBOT_SupplierRef supplier, DRAWBOT_PathRef* path) {
  return withDrawbot([&](DrawbotHost& d) { return d.newPath(supplier, path); });
}
A_Err releaseObject(DRAWBOT_ObjectRef object) {
  return withDrawbot([&](DrawbotHost& d) { return d.releaseObject(object); });
}

A_Err fillPath(DRAWBOT_SurfaceRef surface, DRAWBOT_BrushRef brush, DRAWBOT_PathRef path,
               DRAWBOT_FillType fillType) {
  return withDrawbot([&](DrawbotHost& d) { return d.fillPath(surface, brush, path, fillType); });
}
A_Err drawString(DRAWBOT_SurfaceRef surface, DRAWBOT_BrushRef brush, DRAWBOT_FontRef font,
                 const DRAWBOT_UTF16Char* text, const DRAWBOT_PointF32* origin,
                 DRAWBOT_TextAlignment alignment, DRAWBOT_TextTruncation truncation,
                 float truncationWidth) {
  return withDrawbot([&](DrawbotHost& d) {
    return d.drawString(surface, brush, font, text, origin, alignment, truncation, truncationWidth);
  });
}

A_Err moveTo(DRAWBOT_PathRef path, float x, float y) {
  return withDrawbot([&](DrawbotHost& d) { return d.moveTo(path, x, y); });
}
A_Err lineTo(DRAWBOT_PathRef path, float x, float y) {
  return withDrawbot([&](DrawbotHost& d) { return d.lineTo(path, x, y); });
}
A_Err bezierTo(DRAWBOT_PathRef path, const DRAWBOT_PointF32* p1, const DRAWBOT_PointF32* p2,
               const DRAWBOT_PointF32* p3) {
  return withDrawbot([&](DrawbotHost& d) { return d.bezierTo(path, p1, p2, p3); });
}
A_Err addRect(DRAWBOT_PathRef path, const DRAWBOT_RectF32* rect) {
  return withDrawbot([&](DrawbotHost& d) { return d.addRect(path, rect); });
}
A_Err closePath(DRAWBOT_PathRef path) {
  return withDrawbot([&](DrawbotHost& d) { return d.close(path); });
}

constexpr DRAWBOT_DrawbotSuite1 kDrawSuite{getSupplier, getSurface};
constexpr DRAWBOT_SupplierSuite1 kSupplierSuite{newBrush, getDefaultFontSize, newDefaultFont,
                                                newPath, releaseObject};
constexpr DRAWBOT_SurfaceSuite2 kSurfaceSuite{fillPath, drawString};
constexpr DRAWBOT_PathSuite1 kPathSuite{moveTo, lineTo, bezierTo, addRect, closePath};

}  // namespace

const DRAWBOT_DrawbotSuite1& drawbotDrawSuite() { return kDrawSuite; }
const DRAWBOT_SupplierSuite1& drawbotSupplierSuite() { return kSupplierSuite; }
const DRAWBOT_SurfaceSuite2& drawbotSurfaceSuite() { return kSurfaceSuite; }
const DRAWBOT_PathSuite1& drawbotPathSuite() { return kPathSuite; }

}  // namespace ostra::hostsim
