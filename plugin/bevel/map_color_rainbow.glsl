// Rainbow: like the warped field, in whole-number rounds; the blue term may go negative.
vec3 mapColor(vec2 pos) {
  vec2 p = pos * 2.0 - vec2(1.0, 1.0);
  int level = 44 - int(mapSize * 4.0);
  for (int i = 1; i < level; i += 1) {
    vec2 newp = p;
    float fi = float(i);
    newp.x += (0.5 / fi) * cos(fi * p.y + mapEvolution * 11.0 / 37.0 + 0.03 * fi) + 1.3;
    newp.y += (0.5 / fi) * cos(fi * p.x + mapEvolution * 17.0 / 41.0 + 0.03 * (fi + 10.0)) + 1.9;
    p = newp;
  }
  return vec3(0.5 * sin(3.0 * p.x) + 0.5, 0.5 * sin(3.0 * p.y) + 0.5, sin(1.3 * p.x + 1.7 * p.y));
}
