#version 330
// Marks the transparent pixels (alpha below 0.01) as seeds of the distance field: a seed stores
// its own centre, every other pixel (0, 0). The layer's alpha travels along in a.
uniform sampler2D t0;
in vec2 uv;
out vec4 colourOut;

// The uploaded layer keeps the host's A, R, G, B order in r, g, b, a.
vec4 swapChannel(vec4 c) {
  return c.gbar;
}

void main() {
  vec4 color = swapChannel(texture(t0, uv));
  vec2 innerAlpha = mix(gl_FragCoord.xy, vec2(0.0, 0.0), step(0.01, color.a));
  colourOut = vec4(innerAlpha, 0.0, color.a);
}
