// Drawbot: the host's drawing interface for custom controls, and its four suites.
#pragma once

#include "ae_basic.h"

using DRAWBOT_UTF16Char = uint16_t;

struct _DRAWBOT_Object;
using DRAWBOT_ObjectRef = _DRAWBOT_Object*;
using DRAWBOT_DrawRef = DRAWBOT_ObjectRef;
using DRAWBOT_SupplierRef = DRAWBOT_ObjectRef;
using DRAWBOT_SurfaceRef = DRAWBOT_ObjectRef;
using DRAWBOT_PathRef = DRAWBOT_ObjectRef;
using DRAWBOT_BrushRef = DRAWBOT_ObjectRef;
using DRAWBOT_FontRef = DRAWBOT_ObjectRef;

struct DRAWBOT_ColorRGBA {
  float red;
  float green;
  float blue;
  float alpha;
};

struct DRAWBOT_PointF32 {
  float x;
  float y;
};

struct DRAWBOT_RectF32 {
  float left;
  float top;
  float width;
  float height;
};

enum : A_long {
  kDRAWBOT_FillType_EvenOdd = 0,
  kDRAWBOT_FillType_Winding = 1,
};
using DRAWBOT_FillType = A_long;

enum : A_long {
  kDRAWBOT_TextAlignment_Left = 0,
  kDRAWBOT_TextAlignment_Center = 1,
  kDRAWBOT_TextAlignment_Right = 2,
};
using DRAWBOT_TextAlignment = A_long;

enum : A_long {
  kDRAWBOT_TextTruncation_None = 0,
  kDRAWBOT_TextTruncation_EndEllipsis = 1,
  kDRAWBOT_TextTruncation_PathEllipsis = 2,
};
using DRAWBOT_TextTruncation = A_long;

inline constexpr const char* kDRAWBOT_DrawSuite = "DRAWBOT Draw Suite";
inline constexpr int32_t kDRAWBOT_DrawSuite_Version1 = 1;
inline constexpr const char* kDRAWBOT_SupplierSuite = "DRAWBOT Supplier Suite";
inline constexpr int32_t kDRAWBOT_SupplierSuite_Version1 = 1;
inline constexpr const char* kDRAWBOT_SurfaceSuite = "DRAWBOT Surface Suite";
inline constexpr int32_t kDRAWBOT_SurfaceSuite_Version2 = 2;
inline constexpr const char* kDRAWBOT_PathSuite = "DRAWBOT Path Suite";
inline constexpr int32_t kDRAWBOT_PathSuite_Version1 = 1;

struct DRAWBOT_DrawbotSuite1 {
  A_Err (*GetSupplier)(DRAWBOT_DrawRef drawRef, DRAWBOT_SupplierRef* supplier);
  A_Err (*GetSurface)(DRAWBOT_DrawRef drawRef, DRAWBOT_SurfaceRef* surface);
};

struct DRAWBOT_SupplierSuite1 {
  A_Err (*NewBrush)(DRAWBOT_SupplierRef supplier, const DRAWBOT_ColorRGBA* color,
                    DRAWBOT_BrushRef* brush);
  A_Err (*GetDefaultFontSize)(DRAWBOT_SupplierRef supplier, float* fontSize);
  A_Err (*NewDefaultFont)(DRAWBOT_SupplierRef supplier, float fontSize, DRAWBOT_FontRef* font);
  A_Err (*NewPath)(DRAWBOT_SupplierRef supplier, DRAWBOT_PathRef* path);
  A_Err (*ReleaseObject)(DRAWBOT_ObjectRef object);
};

struct DRAWBOT_SurfaceSuite2 {
  A_Err (*FillPath)(DRAWBOT_SurfaceRef surface, DRAWBOT_BrushRef brush, DRAWBOT_PathRef path,
                    DRAWBOT_FillType fillType);
  A_Err (*DrawString)(DRAWBOT_SurfaceRef surface, DRAWBOT_BrushRef brush, DRAWBOT_FontRef font,
                      const DRAWBOT_UTF16Char* string, const DRAWBOT_PointF32* origin,
                      DRAWBOT_TextAlignment alignment, DRAWBOT_TextTruncation truncation,
                      float truncationWidth);
};

struct DRAWBOT_PathSuite1 {
  A_Err (*MoveTo)(DRAWBOT_PathRef path, float x, float y);
  A_Err (*LineTo)(DRAWBOT_PathRef path, float x, float y);
  A_Err (*BezierTo)(DRAWBOT_PathRef path, const DRAWBOT_PointF32* pt1, const DRAWBOT_PointF32* pt2,
                    const DRAWBOT_PointF32* pt3);
  A_Err (*AddRect)(DRAWBOT_PathRef path, const DRAWBOT_RectF32* rect);
  A_Err (*Close)(DRAWBOT_PathRef path);
};

// The four Drawbot suites, acquired and released together.
struct DRAWBOT_Suites {
  DRAWBOT_DrawbotSuite1* drawbot_suiteP;
  DRAWBOT_SupplierSuite1* supplier_suiteP;
  DRAWBOT_SurfaceSuite2* surface_suiteP;
  DRAWBOT_PathSuite1* path_suiteP;
};
