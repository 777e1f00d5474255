// Pixels, rectangles and layer worlds as the host hands them to an effect.
#pragma once

#include "ae_basic.h"

// One 8-bit pixel in the host's byte order: alpha, red, green, blue.
struct PF_Pixel {
  A_u_char alpha;
  A_u_char red;
  A_u_char green;
  A_u_char blue;
};
using PF_Pixel8 = PF_Pixel;
using PF_PixelPtr = PF_Pixel*;

struct PF_Rect {
  A_long left;
  A_long top;
  A_long right;
  A_long bottom;
};
using PF_LRect = PF_Rect;

struct PF_RationalScale {
  A_long num;
  A_u_long den;
};

// A layer world: the pixels of one layer, rows `rowbytes` apart, row 0 at the top.
struct PF_LayerDef {
  void* reserved0;
  void* reserved1;
  A_long world_flags;
  PF_PixelPtr data;
  A_long rowbytes;
  A_long width;
  A_long height;
  PF_Rect extent_hint;
  void* platform_ref;
  PF_RationalScale pix_aspect_ratio;
  A_long origin_x;
  A_long origin_y;
  A_long dephault;
};
using PF_EffectWorld = PF_LayerDef;
