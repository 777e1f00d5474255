#version 330
// Extrusion side: a weighted average of the height along the ray leaving the pixel away from
// the centre, out to len = r * |extrude| / 200 pixels, near samples weighing most.
uniform sampler2D t0;
uniform vec2 mapSize;
uniform float extrude;
uniform vec2 center;
out vec4 colourOut;

float genSide() {
  float strength = abs(extrude) / 200.0;
  vec2 dir = gl_FragCoord.xy - center.xy;
  float len = length(dir) * strength;
  float stepLength = min(1.0 / pow(10.0, 1.5), len);
  float color = 0.0;
  float samples = 0.0;
  for (float i = 1.0; i <= len; i += stepLength) {
    float percent = i / len;
    vec2 coords = gl_FragCoord.xy + percent * dir * strength;
    float weight = 1.0 - percent;
    color += texture(t0, coords / mapSize).r * weight;
    samples += weight;
  }
  // A ray shorter than one pixel takes no sample (len = 1 takes one of weight 0): the average
  // shrinks to the height under the pixel itself, which keeps 0 / 0 out of the side.
  if (!(samples > 0.0)) {
    return texture(t0, gl_FragCoord.xy / mapSize).r;
  }
  return color / samples;
}

void main() {
  float side = genSide();
  colourOut = vec4(side, side, side, 1.0);
}
