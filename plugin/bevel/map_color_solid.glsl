// Color: the Color parameter.
vec3 mapColor(vec2 pos) { return solidColor.rgb; }
