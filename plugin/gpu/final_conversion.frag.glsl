#version 330
in vec2 uv;
uniform sampler2D videoTexture;
uniform float multiplier16bit;
out vec4 colourOut;

// RGBA in, the host's order out: alpha first, colour divided by alpha.
void main() {
  vec4 c = texture(videoTexture, uv);
  if (c.a == 0.0) {
    c = vec4(0.0);
  } else {
    c = vec4(c.a, c.r / c.a, c.g / c.a, c.b / c.a);
  }
  colourOut = c / multiplier16bit;
}
