#include "plugin/bevel/surface_text.h"

#include "glsl/map_color_cyber_punk.h"
#include "glsl/map_color_golden.h"
#include "glsl/map_color_layer.h"
#include "glsl/map_color_rainbow.h"
#include "glsl/map_color_solid.h"
#include "glsl/surface_main.h"
#include "glsl/surface_vert.h"
#include "glsl/warped_field.h"

namespace Kestrix::Bevel {

std::string surfaceFragmentText(int32_t mapType) {
  std::string text = glsl::surface_main;
  switch (mapType) {
    case 1:
      return text + glsl::map_color_layer;
    case 2:
      return text + glsl::warped_field + glsl::map_color_golden;
    case 3:
      return text + glsl::warped_field + glsl::map_color_cyber_punk;
    case 4:
      return text + glsl::map_color_rainbow;
    default:
      // Out-of-range types cannot come from the popup; a solid colour is the safe reading.
      return text + glsl::map_color_solid;
  }
}

const char* surfaceVertexText() { return glsl::surface_vert; }

}  // namespace Kestrix::Bevel
