// Cyber Punk.
vec3 mapColor(vec2 pos) {
  float f = warpedField(pos);
  return vec3(0.35 * f + 0.4, 0.25 * f, 0.5);
}
