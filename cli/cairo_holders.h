// Cairo objects held for their scope.
#pragma once

#include <cairo.h>

#include <memory>

namespace ostra::cli {

struct CairoSurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct CairoContextDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceDeleter>;
using CairoContext = std::unique_ptr<cairo_t, CairoContextDeleter>;

}  // namespace ostra::cli
