#include "hostsim/drawbot_host.h"

#include <cmath>

namespace ostra::hostsim {
namespace {

bool finite(float v) { return std::isfinite(v); }

}  // namespace

DrawbotHost::DrawbotHost() = default;

DrawbotHost::~DrawbotHost() = default;

DRAWBOT_DrawRef DrawbotHost::attach(DrawbotCanvas& canvas) {
  std::lock_guard lock(mutex_);
  auto draw = std::make_unique<Object>(Kind::Draw);
  draw->canvas = &canvas;
  draw->supplier = add(std::make_unique<Object>(Kind::Supplier, &canvas));
  draw->surface = add(std::make_unique<Object>(Kind::Surface, &canvas));
  return add(std::move(draw));
}

void DrawbotHost::detach(DRAWBOT_DrawRef drawRef) {
  std::lock_guard lock(mutex_);
  const Object* draw = find(drawRef, Kind::Draw);
  if (draw == nullptr) return;
  objects_.erase(draw->supplier);
  objects_.erase(draw->surface);
  objects_.erase(drawRef);
}

A_Err DrawbotHost::getSupplier(DRAWBOT_DrawRef drawRef, DRAWBOT_SupplierRef* supplier) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("GetSupplier")) return err;
  const Object* draw = find(drawRef, Kind::Draw);
  if (draw == nullptr || supplier == nullptr) return kDrawbotBadArgument;
  *supplier = draw->supplier;
  return 0;
}

A_Err DrawbotHost::getSurface(DRAWBOT_DrawRef drawRef, DRAWBOT_SurfaceRef* surface) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("GetSurface")) return err;
  const Object* draw = find(drawRef, Kind::Draw);
  if (draw == nullptr || surface == nullptr) return kDrawbotBadArgument;
  *surface = draw->surface;
  return 0;
}

A_Err DrawbotHost::newBrush(DRAWBOT_SupplierRef supplier, const DRAWBOT_ColorRGBA* color,
                            DRAWBOT_BrushRef* brush) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("NewBrush")) return err;
  if (find(supplier, Kind::Supplier) == nullptr || color == nullptr || brush == nullptr) {
    return kDrawbotBadArgument;
  }
  auto made = std::make_unique<Object>(Kind::Brush);
  made->color = *color;
  *brush = add(std::move(made));
  return 0;
}

A_Err DrawbotHost::getDefaultFontSize(DRAWBOT_SupplierRef supplier, float* size) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("GetDefaultFontSize")) return err;
  if (find(supplier, Kind::Supplier) == nullptr || size == nullptr) return kDrawbotBadArgument;
  *size = kDefaultFontSize;
  return 0;
}

A_Err DrawbotHost::newDefaultFont(DRAWBOT_SupplierRef supplier, float size, DRAWBOT_FontRef* font) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("NewDefaultFont")) return err;
  if (find(supplier, Kind::Supplier) == nullptr || font == nullptr || !finite(size) || size <= 0) {
    return kDrawbotBadArgument;
  }
  if (defaultFont() == nullptr) return kDrawbotBadArgument;
  auto made = std::make_unique<Object>(Kind::Font);
  made->size = size;
  *font = add(std::move(made));
  return 0;
}

A_Err DrawbotHost::newPath(DRAWBOT_SupplierRef supplier, DRAWBOT_PathRef* path) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("NewPath")) return err;
  if (find(supplier, Kind::Supplier) == nullptr || path == nullptr) return kDrawbotBadArgument;
  *path = add(std::make_unique<Object>(Kind::Path));
  return 0;
}

A_Err DrawbotHost::releaseObject(DRAWBOT_ObjectRef object) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("ReleaseObject")) return err;
  const auto found = objects_.find(object);
  if (found == objects_.end()) return kDrawbotBadArgument;
  const Kind kind = found->second->kind;
  if (kind != Kind::Path && kind != Kind::Brush && kind != Kind::Font) return kDrawbotBadArgument;
  objects_.erase(found);
  return 0;
}

A_Err DrawbotHost::fillPath(DRAWBOT_SurfaceRef surface, DRAWBOT_BrushRef brush,
                            DRAWBOT_PathRef path, DRAWBOT_FillType fillType) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("FillPath")) return err;
  const Object* target = find(surface, Kind::Surface);
  const Object* paint = find(brush, Kind::Brush);
  const Object* shape = find(path, Kind::Path);
  if (target == nullptr || paint == nullptr || shape == nullptr ||
      (fillType != kDRAWBOT_FillType_EvenOdd && fillType != kDRAWBOT_FillType_Winding)) {
    return kDrawbotBadArgument;
  }
  target->canvas->fillPath(shape->ops, fillType, paint->color);
  return 0;
}

