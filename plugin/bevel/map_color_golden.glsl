// Golden.
vec3 mapColor(vec2 pos) {
  float f = warpedField(pos);
  return vec3(f + 0.6, 0.2 + 0.75 * f, 0.2);
}
