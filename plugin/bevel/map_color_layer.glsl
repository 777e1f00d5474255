// Custom Layer: the Map Layer stretched over the output, mirrored beyond its edges.
vec3 mapColor(vec2 pos) { return swapChannel(texture(colorMap, uvMap(pos))).rgb; }
