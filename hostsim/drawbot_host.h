// The host's Drawbot: the objects an effect draws with (suppliers and surfaces of attached
// canvases; the paths, brushes and fonts it makes), handing the drawing to the canvas, and what
// a test needs to watch it: a log of every call, a way to make any call fail, and a count of the
// objects the effect still holds.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "hostsim/drawbot_canvas.h"
#include "sdk/drawbot.h"

namespace ostra::hostsim {

// What a call made to fail returns.
inline constexpr A_Err kDrawbotInjectedFailure = 77;
// What a call returns for an object of the wrong kind, an unknown one or a bad argument.
inline constexpr A_Err kDrawbotBadArgument = 516;
inline constexpr float kDefaultFontSize = 12.0f;

struct DrawnText {
  std::string shown;  // UTF-8, with the ellipsis when cut
  bool truncated = false;
  DRAWBOT_PointF32 origin{};
  float size = 0;
  double advance = 0;
};

// Safe to use from any thread; one call is served at a time.
class DrawbotHost {
 public:
  DrawbotHost();
  ~DrawbotHost();
  DrawbotHost(const DrawbotHost&) = delete;
  DrawbotHost& operator=(const DrawbotHost&) = delete;

  // A drawing reference for `canvas` until detach(); its supplier and surface are the host's
  // and go with it. The canvas must outlive the attachment.
  DRAWBOT_DrawRef attach(DrawbotCanvas& canvas);
  void detach(DRAWBOT_DrawRef drawRef);

  // The suites' functions. A failed call changes nothing and writes no result.
  A_Err getSupplier(DRAWBOT_DrawRef drawRef, DRAWBOT_SupplierRef* supplier);
  A_Err getSurface(DRAWBOT_DrawRef drawRef, DRAWBOT_SurfaceRef* surface);
  A_Err newBrush(DRAWBOT_SupplierRef supplier, const DRAWBOT_ColorRGBA* color,
                 DRAWBOT_BrushRef* brush);
  A_Err getDefaultFontSize(DRAWBOT_SupplierRef supplier, float* size);
  A_Err newDefaultFont(DRAWBOT_SupplierRef supplier, float size, DRAWBOT_FontRef* font);
  A_Err newPath(DRAWBOT_SupplierRef supplier, DRAWBOT_PathRef* path);
  // Only paths, brushes and fonts are released; the rest belong to the host.
  A_Err releaseObject(DRAWBOT_ObjectRef object);
  A_Err fillPath(DRAWBOT_SurfaceRef surface, DRAWBOT_BrushRef brush, DRAWBOT_PathRef path,
                 DRAWBOT_FillType fillType);
  A_Err drawString(DRAWBOT_SurfaceRef surface, DRAWBOT_BrushRef brush, DRAWBOT_FontRef font,
                   const DRAWBOT_UTF16Char* text, const DRAWBOT_PointF32* origin,
                   DRAWBOT_TextAlignment alignment, DRAWBOT_TextTruncation truncation,
                   float truncationWidth);
  A_Err moveTo(DRAWBOT_PathRef path, float x, float y);
  A_Err lineTo(DRAWBOT_PathRef path, float x, float y);
  A_Err bezierTo(DRAWBOT_PathRef path, const DRAWBOT_PointF32* p1, const DRAWBOT_PointF32* p2,
                 const DRAWBOT_PointF32* p3);
  A_Err addRect(DRAWBOT_PathRef path, const DRAWBOT_RectF32* rect);
  A_Err close(DRAWBOT_PathRef path);

  // The next `skip` calls named `name` (the suite function's name, "NewPath") succeed and the
  // one after returns kDrawbotInjectedFailure. One arming per name.
  void failCall(const std::string& name, int skip = 0);
  // The `n`th Drawbot call from now (1: the very next) fails, whatever its name.
  void failNthCall(int n);
  // Every call's name, in order, failed ones included.
  std::vector<std::string> calls() const;
  void clearCalls();
  // Paths, brushes and fonts made and not yet released.
  int liveObjects() const;
  // Every string drawn, as laid out.
  std::vector<DrawnText> texts() const;

 private:
  enum class Kind { Draw, Supplier, Surface, Path, Brush, Font };
  struct Object {
    explicit Object(Kind k, DrawbotCanvas* c = nullptr) : kind(k), canvas(c) {}
    Kind kind;
    DrawbotCanvas* canvas = nullptr;       // Draw, Supplier, Surface
    DRAWBOT_ObjectRef supplier = nullptr;  // Draw
    DRAWBOT_ObjectRef surface = nullptr;   // Draw
    std::vector<PathOp> ops;               // Path
    DRAWBOT_ColorRGBA color{};             // Brush
    float size = 0;                        // Font
  };

  // Logs the call; non-zero when it is to fail.
  A_Err enter(const char* name);
  Object* find(const void* ref, Kind kind) const;
  DRAWBOT_ObjectRef add(std::unique_ptr<Object> object);
  A_Err addOp(DRAWBOT_PathRef path, PathOp op);
  const DrawbotFont* defaultFont();

  mutable std::mutex mutex_;
  std::map<const void*, std::unique_ptr<Object>> objects_;
  std::vector<std::string> calls_;
  std::map<std::string, int> failByName_;
  int failAfter_ = 0;  // 0: none armed
  std::vector<DrawnText> texts_;
  std::shared_ptr<const DrawbotFont> font_;
};

}  // namespace ostra::hostsim
