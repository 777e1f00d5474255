// The warped field Golden and Cyber Punk colour: each round bends the coordinates by the
// previous round's, finer as i grows; fewer rounds for a larger Map Size.
float warpedField(vec2 pos) {
  vec2 q = 7.0 * (pos.xy - vec2(0.5, 0.5));
  float level = 44.4 - mapSize * 4.0;
  for (float i = 1.0; i < level; i *= 1.1) {
    vec2 o = q;
    o.x += (0.5 / i) * cos(i * q.y + mapEvolution * 0.297 + 0.03 * i) + 1.3;
    o.y += (0.5 / i) * cos(i * q.x + mapEvolution * 0.414 + 0.03 * (i + 10.0)) + 1.9;
    q = o;
  }
  vec3 col = vec3(0.5 * sin(3.0 * q.x) + 0.5, 0.5 * sin(3.0 * q.y) + 0.5, sin(1.3 * q.x + 1.7 * q.y));
  return 0.43 * (col.x + col.y + col.z);
}
