#version 330
// Height: distance to the nearest seed over the distance limit, scaled by the layer's alpha.
// Not clamped; the surface's smoothstep does that.
uniform sampler2D t0;
uniform vec2 mapSize;
uniform float distLimit;
out vec4 colourOut;

float bumpFunc(vec2 p) {
  ivec2 tc = ivec2(p + 0.5);
  vec4 data = texture(t0, (vec2(tc) - 0.5) / mapSize);
  float dist = length(data.xy - p) / distLimit;
  return dist * data.a;
}

void main() {
  float dist = bumpFunc(gl_FragCoord.xy);
  colourOut = vec4(dist, dist, dist, 1.0);
}
