#version 330
// One jump-flood level: of the seeds its eight neighbours at the level's step width and itself
// have found, a pixel keeps the nearest; (999999, 999999) while none is known.
uniform sampler2D t0;
uniform vec2 viewSize;
uniform float level;
uniform float maxLevel;
in vec2 uv;
out vec4 colourOut;

// p is a 1-based pixel index: p = x + 1 reads pixel x, and beyond the edge the edge pixel.
// The texel itself, as the linear filter gives it at the centre, without the filter's work.
vec4 load0(ivec2 p) {
  return texelFetch(t0, clamp(p - 1, ivec2(0), ivec2(viewSize) - 1), 0);
}

void main() {
  int stepwidth = int(exp2(maxLevel - level) + 0.5);
  ivec2 tc = ivec2(gl_FragCoord.xy + 0.5);
  // Candidates are measured from this pixel's centre, where seeds store theirs; the 1-based
  // index tc lies half a pixel off it and would pick seeds up to 1.4 px too far.
  vec2 center = vec2(tc) - 0.5;
  float best_dist = 999999.0;
  vec2 best_coord = vec2(999999.0, 999999.0);
  vec4 own = load0(tc);
  for (int y = -1; y <= 1; ++y) {
    for (int x = -1; x <= 1; ++x) {
      vec2 ntc = (x == 0 && y == 0 ? own : load0(tc + ivec2(x, y) * stepwidth)).xy;
      // (0, 0) is no seed: every seed centre lies at 0.5 or more.
      if (ntc.x != 0.0 && ntc.y != 0.0) {
        float d = dot(ntc - center, ntc - center);
        if (d < best_dist) {
          best_dist = d;
          best_coord = ntc;
        }
      }
    }
  }
  // The layer's alpha at this pixel: uv is its centre, so it is the pixel's own texel.
  colourOut = vec4(best_coord, 0.0, own.a);
}