A_Err DrawbotHost::drawString(DRAWBOT_SurfaceRef surface, DRAWBOT_BrushRef brush,
                              DRAWBOT_FontRef font, const DRAWBOT_UTF16Char* text,
                              const DRAWBOT_PointF32* origin, DRAWBOT_TextAlignment alignment,
                              DRAWBOT_TextTruncation truncation, float truncationWidth) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("DrawString")) return err;
  const Object* target = find(surface, Kind::Surface);
  const Object* paint = find(brush, Kind::Brush);
  const Object* type = find(font, Kind::Font);
  const bool knownAlignment =
      alignment >= kDRAWBOT_TextAlignment_Left && alignment <= kDRAWBOT_TextAlignment_Right;
  const bool knownTruncation = truncation >= kDRAWBOT_TextTruncation_None &&
                               truncation <= kDRAWBOT_TextTruncation_PathEllipsis;
  if (target == nullptr || paint == nullptr || type == nullptr || text == nullptr ||
      origin == nullptr || !knownAlignment || !knownTruncation || !finite(truncationWidth)) {
    return kDrawbotBadArgument;
  }
  const TextLine line =
      target->canvas->fillText(*defaultFont(), type->size, decodeUtf16(text), paint->color, *origin,
                               alignment, truncation, truncationWidth);
  texts_.push_back({line.shown,
                    line.truncated,
                    {static_cast<float>(line.x), origin->y},
                    type->size,
                    line.advance});
  return 0;
}

A_Err DrawbotHost::moveTo(DRAWBOT_PathRef path, float x, float y) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("MoveTo")) return err;
  return addOp(path, {PathOp::Move, {x, y}});
}

A_Err DrawbotHost::lineTo(DRAWBOT_PathRef path, float x, float y) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("LineTo")) return err;
  return addOp(path, {PathOp::Line, {x, y}});
}

A_Err DrawbotHost::bezierTo(DRAWBOT_PathRef path, const DRAWBOT_PointF32* p1,
                            const DRAWBOT_PointF32* p2, const DRAWBOT_PointF32* p3) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("BezierTo")) return err;
  if (p1 == nullptr || p2 == nullptr || p3 == nullptr) return kDrawbotBadArgument;
  return addOp(path, {PathOp::Curve, {p1->x, p1->y, p2->x, p2->y, p3->x, p3->y}});
}

A_Err DrawbotHost::addRect(DRAWBOT_PathRef path, const DRAWBOT_RectF32* rect) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("AddRect")) return err;
  if (rect == nullptr) return kDrawbotBadArgument;
  return addOp(path, {PathOp::Rect, {rect->left, rect->top, rect->width, rect->height}});
}

A_Err DrawbotHost::close(DRAWBOT_PathRef path) {
  std::lock_guard lock(mutex_);
  if (const A_Err err = enter("Close")) return err;
  return addOp(path, {PathOp::Close, {}});
}

void DrawbotHost::failCall(const std::string& name, int skip) {
  std::lock_guard lock(mutex_);
  failByName_[name] = skip < 0 ? 0 : skip;
}

void DrawbotHost::failNthCall(int n) {
  std::lock_guard lock(mutex_);
  failAfter_ = n < 1 ? 0 : n;
}

std::vector<std::string> DrawbotHost::calls() const {
  std::lock_guard lock(mutex_);
  return calls_;
}

void DrawbotHost::clearCalls() {
  std::lock_guard lock(mutex_);
  calls_.clear();
}

int DrawbotHost::liveObjects() const {
  std::lock_guard lock(mutex_);
  int live = 0;
  for (const auto& [ref, object] : objects_) {
    live += object->kind == Kind::Path || object->kind == Kind::Brush || object->kind == Kind::Font;
  }
  return live;
}

std::vector<DrawnText> DrawbotHost::texts() const {
  std::lock_guard lock(mutex_);
  return texts_;
}

A_Err DrawbotHost::enter(const char* name) {
  calls_.emplace_back(name);
  bool fail = false;
  if (failAfter_ > 0 && --failAfter_ == 0) fail = true;
  if (const auto armed = failByName_.find(name); armed != failByName_.end()) {
    if (armed->second-- == 0) {
      failByName_.erase(armed);
      fail = true;
    }
  }
  return fail ? kDrawbotInjectedFailure : 0;
}

DrawbotHost::Object* DrawbotHost::find(const void* ref, Kind kind) const {
  const auto found = objects_.find(ref);
  return found != objects_.end() && found->second->kind == kind ? found->second.get() : nullptr;
}

DRAWBOT_ObjectRef DrawbotHost::add(std::unique_ptr<Object> object) {
  auto* ref = reinterpret_cast<DRAWBOT_ObjectRef>(object.get());
  objects_.emplace(object.get(), std::move(object));
  return ref;
}

A_Err DrawbotHost::addOp(DRAWBOT_PathRef path, PathOp op) {
  Object* shape = find(path, Kind::Path);
  if (shape == nullptr) return kDrawbotBadArgument;
  for (float v : op.v) {
    if (!finite(v)) return kDrawbotBadArgument;
  }
  shape->ops.push_back(op);
  return 0;
}

const DrawbotFont* DrawbotHost::defaultFont() {
  if (font_ == nullptr) font_ = loadDefaultFont();
  return font_.get();
}

}  // namespace ostra::hostsim
